#include "platform/xml/xslpattern/Comparison.h"

#include <cmath>
#include <gtest/gtest.h>

namespace XslPattern {
namespace {

TEST(ComparisonRule, EncodingRoundTripsSignaturesHoldingAnyCharacters) {
    ComparisonRule rule;
    rule.relation = Relation::GreaterEqual;
    rule.compareAs = CompareAs::Date;
    rule.ignoreCase = true;
    rule.all = true;
    rule.leftAccessor = Accessor::Index;
    rule.rightAccessor = Accessor::End;
    rule.leftSignature = "{urn:a;b:12}x";
    rule.rightSignature = "@q7:c";
    auto decoded = ComparisonRule::Decode(rule.Encode());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->relation, rule.relation);
    EXPECT_EQ(decoded->compareAs, rule.compareAs);
    EXPECT_TRUE(decoded->ignoreCase);
    EXPECT_TRUE(decoded->all);
    EXPECT_EQ(decoded->leftAccessor, rule.leftAccessor);
    EXPECT_EQ(decoded->rightAccessor, rule.rightAccessor);
    EXPECT_EQ(decoded->leftSignature, rule.leftSignature);
    EXPECT_EQ(decoded->rightSignature, rule.rightSignature);
}

TEST(ComparisonRule, DecodingRejectsMalformedText) {
    for (const char* text : {"", "=s-avv", "=s-avv0", "xs-avv0:", "=z-avv0:", "=s-aqv0:",
                             "=s-avv5:ab", "=s-avv:ab", "=s-avv1x:ab", "=s-avv9999999999:"}) {
        EXPECT_FALSE(ComparisonRule::Decode(text).has_value()) << text;
    }
}

ComparisonRule Rule(Relation relation, CompareAs compareAs, bool all = false) {
    ComparisonRule rule;
    rule.relation = relation;
    rule.compareAs = compareAs;
    rule.all = all;
    return rule;
}

TEST(Compare, AnyNeedsOnePairAllNeedsEveryLeftValue) {
    std::vector<SideValue> left{std::string("1"), std::string("5")};
    std::vector<SideValue> three{3.0};
    EXPECT_TRUE(Compare(left, three, Rule(Relation::Greater, CompareAs::Double)));
    EXPECT_FALSE(Compare(left, three, Rule(Relation::Greater, CompareAs::Double, true)));
    EXPECT_FALSE(Compare({}, three, Rule(Relation::Greater, CompareAs::Double)));
    EXPECT_TRUE(Compare({}, three, Rule(Relation::Greater, CompareAs::Double, true)));
    EXPECT_FALSE(Compare(left, {}, Rule(Relation::NotEqual, CompareAs::Text)));
}

TEST(Compare, ValuesThatDoNotConvertSatisfyNoRelation) {
    std::vector<SideValue> word{std::string("abc")};
    std::vector<SideValue> nan{std::nan("")};
    for (Relation relation : {Relation::Equal, Relation::NotEqual, Relation::Less}) {
        EXPECT_FALSE(Compare(word, {1.0}, Rule(relation, CompareAs::Integer)));
        EXPECT_FALSE(Compare(nan, {1.0}, Rule(relation, CompareAs::Double)));
        EXPECT_FALSE(Compare(word, {std::string("2000-01-01")}, Rule(relation, CompareAs::Date)));
    }
}

TEST(Compare, TextOrderIsByteOrderSoUtf8SortsByCodePoint) {
    auto text = [](const char* s) { return std::vector<SideValue>{std::string(s)}; };
    ComparisonRule less = Rule(Relation::Less, CompareAs::Text);
    EXPECT_TRUE(Compare(text("Z"), text("a"), less));
    EXPECT_TRUE(Compare(text("z"), text("\xc3\xa9"), less)); // z < é
    EXPECT_TRUE(Compare(text("ab"), text("abc"), less));
    less.ignoreCase = true;
    EXPECT_FALSE(Compare(text("Z"), text("a"), less));
    EXPECT_TRUE(Compare(text("A"), text("b"), less));
}

} // namespace
} // namespace XslPattern
