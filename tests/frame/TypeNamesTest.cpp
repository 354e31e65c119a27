// Tuple type names, tuple components and the "no value" exception.
#include "frame/InspectorTypeNameBuilder.h"
#include "frame/NoSuchObject.h"
#include "frame/TupleElement.h"
#include "frame/VeritorInterface.h"
#include "tests/support/ReportedAssertions.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <typeinfo>

namespace {

// A script of the calls: '(' opens a plain tuple, a capital opens a tuple
// named after it, a small letter adds a component and ')' closes. Then the
// result, the parentheses left open and the condition of a failed check.
TEST(InspectorTypeNameBuilder, ComposesTupleNamesAndReportsMisuse) {
    const std::tuple<std::string_view, std::string, uint32, std::string> cases[] = {
        {"(", "( ", 1, "parentheses == 0"}, // not a result yet
        {"()", "(  )", 0, ""},
        {"(a(bc))", "( a, ( b, c ) )", 0, ""},
        {"Lx)", "L( x )", 0, ""},
        {"(a)b", "( a ), b", 0, "parentheses > 0"}, // still separated
        {")", " )", maxuint32, "parentheses == 0"}, // reported again by the result
    };
    for (const auto& [script, text, open, reported] : cases) {
        ReportedAssertions output;
        InspectorTypeNameBuilder builder;
        for (std::size_t i = 0; i < script.size(); ++i) {
            const ConstData letter(script.substr(i, 1));
            if (script[i] == '(' || script[i] == ')') {
                script[i] == '(' ? builder.Open(ConstData()) : builder.Close();
            } else {
                std::isupper(static_cast<unsigned char>(script[i])) ? builder.Open(letter)
                                                                    : builder.Add(letter);
            }
        }
        EXPECT_EQ(std::pair(builder.OpenParentheses(), builder.Result()), std::pair(open, text))
            << script;
        EXPECT_TRUE(reported.empty() ? output.Output().empty() : output.Include(reported))
            << script << ": " << output.Output();
    }
}

// The texts of the named tuple types are pinned by the registration tables of
// the inspectors that use them.
TEST(TupleTypeNames, OfFourComponents) {
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
TEST(NoSuchObject, TypeMatchesAcrossLibraries) {
    EXPECT_NE(typeid(NoSuchObject).name()[0], '*');
}

} // namespace
