// Type names, base types and tuple types as overload resolution sees them.
#include "host/query/Types.h"

#include <gtest/gtest.h>

namespace {

using veritor::host::Registration;
using veritor::host::RegistrationKind;
using veritor::host::TypeTable;

Registration Type(const char* name, const char* base = "") {
    Registration r;
    r.kind = RegistrationKind::Type;
    r.name = name;
    r.baseType = base;
    r.valueSize = 8;
    return r;
}

TEST(HostTupleTypes, ComposeAndSplitNested) {
    using veritor::host::TupleComponents;
    using veritor::host::TupleTypeName;
    EXPECT_EQ(TupleTypeName({"string", "html"}), "( string, html )");
    EXPECT_EQ(TupleTypeName({"a", TupleTypeName({"b", "c"})}), "( a, ( b, c ) )");
    EXPECT_EQ(TupleComponents("( a, ( b, c ) )"), (std::vector<std::string>{"a", "( b, c )"}));
    EXPECT_EQ(TupleComponents("( string, html attribute list, html )").size(), 3u);
    EXPECT_TRUE(TupleComponents("string").empty());
    EXPECT_TRUE(TupleComponents("( string )").empty());
    EXPECT_TRUE(TupleComponents("()").empty());
}

TEST(TypeDistance, PrefersExactOverBaseAndRejectsUnrelated) {
    // A document registered before the node it derives from, as libraries do.
    TypeTable types({Type("xml dom document", "xml dom node"), Type("xml dom node"), Type("string"),
                     Type("special", "xml dom document")});
    struct Case {
        const char* actual;
        const char* wanted;
        int distance;
    };
    for (const Case& c : {
             Case{"xml dom node", "xml dom node", 0},
             Case{"xml dom document", "xml dom node", 1},
             Case{"special", "xml dom node", 2},
             Case{"xml dom node", "xml dom document", -1},
             Case{"string", "xml dom node", -1},
             Case{"unregistered", "string", -1},
             Case{"()", "string", 0},
             Case{"( string, xml dom document )", "( string, xml dom node )", 1},
             Case{"( string, string )", "( string, string, string )", -1},
             Case{"( string, string )", "string", -1},
         }) {
        EXPECT_EQ(types.Distance(c.actual, c.wanted), c.distance) << c.actual << " -> " << c.wanted;
    }
}

TEST(TypeDistance, EndsOnACycleOfBaseTypes) {
    TypeTable types({Type("a", "b"), Type("b", "a")});
    EXPECT_EQ(types.Distance("a", "c"), -1);
}

TEST(TypeSizes, CoverRegisteredTypesAndTuplesOnly) {
    TypeTable types({Type("string"), Type("string", "ignored")});
    EXPECT_EQ(types.SizeOf("string"), 8u);
    EXPECT_EQ(types.Find("string")->base, "") << "the first registration of a name wins";
    EXPECT_EQ(types.SizeOf("( string, string )"), 2 * sizeof(void*));
    EXPECT_FALSE(types.SizeOf("html").has_value());
}

} // namespace
