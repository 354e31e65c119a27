// The html vocabulary as the host receives it at load: which registrations,
// with which names, types and sizes, in which order, right after the core's.
#include "tests/support/InspectorLibrary.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

using namespace RecordingHost;

namespace {

// `Describe` of the registrations, all of which pass their own address and
// the hook; the plural is the name followed by "s".
std::string Property(std::string_view name, std::string_view index, std::string_view object) {
    std::ostringstream line;
    line << "Register_Property(128, \"" << name << "\", \"" << name << "s\", \"" << index
         << "\", \"" << object << "\", \"html\", fn, self, fn)";
    return line.str();
}

std::string Aggregate(std::string_view name, std::string_view index, std::string_view element,
                      int stateSize, std::string_view result = "html") {
    std::ostringstream line;
    line << "Register_Aggregate_Property(128, \"" << name << "\", \"" << name << "s\", \"" << index
         << "\", \"" << element << "\", \"" << result << "\", " << stateSize
         << ", fn, fn, fn, fn, fn, fn, fn, fn, self, fn)";
    return line.str();
}

std::vector<std::string> HtmlVocabulary() {
    std::vector<std::string> lines = {
        R"(Register_Type(512, "html attribute list", 16, fn, null, null))",
        Aggregate("attr list", "", "( string, string )", 32, "html attribute list"),
        Aggregate("concatenation", "", "html", 32),
        Aggregate("concatenation", "string", "html", 32),
        Aggregate("concatenation", "html", "string", 32),
        Aggregate("concatenation", "html", "html", 32),
        Aggregate("html concatenation", "", "html", 32),
        Aggregate("html concatenation", "string", "html", 32),
        R"(Register_Type(512, "html", 32, fn, null, null))",
        Property("html", "string", ""),
        R"(Register_Cast(128, "string", "html", "string", fn, self, fn))",
        R"(Register_Cast(128, "html", "string", "html", fn, self, fn))",
        R"(Register_Cast(128, "html", "html", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "html", "string", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "string", "html", "html", fn, self, fn))",
        R"(Register_Binary_Operator(128, 5, "html", "html", "html", fn, self, fn))",
        Property("html tag", "string", "string"),
        Property("html tag", "string", "html"),
        Property("html tag", "( string, string )", ""),
        Property("html tag", "( string, html )", ""),
        Property("html tag", "( string, html attribute list, string )", ""),
        Property("html tag", "( string, html attribute list, html )", ""),
    };
    // (index, direct object or element) of each form, in order.
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
                lines.push_back(Aggregate(kind, index, element, 64));
            }
        }
        for (const auto& [index, object] : member == "br" || member == "hr" ? empty : content) {
            lines.push_back(Property(member, index, object));
        }
    }
    return lines;
}

using HtmlRegistrations = LoadedInspectors;

TEST_F(HtmlRegistrations, FollowTheTrimmedStringsInOrderWithTheirNamesTypesAndSizes) {
    const std::vector<std::string> expected = HtmlVocabulary();
    ASSERT_EQ(expected.size(), 258u);
    std::vector<std::string> made;
    for (const Call& call : Registrations()) {
        made.push_back(Describe(call));
    }
    const auto first = std::find(made.begin(), made.end(), expected[0]);
    ASSERT_TRUE(first != made.begin() && made.end() - first >= 258);
    EXPECT_EQ(first[-1],
              R"(Register_Cast(128, "trimmed string", "string", "string", fn, self, fn))");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(first[static_cast<std::ptrdiff_t>(i)], expected[i]) << i;
    }
}

} // namespace
