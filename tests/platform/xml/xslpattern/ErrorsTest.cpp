// Patterns that must be rejected, with a message, instead of selecting
// something; and the bounds that keep translations small.
#include "platform/xml/xslpattern/XslPattern.h"
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

TEST(Errors, MalformedPatternsAreRejectedWithAMessage) {
    using namespace std::string_view_literals;
    const std::pair<const char*, std::vector<std::string_view>> groups[] = {
        {"syntax", {"", "a[]", "a[", "a]", "(a", "a/", "a b", "a & b", "@", "'abc", "a::b"}},
        {"operator spellings", {"a $and b", "a $AND$ b", "a $xor$ b", "$not$", "1.2.3"}},
        {"comparison operands", {"'3' = a", "a = ", "a[. = 1 = 2]", "a[$all$ b]", "id(a = 'b')"}},
        {"indexes and unions", {"a[1.5]", "a | 'x'", "a | b = 'c'"}},
        {"methods", {"element(a)", "element('a', 'b')", "foo()", "a/Node()", "a[index(1)]"}},
        {"XPath functions", {"last()", "a[position() = 1]"}},
        {"a value or condition, not nodes", {"a/index()", "a!nodeName()", "a = 'b'", "nodeName()"}},
        {"ancestor() only starts a pattern or filter", {"a/ancestor(b)", "ancestor(/a)"}},
        {"a group after '/' holds relative paths", {"a/('x')", "a/(/b)"}},
        {"NUL characters, even inside literals", {"a[. = 'x\0y']"sv, "a\0"sv}},
    };
    for (const auto& [why, patterns] : groups) {
        for (std::string_view pattern : patterns) {
            XslPattern::Translation translation = XslPattern::Translate(pattern, {});
            EXPECT_FALSE(translation.ok) << why << ": " << pattern << " -> " << translation.xpath;
            EXPECT_FALSE(translation.error.empty()) << pattern;
        }
    }
}

// Nesting is rejected, not overflowed; translations that would double with
// each `@*` or group (each repeats the path before it) are rejected.
TEST(Errors, DeepOrExplodingTranslationsAreRejected) {
    const std::pair<std::string, bool> cases[] = {
        {Repeated("(", 5000) + "a" + Repeated(")", 5000), false},
        {Repeated("(", 50) + "a" + Repeated(")", 50), true},
        {Repeated("a[", 5000), false},
        {Repeated("$not$ ", 100000) + "a", false},
        {std::string("a").append(Repeated("!node()", 100000)), false},
        {std::string("a").append(Repeated("/@*/..", 40)), false},
        {std::string("a").append(Repeated("/(b | c)", 40)), false},
        {"a/@*/../@*/../@*", true},
    };
    for (const auto& [pattern, ok] : cases) {
        EXPECT_EQ(XslPattern::Translate(pattern, {}).ok, ok) << pattern.substr(0, 40);
    }
}

TEST(Errors, QuotesInNamesAndUrisStayInsideTheirLiterals) {
    IXMLDOMDocument2Ptr document = Load("<r xmlns:q=\"urn:it's\"><q:x>it's</q:x><x>\"</x></r>");
    ExpectSelections(document, {{"r/q:x[. = \"it's\"]", "q:x0"}}, nullptr, "xmlns:q=\"urn:it's\"");
    ExpectSelections(document, {{"r/x[. = '\"']", "x0"}});
}

} // namespace
