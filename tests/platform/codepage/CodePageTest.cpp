// Code-page conversion with the ANSI code page, which is UTF-8 here.
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

std::u16string ToWide(std::string_view text, DWORD flags = 0) {
    const int needed =
        MultiByteToWideChar(CP_ACP, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string result(static_cast<std::size_t>(needed), u'?');
    if (needed > 0) {
        EXPECT_EQ(MultiByteToWideChar(CP_ACP, flags, text.data(), static_cast<int>(text.size()),
                                      result.data(), needed),
                  needed);
    }
    return result;
}

std::string ToNarrow(std::u16string_view text, DWORD flags = 0) {
    const int needed = WideCharToMultiByte(
        CP_ACP, flags, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(needed), '?');
    if (needed > 0) {
        EXPECT_EQ(WideCharToMultiByte(CP_ACP, flags, text.data(), static_cast<int>(text.size()),
                                      result.data(), needed, nullptr, nullptr),
                  needed);
    }
    return result;
}

TEST(Utf8Decoding, ReplacesEachIllFormedSubsequence) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"abc", u"abc"},
        {"\xC3\xA9", u"\u00E9"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
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
}

TEST(WideToUtf8, UnpairedSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(ToNarrow(u"\U0001F600"), "\xF0\x9F\x98\x80");
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00};
    EXPECT_EQ(ToNarrow({lone, 4}), "a\xEF\xBF\xBD"
                                   "b\xEF\xBF\xBD");
}

TEST(CodePageFlags, InvalidCharactersFailOnlyWhenAskedTo) {
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, "\xFF", 1, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    const char16_t lone[] = {0xD800};
    EXPECT_EQ(
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 1, nullptr, 0, nullptr, nullptr),
        0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
    EXPECT_EQ(ToWide("ok", MB_PRECOMPOSED), u"ok");
}

TEST(CodePageFlags, UnsupportedFlagsAndArgumentsFailWithTheirLastError) {
    char16_t wide[4];
    char narrow[4];
    struct Case {
        const char* what;
        int (*call)(char16_t* wide, char* narrow);
        DWORD error;
    };
    const Case cases[] = {
        {"precomposed UTF-8",
         [](char16_t* w, char*) {
             return MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "a", 1, w, 4);
         },
         ERROR_INVALID_FLAGS},
        {"other code page",
         [](char16_t* w, char*) { return MultiByteToWideChar(1252, 0, "a", 1, w, 4); },
         ERROR_INVALID_PARAMETER},
        {"zero length",
         [](char16_t* w, char*) { return MultiByteToWideChar(CP_ACP, 0, "a", 0, w, 4); },
         ERROR_INVALID_PARAMETER},
        {"null input",
         [](char16_t* w, char*) { return MultiByteToWideChar(CP_ACP, 0, nullptr, 1, w, 4); },
         ERROR_INVALID_PARAMETER},
        {"null output with a size",
         [](char16_t*, char*) { return MultiByteToWideChar(CP_ACP, 0, "a", 1, nullptr, 4); },
         ERROR_INVALID_PARAMETER},
        {"small wide buffer",
         [](char16_t* w, char*) { return MultiByteToWideChar(CP_ACP, 0, "abc", 3, w, 2); },
         ERROR_INSUFFICIENT_BUFFER},
        {"composite check",
         [](char16_t*, char* n) {
             return WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, u"a", 1, n, 4, nullptr, nullptr);
         },
         ERROR_INVALID_FLAGS},
        {"default character",
         [](char16_t*, char* n) {
             return WideCharToMultiByte(CP_ACP, 0, u"a", 1, n, 4, "?", nullptr);
         },
         ERROR_INVALID_PARAMETER},
        {"small narrow buffer",
         [](char16_t*, char* n) {
             return WideCharToMultiByte(CP_ACP, 0, u"\u20AC", 1, n, 2, nullptr, nullptr);
         },
         ERROR_INSUFFICIENT_BUFFER},
    };
    for (const Case& c : cases) {
        SetLastError(0);
        EXPECT_EQ(c.call(wide, narrow), 0) << c.what;
        EXPECT_EQ(GetLastError(), c.error) << c.what;
    }
}

TEST(CodePageLengths, MinusOneIncludesTheTerminator) {
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "h\xC3\xA9", -1, nullptr, 0), 3);
    char16_t wide[3];
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "h\xC3\xA9", -1, wide, 3), 3);
    EXPECT_EQ(wide[2], 0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"h\u00E9", -1, nullptr, 0, nullptr, nullptr), 4);
}

TEST(CodePageLengths, LstrlenCountsBytesUpToTheTerminator) {
    EXPECT_EQ(lstrlenA("h\xC3\xA9"), 3);
    EXPECT_EQ(lstrlenA(""), 0);
    EXPECT_EQ(lstrlenA(nullptr), 0);
}

} // namespace
