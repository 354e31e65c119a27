// The plug-in as a loadable library: every registration the host receives at
// load, in order, with its names, types and sizes; each removed exactly once,
// in reverse order, at unload; the library really unmapped, and exporting
// nothing of its own (the export table of the Windows build is read by
// tests/windows/ExportTable.cmake).
#include "tests/support/InspectorLibrary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

using namespace RecordingHost;

namespace {

// A property or aggregate of the html vocabulary: the plural is the name
// followed by "s", and each passes its own address and the hook.
std::string Html(std::string_view name, std::string_view index, std::string_view operand,
                 std::string_view stateSize = "", std::string_view result = "html") {
    std::ostringstream line;
    line << (!stateSize.empty() ? "Register_Aggregate_Property" : "Register_Property") << "(128, \"" << name
         << "\", \"" << name << "s\", \"" << index << "\", \"" << operand << "\", \"" << result
         << "\", ";
    if (!stateSize.empty()) {
        line << stateSize << ", fn, fn, fn, fn, fn, fn, fn, fn, ";
    } else {
        line << "fn, ";
    }
    line << "self, fn)";
    return line.str();
}

// A size of `n` pointers: 4n bytes on the 32-bit platform the library was
// made for, 8n on a 64-bit build.
std::string Words(int n) {
    return std::to_string(n * sizeof(void*));
}

// The vocabulary in the order of registration: the core's, the html's, the
// XML's. Sizes of states and values that hold pointers are counted in them.
std::vector<std::string> Vocabulary() {
    const std::string rope = R"(Register_Type(512, "rope", )" + Words(4) + ", fn, null, null)";
    std::vector<std::string> lines = {
        R"(Register_Aggregate_Property(128, "conjunction", "conjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Aggregate_Property(128, "disjunction", "disjunctions", "", "boolean", "boolean", 2, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Aggregate_Property(128, "product", "products", "", "integer", "integer", 12, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Aggregate_Property(128, "mean", "means", "", "floating point", "floating point", 28, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Aggregate_Property(128, "mean", "means", "", "integer", "floating point", 28, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Property(128, "numeric value", "numeric values", "", "string", "integer", fn, self, fn))",
        rope,
        R"(Register_Property(128, "rope", "ropes", "string", "", "rope", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "rope", "string", "rope", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "string", "rope", "rope", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "rope", "rope", "rope", fn, self, fn))",
        R"(Register_Binary_Operator(128, 11, "rope", "string", "boolean", fn, self, fn))",
        R"(Register_Property(128, "length", "lengths", "", "rope", "integer", fn, self, fn))",
        R"(Register_Cast(128, "string", "rope", "string", fn, self, fn))",
        R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "floating point", "floating point", 48, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Aggregate_Property(128, "standard deviation", "standard deviations", "", "integer", "floating point", 48, fn, fn, fn, fn, fn, fn, fn, fn, self, fn))",
        R"(Register_Cast(128, "left trimmed string", "string", "string", fn, self, fn))",
        R"(Register_Cast(128, "right trimmed string", "string", "string", fn, self, fn))",
        R"(Register_Cast(128, "trimmed string", "string", "string", fn, self, fn))",
        // The html vocabulary.
        R"(Register_Type(512, "html attribute list", )" + Words(2) + ", fn, null, null)",
        Html("attr list", "", "( string, string )", Words(4), "html attribute list"),
        Html("concatenation", "", "html", Words(4)),
        Html("concatenation", "string", "html", Words(4)),
        Html("concatenation", "html", "string", Words(4)),
        Html("concatenation", "html", "html", Words(4)),
        Html("html concatenation", "", "html", Words(4)),
        Html("html concatenation", "string", "html", Words(4)),
        R"(Register_Type(512, "html", )" + Words(4) + ", fn, null, null)",
        Html("html", "string", ""),
        R"(Register_Cast(128, "string", "html", "string", fn, self, fn))",
        R"(Register_Cast(128, "html", "string", "html", fn, self, fn))",
        R"(Register_Cast(128, "html", "html", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "html", "string", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "string", "html", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "html", "html", "html", fn, self, fn))",
        Html("html tag", "string", "string"),
        Html("html tag", "string", "html"),
        Html("html tag", "( string, string )", ""),
        Html("html tag", "( string, html )", ""),
        Html("html tag", "( string, html attribute list, string )", ""),
        Html("html tag", "( string, html attribute list, html )", ""),
    };
    // The family, four forms a member (two for the empty elements), with the
    // three list kinds in four forms each before "ul".
    using Forms = std::vector<std::pair<std::string_view, std::string_view>>;
    const Forms content = {{"", "string"}, {"", "html"}, {"string", "string"}, {"string", "html"}};
    const Forms empty = {{"", ""}, {"string", ""}};
    const Forms list = {{"", "string"}, {"string", "string"}, {"", "html"}, {"string", "html"}};
    std::istringstream family("html head title meta body div span address h1 h2 h3 h4 h5 h6 em "
                              "strong dfn code samp kbd var cite abbr acronym blockquote q sub sup "
                              "p br pre ins del ul ol li dt dd table caption thead tfoot tbody "
                              "colgroup col tr th td anchor link base tt italic b big small hr");
    for (std::string member; family >> member;) {
        for (const char* kind : {"unordered list", "ordered list", "definition list"}) {
            for (const auto& [index, element] : member == "ul" ? list : Forms()) {
                lines.push_back(Html(kind, index, element, Words(8)));
            }
        }
        for (const auto& [index, object] : member == "br" || member == "hr" ? empty : content) {
            lines.push_back(Html(member, index, object));
        }
    }
    // The XML vocabulary, without a hook.
    lines.insert(
        lines.end(),
        {
            R"(Register_Type(512, "xml dom document", )" + Words(3) + R"(, fn, "xml dom node", null))",
            R"(Register_Type(512, "xml dom node", )" + Words(2) + ", fn, null, null)",
            R"(Register_Cast(128, "xml", "xml dom node", "string", fn, self, null))",
            R"(Register_Cast(128, "text", "xml dom node", "string", fn, self, null))",
            R"(Register_Property(128, "node name", "node names", "", "xml dom node", "string", fn, self, null))",
            R"(Register_Property(128, "node type", "node types", "", "xml dom node", "integer", fn, self, null))",
            R"(Register_Property(128, "node value", "node values", "", "xml dom node", "string", fn, self, null))",
            R"(Register_Property(128, "owner document", "owner documents", "", "xml dom node", "xml dom document", fn, self, null))",
            R"(Register_Property(128, "parent node", "parent nodes", "", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "first child", "first children", "", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "last child", "last children", "", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "previous sibling", "previous siblings", "", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "next sibling", "next siblings", "", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "child node", "child nodes", "integer", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Iterated_Property(128, "child node", "child nodes", "", "xml dom node", "xml dom node", )" + Words(2) + ", fn, fn, fn, fn, self, null)",
            R"(Register_Property(128, "attribute", "attributes", "integer", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Property(128, "attribute", "attributes", "string", "xml dom node", "xml dom node", fn, self, null))",
            R"(Register_Iterated_Property(128, "attribute", "attributes", "", "xml dom node", "xml dom node", )" + Words(2) + ", fn, fn, fn, fn, self, null)",
            R"(Register_Iterated_Property(128, "select", "selects", "string", "xml dom node", "xml dom node", )" + Words(2) + ", fn, fn, fn, fn, self, null)",
            R"(Register_Iterated_Property(128, "xpath", "xpaths", "string", "xml dom node", "xml dom node", )" + Words(2) + ", fn, fn, fn, fn, self, null)",
            R"x(Register_Iterated_Property(128, "xpath", "xpaths", "( string, string )", "xml dom node", "xml dom node", )x" + Words(2) + ", fn, fn, fn, fn, self, null)",
            R"(Register_Property(128, "xml document", "xml documents", "", "string", "xml dom document", fn, self, null))",
        });
    return lines;
}

// The removal of what a registration line registered.
std::string RemovalOf(const std::string& line) {
    for (const char* kind : {"Type(", "Binary_Operator(", "Cast("}) {
        if (line.starts_with(std::string("Register_") + kind)) {
            return std::string("Unregister_") + kind + ")";
        }
    }
    return "Unregister_Property()";
}

TEST(InspectorLibraryLifecycle, RegistersInOrderRemovesInReverseAndUnmapsEachTimeItIsLoaded) {
    const std::vector<std::string> vocabulary = Vocabulary();
    ASSERT_EQ(vocabulary.size(), 19u + 258u + 22u);
    for (int load = 0; load < 2; ++load) {
        Reset();
        {
            InspectorLibrary library;
            EXPECT_TRUE(InspectorLibrary::IsMapped());
            ASSERT_EQ(Calls().size(), vocabulary.size()) << "nothing is removed while loaded";
        }
        EXPECT_FALSE(InspectorLibrary::IsMapped());
        const auto& calls = Calls();
        ASSERT_EQ(calls.size(), 2 * vocabulary.size());
        for (std::size_t i = 0; i < vocabulary.size(); ++i) {
            EXPECT_EQ(Describe(calls[i]), vocabulary[i]) << i;
            const Call& removal = calls[calls.size() - 1 - i];
            EXPECT_EQ(Describe(removal), RemovalOf(vocabulary[i])) << i;
            EXPECT_EQ(ObjectOf(removal), ObjectOf(calls[i])) << i;
        }
    }
}

} // namespace
