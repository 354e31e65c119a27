#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <windows.h>

namespace {

constexpr DWORD allocateFromSystem =
    FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

// The allocated text of a code, or "(none)" with the last error appended.
std::string AllocatedText(DWORD code, DWORD flags = allocateFromSystem, DWORD language = 0) {
    LPSTR block = nullptr;
    const DWORD length =
        FormatMessageA(flags, nullptr, code, language, reinterpret_cast<LPSTR>(&block), 0, nullptr);
    if (length == 0) {
        return "(none) " + std::to_string(GetLastError());
    }
    std::string text(block, length);
    EXPECT_EQ(block[length], '\0');
    EXPECT_EQ(LocalFree(block), nullptr);
    return text;
}

TEST(FormatMessage, SystemTextsEndInCarriageReturnLineFeed) {
    struct Case {
        DWORD code;
        const char* text;
    };
    const Case cases[] = {
        {2, "The system cannot find the file specified.\r\n"},
        {5, "Access is denied.\r\n"},
        {8, "Not enough memory resources are available to process this command.\r\n"},
        {14, "Not enough memory resources are available to complete this operation.\r\n"},
        {87, "The parameter is incorrect.\r\n"},
        {static_cast<DWORD>(E_FAIL), "Unspecified error\r\n"},
        {static_cast<DWORD>(E_POINTER), "Invalid pointer\r\n"},
        {static_cast<DWORD>(E_NOINTERFACE), "No such interface supported\r\n"},
        {static_cast<DWORD>(E_OUTOFMEMORY),
         "Not enough memory resources are available to complete this operation.\r\n"},
        {static_cast<DWORD>(E_INVALIDARG), "The parameter is incorrect.\r\n"},
        {static_cast<DWORD>(DISP_E_TYPEMISMATCH), "Type mismatch.\r\n"},
        {static_cast<DWORD>(CO_E_NOTINITIALIZED), "CoInitialize has not been called.\r\n"},
        {static_cast<DWORD>(REGDB_E_CLASSNOTREG), "Class not registered\r\n"},
        {static_cast<DWORD>(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)), "Access is denied.\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllocatedText(c.code), c.text) << std::hex << c.code;
    }
}

TEST(FormatMessage, RefusalsSetTheLastError) {
    struct Case {
        const char* name;
        DWORD code;
        DWORD flags;
        DWORD language;
        DWORD error;
    };
    const Case cases[] = {
        {"unknown code", 0x1234567, allocateFromSystem, 0, ERROR_MR_MID_NOT_FOUND},
        {"unknown HRESULT", 0x80040999, allocateFromSystem, 0, ERROR_MR_MID_NOT_FOUND},
        {"not from the system", 2, FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING, 0,
         ERROR_INVALID_PARAMETER},
        {"other language", 2, allocateFromSystem, 0x407, ERROR_RESOURCE_LANG_NOT_FOUND},
        {"line width", 2, allocateFromSystem | 40, 0, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AllocatedText(c.code, c.flags, c.language), "(none) " + std::to_string(c.error))
            << c.name;
    }
}

TEST(FormatMessage, FullWidthMaskDropsTheLineBreak) {
    EXPECT_EQ(AllocatedText(5, allocateFromSystem | FORMAT_MESSAGE_MAX_WIDTH_MASK),
              "Access is denied.");
    EXPECT_EQ(AllocatedText(5, allocateFromSystem, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)),
              "Access is denied.\r\n");
}

TEST(FormatMessage, CallerBufferMustHoldTextAndTerminator) {
    const std::string expected = "Access is denied.\r\n";
    char exact[20];
    ASSERT_EQ(sizeof exact, expected.size() + 1);
    EXPECT_EQ(
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 5, 0, exact, sizeof exact, nullptr),
        expected.size());
    EXPECT_EQ(std::string(exact), expected);

    char small[19];
    EXPECT_EQ(
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 5, 0, small, sizeof small, nullptr),
        0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(LocalMemory, FreeRefusesWhatWasNotAllocatedOrIsAlreadyFree) {
    HLOCAL block = LocalAlloc(LPTR, 8);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(static_cast<const char*>(block)[7], 0);
    EXPECT_EQ(LocalFree(block), nullptr);

    SetLastError(0);
    int onTheStack = 0;
    EXPECT_EQ(LocalFree(&onTheStack), &onTheStack);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(LocalFree(nullptr), nullptr);

    EXPECT_EQ(LocalAlloc(0x0002 /* movable */, 8), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(LastError, BelongsToTheCallingThread) {
    SetLastError(42);
    DWORD seenByOtherThread = 1;
    std::thread other([&] {
        seenByOtherThread = GetLastError();
        SetLastError(7);
    });
    other.join();
    EXPECT_EQ(seenByOtherThread, 0u);
    EXPECT_EQ(GetLastError(), 42u);
}

} // namespace
