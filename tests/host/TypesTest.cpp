// Type names, base types and tuple types as overload resolution sees them.
#include "host/query/Types.h"

#include <gtest/gtest.h>

namespace {

using veritor::host::Registration;
using veritor::host::TypeTable;

Registration Type(const char* name, const char* base = "") {
    Registration r;
    r.kind = veritor::host::RegistrationKind::Type;
    r.name = name;
    r.baseType = base;
    r.valueSize = 8;
    return r;
}

TEST(HostTupleTypes, ComposeAndSplitNested) {
    using veritor::host::TupleComponents;
    using veritor::host::TupleTypeName;
    using Names = std::vector<std::string>;
    EXPECT_EQ(TupleTypeName({"a", TupleTypeName({"b", "c"})}), "( a, ( b, c ) )");
    EXPECT_EQ(TupleComponents("( a, ( b, c ) )"), (Names{"a", "( b, c )"}));
    EXPECT_EQ(TupleComponents("( string, html attribute list, html )").size(), 3u);
    for (const char* none : {"string", "( string )", "()"}) {
        EXPECT_TRUE(TupleComponents(none).empty()) << none;
    }
}

// How far a type is from the one wanted, through its base types; -1 when it
// is not one of them.
TEST(TypeDistance, PrefersExactOverBaseAndRejectsUnrelated) {
    // A document registered before the node it derives from, as libraries do.
    const TypeTable types({Type("xml dom document", "xml dom node"), Type("xml dom node"),
                           Type("string"), Type("special", "xml dom document")});
    const std::tuple<const char*, const char*, int> cases[] = {
        {"xml dom node", "xml dom node", 0},
        {"xml dom document", "xml dom node", 1},
        {"special", "xml dom node", 2},
        {"xml dom node", "xml dom document", -1},
        {"string", "xml dom node", -1},
        {"unregistered", "string", -1},
        {"()", "string", 0},
        {"( string, xml dom document )", "( string, xml dom node )", 1},
        {"( string, string )", "( string, string, string )", -1},
        {"( string, string )", "string", -1},
    };
    for (const auto& [actual, wanted, distance] : cases) {
        EXPECT_EQ(types.Distance(actual, wanted), distance) << actual << " -> " << wanted;
    }
    EXPECT_EQ(TypeTable({Type("a", "b"), Type("b", "a")}).Distance("a", "c"), -1) << "a cycle";
}

TEST(TypeSizes, CoverRegisteredTypesAndTuplesOnly) {
    const TypeTable types({Type("string"), Type("string", "ignored")});
    EXPECT_EQ(types.SizeOf("string"), 8u);
    EXPECT_EQ(types.Find("string")->base, "") << "the first registration of a name wins";
    EXPECT_EQ(types.SizeOf("( string, string )"), 2 * sizeof(void*));
    EXPECT_FALSE(types.SizeOf("html").has_value());
}

} // namespace
