#include "universe/ascii/CaseConversion.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(CaseTables, OnlyLettersChangeCase) {
    EXPECT_TRUE(Ascii::CaseTablesAreCorrect());
    for (uint32 b = 0; b < 256; ++b) {
        const auto byte = static_cast<uint8>(b);
        const bool upper = b >= 'A' && b <= 'Z';
        const bool lower = b >= 'a' && b <= 'z';
        EXPECT_EQ(Ascii::Lowered(byte), upper ? b + 32 : b) << b;
        EXPECT_EQ(Ascii::Raised(byte), lower ? b - 32 : b) << b;
    }
}

TEST(CaseConversion, CopiesConvertEveryByte) {
    char lowered[5];
    Ascii::CopyLowered("ABC[z", Data(lowered, 5));
    EXPECT_EQ(std::string(lowered, 5), "abc[z");

    const std::string high = "\x80\xC0\xE1\xFF";
    std::string raised(4, '\0');
    Ascii::CopyRaised(ConstData(high), Data(raised.data(), 4));
    EXPECT_EQ(raised, high);
}

TEST(CaseConversion, CopyOfUnequalLengthsIsReportedAndStaysInBounds) {
    ReportedAssertions reported;
    char target[2] = {};
    Ascii::CopyRaised("abc", Data(target, 2));
    EXPECT_EQ(std::string(target, 2), "AB");
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"from.Length() == to.Length()"});
}

TEST(CaseConversion, FilterStepStopsWhenEitherSideIsExhausted) {
    char area[3];
    Data to(area, 3);
    ConstData from("Hello");
    Ascii::FilterRaised(from, to);
    EXPECT_TRUE(to.Exhausted());
    EXPECT_EQ(from, ConstData("lo"));
    EXPECT_EQ(std::string(area, 3), "HEL");

    char roomy[8];
    Data more(roomy, 8);
    ConstData rest("aBc");
    Ascii::FilterLowered(rest, more);
    EXPECT_TRUE(rest.Exhausted());
    EXPECT_EQ(std::string(roomy, 3), "abc");
    EXPECT_EQ(more.Length(), 5u);
}

TEST(CaseConversion, CaseOfATextIsTheAbsenceOfTheOtherCase) {
    struct Case {
        const char* text;
        bool lower;
        bool upper;
    };
    const Case cases[] = {
        {"", true, true},      {"abc", true, false},   {"ABC", false, true},
        {"aBc", false, false}, {"123 _!", true, true}, {"\xC4\xE4", true, true},
    };
    for (const Case& c : cases) {
        const ConstData text(c.text, std::char_traits<char>::length(c.text));
        EXPECT_EQ(Ascii::IsLowerCase(text), c.lower) << c.text;
        EXPECT_EQ(Ascii::IsUpperCase(text), c.upper) << c.text;
    }
}

TEST(CaseConversion, ComparisonsIgnoringCase) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
        int lowered;
        int raised;
    };
    const Case cases[] = {
        {"Abc", "aBC", true, 0, 0},
        {"abc", "abcd", false, -1, -1},
        {"A", "b", false, 'a' - 'b', 'A' - 'B'},
        {"ab", "AB", true, 0, 0},
        {"abc", "AB", false, 1, 1},
        {"_", "a", false, '_' - 'a', '_' - 'A'},
        {"", "", true, 0, 0},
    };
    for (const Case& c : cases) {
        const ConstData a(c.a, std::char_traits<char>::length(c.a));
        const ConstData b(c.b, std::char_traits<char>::length(c.b));
        EXPECT_EQ(Ascii::EqualIgnoringCase(a, b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(Ascii::CompareIgnoringCase(a, b), c.lowered) << c.a << " / " << c.b;
        EXPECT_EQ(Ascii::CompareIgnoringCaseRaised(a, b), c.raised) << c.a << " / " << c.b;
    }
}

} // namespace
