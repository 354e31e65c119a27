// Code-page conversion with the ANSI code page, which is UTF-8 here. Sizes,
// buffers, zero-terminated input and the ..._ERR_INVALID_CHARS flags are the
// code-page fuzzer's (fuzz/code_pages.cpp); these are the exact texts and
// refusals it does not check.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::u16string ToWide(std::string_view text) {
    std::u16string wide(text.size(), u'?'); // never more units than bytes
    const int size = static_cast<int>(text.size());
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size));
    return wide;
}

TEST(CodePages, EachIllFormedSubsequenceAndUnpairedSurrogateIsReplaced) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xFF", u"\uFFFD"},
        {"a\x80z", u"a\uFFFDz"},
        // Overlong forms, surrogates and values above U+10FFFF.
        {"\xC0\xAF", u"\uFFFD\uFFFD"},
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        // A truncated sequence is one replacement.
        {"\xE2\x82z", u"\uFFFDz"},
        // Runs of ASCII longer than eight bytes around the others.
        {"ASCII in runs \xC3\xA9 of eight bytes\xFF", u"ASCII in runs \u00E9 of eight bytes\uFFFD"},
    };
    for (const auto& [bytes, characters] : cases) {
        EXPECT_EQ(ToWide(bytes), characters) << testing::PrintToString(bytes);
    }
    const char16_t wide[] = {u'a', 0xD800, u'b', 0xDC00, 0xD83D, 0xDE00};
    char narrow[16] = {};
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, wide, 6, narrow, 16, nullptr, nullptr), 12);
    EXPECT_STREQ(narrow, "a\xEF\xBF\xBD"
                         "b\xEF\xBF\xBD\xF0\x9F\x98\x80");
}

// The last error of a call that must fail, cleared for the next one.
long ErrorOf(int result) {
    EXPECT_EQ(result, 0);
    const long error = static_cast<long>(GetLastError());
    SetLastError(0);
    return error;
}

TEST(CodePages, UnsupportedFlagsAndArgumentsFailWithTheirLastError) {
    char16_t wide[4];
    char narrow[4];
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, "ok", 2, wide, 4), 2);
    EXPECT_EQ(ErrorOf(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", 1, wide, 4)),
              ERROR_INVALID_FLAGS);
    EXPECT_EQ(ErrorOf(MultiByteToWideChar(1252, 0, "a", 1, wide, 4)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(ErrorOf(MultiByteToWideChar(CP_ACP, 0, nullptr, 1, wide, 4)),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(ErrorOf(MultiByteToWideChar(CP_ACP, 0, "a", 1, nullptr, 4)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(ErrorOf(WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, u"a", 1, narrow, 4, nullptr,
                                          nullptr)),
              ERROR_INVALID_FLAGS);
    EXPECT_EQ(ErrorOf(WideCharToMultiByte(CP_ACP, 0, u"a", 1, narrow, 4, "?", nullptr)),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(lstrlenA(nullptr), 0);
}

} // namespace
