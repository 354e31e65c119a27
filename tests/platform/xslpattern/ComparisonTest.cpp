#include "platform/xml/xslpattern/Comparison.h"

#include <cmath>
#include <gtest/gtest.h>

namespace XslPattern {
namespace {

TEST(ComparisonSpec, EncodingRoundTripsSignaturesHoldingAnyCharacters) {
    ComparisonSpec spec;
    spec.relation = Relation::GreaterEqual;
    spec.compareAs = CompareAs::Date;
    spec.ignoreCase = true;
    spec.all = true;
    spec.leftAccessor = Accessor::Index;
    spec.rightAccessor = Accessor::End;
    spec.leftSignature = "{urn:a;b:12}x";
    spec.rightSignature = "@q7:c";
    auto decoded = ComparisonSpec::Decode(spec.Encode());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->relation, spec.relation);
    EXPECT_EQ(decoded->compareAs, spec.compareAs);
    EXPECT_TRUE(decoded->ignoreCase);
    EXPECT_TRUE(decoded->all);
    EXPECT_EQ(decoded->leftAccessor, spec.leftAccessor);
    EXPECT_EQ(decoded->rightAccessor, spec.rightAccessor);
    EXPECT_EQ(decoded->leftSignature, spec.leftSignature);
    EXPECT_EQ(decoded->rightSignature, spec.rightSignature);
}

TEST(ComparisonSpec, DecodingRejectsMalformedText) {
    for (const char* text : {"", "=s-avv", "=s-avv0", "xs-avv0:", "=z-avv0:", "=s-aqv0:",
                             "=s-avv5:ab", "=s-avv:ab", "=s-avv1x:ab", "=s-avv9999999999:"}) {
        EXPECT_FALSE(ComparisonSpec::Decode(text).has_value()) << text;
    }
}

ComparisonSpec Spec(Relation relation, CompareAs compareAs, bool all = false) {
    ComparisonSpec spec;
    spec.relation = relation;
    spec.compareAs = compareAs;
    spec.all = all;
    return spec;
}

TEST(Compare, AnyNeedsOnePairAllNeedsEveryLeftValue) {
    std::vector<SideValue> left{std::string("1"), std::string("5")};
    std::vector<SideValue> three{3.0};
    EXPECT_TRUE(Compare(left, three, Spec(Relation::Greater, CompareAs::Double)));
    EXPECT_FALSE(Compare(left, three, Spec(Relation::Greater, CompareAs::Double, true)));
    EXPECT_FALSE(Compare({}, three, Spec(Relation::Greater, CompareAs::Double)));
    EXPECT_TRUE(Compare({}, three, Spec(Relation::Greater, CompareAs::Double, true)));
    EXPECT_FALSE(Compare(left, {}, Spec(Relation::NotEqual, CompareAs::Text)));
}

TEST(Compare, ValuesThatDoNotConvertSatisfyNoRelation) {
    std::vector<SideValue> word{std::string("abc")};
    std::vector<SideValue> nan{std::nan("")};
    for (Relation relation : {Relation::Equal, Relation::NotEqual, Relation::Less}) {
        EXPECT_FALSE(Compare(word, {1.0}, Spec(relation, CompareAs::Integer)));
        EXPECT_FALSE(Compare(nan, {1.0}, Spec(relation, CompareAs::Double)));
        EXPECT_FALSE(Compare(word, {std::string("2000-01-01")}, Spec(relation, CompareAs::Date)));
    }
}

TEST(Compare, NumbersCompareAsTextInTheirXPathForm) {
    std::vector<SideValue> number{12.0};
    EXPECT_TRUE(Compare(number, {std::string("12")}, Spec(Relation::Equal, CompareAs::Text)));
    EXPECT_TRUE(Compare({0.5}, {std::string("0.5")}, Spec(Relation::Equal, CompareAs::Text)));
}

TEST(Compare, TextOrderIsByteOrderSoUtf8SortsByCodePoint) {
    auto text = [](const char* s) { return std::vector<SideValue>{std::string(s)}; };
    ComparisonSpec less = Spec(Relation::Less, CompareAs::Text);
    EXPECT_TRUE(Compare(text("Z"), text("a"), less));
    EXPECT_TRUE(Compare(text("z"), text("\xc3\xa9"), less)); // z < é
    EXPECT_TRUE(Compare(text("ab"), text("abc"), less));
    less.ignoreCase = true;
    EXPECT_FALSE(Compare(text("Z"), text("a"), less));
    EXPECT_TRUE(Compare(text("A"), text("b"), less));
}

} // namespace
} // namespace XslPattern
