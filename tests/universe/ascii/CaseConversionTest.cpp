#include "universe/ascii/CaseConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(CaseConversion, OnlyLettersChangeCase) {
    EXPECT_TRUE(Ascii::CaseTablesAreCorrect());
    char lowered[5];
    Ascii::CopyLowered("ABC[z", Data(lowered, 5));
    EXPECT_EQ(std::string(lowered, 5), "abc[z");
    for (uint32 b = 128; b < 256; ++b) {
        EXPECT_EQ(Ascii::Raised(static_cast<uint8>(b)), b);
    }
    Ascii::CopyRaised("abc", Data(lowered, 2)); // a reported misuse: copies what fits
    EXPECT_EQ(std::string(lowered, 2), "AB");
}

TEST(CaseConversion, FilterStepStopsWhenEitherSideIsExhausted) {
    char area[3];
    Data to(area, 3);
    ConstData from("Hello");
    Ascii::FilterRaised(from, to);
    EXPECT_TRUE(to.Exhausted());
    EXPECT_EQ(from, ConstData("lo"));
    EXPECT_EQ(std::string(area, 3), "HEL");
}

TEST(CaseConversion, CaseOfATextIsTheAbsenceOfTheOtherCase) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"", true, true}, {"abc", true, false}, {"A1_", false, true}, {"aB", false, false}};
    for (const auto& [text, lower, upper] : cases) {
        const ConstData view(text, std::char_traits<char>::length(text));
        EXPECT_EQ(Ascii::IsLowerCase(view), lower) << text;
        EXPECT_EQ(Ascii::IsUpperCase(view), upper) << text;
    }
}

TEST(CaseConversion, ComparisonsIgnoringCase) {
    const std::tuple<std::string, std::string, bool, int, int> cases[] = {
        {"Abc", "aBC", true, 0, 0},
        {"abc", "abcd", false, -1, -1},
        {"A", "b", false, -1, -1},
        {"abc", "AB", false, 1, 1},
        {"_", "a", false, '_' - 'a', '_' - 'A'}, // underscore sits between the cases
    };
    for (const auto& [a, b, equal, lowered, raised] : cases) {
        const ConstData x(a), y(b);
        EXPECT_EQ(Ascii::EqualIgnoringCase(x, y), equal) << a << " / " << b;
        EXPECT_EQ(Ascii::CompareIgnoringCase(x, y), lowered) << a << " / " << b;
        EXPECT_EQ(Ascii::CompareIgnoringCaseRaised(x, y), raised) << a << " / " << b;
    }
}

} // namespace
