#include "universe/ascii/CaseConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(CaseConversion, CopiesFiltersTestsAndComparisonsIgnoringCase) {
    EXPECT_TRUE(Ascii::CaseTablesAreCorrect());
    char area[5];
    Ascii::CopyLowered("ABC[z", Data(area, 5));
    EXPECT_EQ(std::string(area, 5), "abc[z");
    Ascii::CopyRaised("abc", Data(area, 2)); // a reported misuse: copies what fits
    EXPECT_EQ(std::string(area, 2), "AB");
    // A filter step stops when either side is exhausted.
    Data to(area, 3);
    ConstData from("Hello");
    Ascii::FilterRaised(from, to);
    EXPECT_TRUE(to.Exhausted() && from == ConstData("lo"));
    EXPECT_EQ(std::string(area, 3), "HEL");

    const std::tuple<std::string_view, bool, bool> cases[] = {
        {"", true, true}, {"abc", true, false}, {"A1_", false, true}, {"aB", false, false}};
    for (const auto& [text, lower, upper] : cases) {
        const ConstData t(text);
        EXPECT_EQ(std::pair(Ascii::IsLowerCase(t), Ascii::IsUpperCase(t)), std::pair(lower, upper))
            << text;
    }
    // Underscore sits between the cases.
    const std::tuple<std::string_view, std::string_view, bool, int, int> comparisons[] = {
        {"Abc", "aBC", true, 0, 0},
        {"abc", "abcd", false, -1, -1},
        {"A", "b", false, -1, -1},
        {"abc", "AB", false, 1, 1},
        {"_", "a", false, '_' - 'a', '_' - 'A'}};
    for (const auto& [a, b, equal, lowered, raised] : comparisons) {
        const ConstData x(a), y(b);
        EXPECT_EQ(std::tuple(Ascii::EqualIgnoringCase(x, y), Ascii::CompareIgnoringCase(x, y),
                             Ascii::CompareIgnoringCaseRaised(x, y)),
                  std::tuple(equal, lowered, raised))
            << a << " / " << b;
    }
}

} // namespace
