// Tuple type names, tuple components and the "no value" exception.
#include "frame/InspectorTypeNameBuilder.h"
#include "frame/NoSuchObject.h"
#include "frame/TupleElement.h"
#include "frame/TupleTypeNames.h"
#include "frame/VeritorInterface.h"
#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>
#include <typeinfo>

namespace {

// What a failed assertion reports, or null when nothing is.
struct BuilderCase {
    const char* description;
    void (*build)(InspectorTypeNameBuilder&);
    const char* text;
    uint32 openParentheses;
    const char* reported;
};

const BuilderCase builderCases[] = {
    {"an opened tuple is a parenthesis and a space, and not a result yet",
     [](auto& b) { b.Open(ConstData()); }, "( ", 1, "parentheses == 0"},
    {"an empty tuple has two spaces",
     [](auto& b) {
         b.Open(ConstData());
         b.Close();
     },
     "(  )", 0, nullptr},
    {"a nested tuple is one more component",
     [](auto& b) {
         b.Open(ConstData());
         b.Add("a");
         b.Open(ConstData());
         b.Add("b");
         b.Add("c");
         b.Close();
         b.Close();
     },
     "( a, ( b, c ) )", 0, nullptr},
    {"a named opening is added as a component first",
     [](auto& b) {
         b.Open("list");
         b.Add("x");
         b.Close();
     },
     "list( x )", 0, nullptr},
    {"adding after the outermost close still separates, but is reported",
     [](auto& b) {
         b.Open(ConstData());
         b.Add("a");
         b.Close();
         b.Add("b");
     },
     "( a ), b", 0, "parentheses > 0"},
    {"a surplus close is reported, and again by the result", [](auto& b) { b.Close(); }, " )",
     maxuint32, "parentheses == 0"},
};

TEST(InspectorTypeNameBuilder, ComposesTupleNamesAndReportsMisuse) {
    for (const auto& c : builderCases) {
        ReportedAssertions output;
        InspectorTypeNameBuilder builder;
        c.build(builder);
        EXPECT_EQ(builder.OpenParentheses(), c.openParentheses) << c.description;
        EXPECT_EQ(builder.Result(), c.text) << c.description;
        if (c.reported == nullptr) {
            EXPECT_EQ(output.Output(), "") << c.description;
        } else {
            EXPECT_NE(output.Output().find(c.reported), std::string::npos)
                << c.description << ": " << output.Output();
        }
    }
}

// The texts of the named tuple types are pinned by the registration tables of
// the inspectors that use them.
TEST(TupleTypeNames, AreComposedOnce) {
    EXPECT_EQ(StringStringTupleTypeName(), StringStringTupleTypeName());
    EXPECT_EQ(TupleTypeName("a", "b", "c", "d"), "( a, b, c, d )");
}

TEST(TupleElement, StepsAlongTheChainAndReportsAMissingComponent) {
    const integer first(1);
    const string_value second{"two", 3};
    const TupleNode last{&second, nullptr};
    const TupleNode head{&first, &last};
    EXPECT_EQ(TupleElement(0, &head), &first);
    EXPECT_EQ(TupleComponent<string_value>(1, head).length, 3u);
    for (uint32 index : {2u, 3u}) {
        ReportedAssertions output;
        EXPECT_THROW(TupleElement(index, &head), NoSuchObject) << index;
        EXPECT_NE(output.Output().find("node != 0"), std::string::npos) << output.Output();
    }
}

// A leading '*' in the type's name would make type information compare by
// address only, and the host could never catch what a plug-in throws.
TEST(NoSuchObject, IsADebuggableExceptionNamedAfterItsClassWhoseTypeMatchesAcrossLibraries) {
    const NoSuchObject a, b;
    const DebuggableException& base = a;
    EXPECT_STREQ(base.what(), "NoSuchObject");
    EXPECT_STREQ(a.what(), b.what());
    EXPECT_NE(typeid(NoSuchObject).name()[0], '*');
}

} // namespace
