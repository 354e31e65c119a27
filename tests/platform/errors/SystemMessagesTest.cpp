#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace {

constexpr DWORD fromSystem =
    FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

// The allocated text of a code, or the last error after a refusal.
std::string TextOf(DWORD code, DWORD flags = fromSystem, DWORD language = 0) {
    LPSTR block = nullptr;
    const DWORD length =
        FormatMessageA(flags, nullptr, code, language, reinterpret_cast<LPSTR>(&block), 0, nullptr);
    if (length == 0) {
        return "error " + std::to_string(GetLastError());
    }
    std::string text(block, length);
    EXPECT_EQ(LocalFree(block), nullptr);
    return text;
}

// Texts of results are also what the tool prints for failures (tests/tools).
TEST(FormatMessage, SystemTextsOfCodesAndResultsOrTheirRefusals) {
    const std::pair<HRESULT, const char*> cases[] = {
        {2, "The system cannot find the file specified.\r\n"},
        {HRESULT_FROM_WIN32(5), "Access is denied.\r\n"},
        // Codes without a text are refused.
        {0x1234567, "error 317"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(TextOf(static_cast<DWORD>(code)), text);
    }
    EXPECT_EQ(TextOf(5, fromSystem | FORMAT_MESSAGE_MAX_WIDTH_MASK), "Access is denied.");
    EXPECT_EQ(TextOf(2, FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER), "error 87");
    EXPECT_EQ(TextOf(2, fromSystem, 0x407), "error 1815");

    char small[19]; // one short of "Access is denied.\r\n" and its terminator
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 5, 0, small, 19, nullptr), 0u);
    EXPECT_EQ(GetLastError(), 122u);
    // Freeing what is not a live block is refused too.
    HLOCAL block = LocalAlloc(LPTR, 8);
    EXPECT_EQ(LocalFree(block), nullptr);
    EXPECT_EQ(LocalFree(block), block);
    EXPECT_EQ(GetLastError(), 6u);
    EXPECT_EQ(LocalFree(nullptr), nullptr);
}

TEST(LastError, BelongsToTheCallingThread) {
    SetLastError(42);
    std::thread([] {
        EXPECT_EQ(GetLastError(), 0u);
        SetLastError(7);
    }).join();
    EXPECT_EQ(GetLastError(), 42u);
}

} // namespace
