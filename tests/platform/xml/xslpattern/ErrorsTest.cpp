// Patterns that must be rejected, and extension functions misused from
// hand-written XPath: both fail cleanly instead of selecting something.
#include "platform/xml/xslpattern/XslPattern.h"
#include "tests/platform/xml/DomHarness.h"

#include <libxml/parser.h>
#include <libxml/xpathInternals.h>

using namespace DomTest;

namespace {

TEST(Errors, MalformedPatternsAreRejectedWithAMessage) {
    const char* patterns[] = {
        "",                  // nothing to select
        "a[]",               // empty filter
        "a[",                // unclosed filter
        "a]",                // stray bracket
        "(a",                // unclosed group
        "a/",                // missing step
        "a b",               // two paths without an operator
        "a & b",             // single ampersand
        "@",                 //
        "'abc",              // unterminated literal
        "a $and b",          // unterminated operator
        "a $AND$ b",         // operator keywords are case-sensitive
        "a $xor$ b",         // unknown operator
        "'3' = a",           // literal on the left
        "a = ",              // missing right side
        "a[. = 1 = 2]",      // comparison of a comparison
        "a[1.5]",            // fractional index
        "a | 'x'",           // set operation on a literal
        "a | b = 'c'",       // ... on a condition (union binds looser)
        "a[$all$ b]",        // quantifier without a comparison
        "element(a)",        // unquoted method arguments
        "element('a', 'b')", //
        "foo()",             // unknown methods
        "a/Node()",          // method names are case-sensitive
        "last()",            // XPath functions
        "a[position() = 1]", //
        "a[index(1)]",       //
        "a/index()",         // value method as a step
        "a!nodeName()",      // value, not nodes
        "a = 'b'",           // condition, not nodes
        "nodeName()",        //
        "a/ancestor(b)",     // ancestor() only starts a pattern or filter
        "ancestor(/a)",      //
        "a/('x')",           // a group after '/' holds relative paths
        "a/(/b)",            //
        "a::b",              // no axis syntax
        "1.2.3",             //
        "id(a = 'b')",       //
        "$not$",             //
    };
    for (const char* pattern : patterns) {
        XslPattern::Translation translation = XslPattern::Translate(pattern, {});
        EXPECT_FALSE(translation.ok) << pattern << " -> " << translation.xpath;
        EXPECT_FALSE(translation.error.empty()) << pattern;
    }
}

TEST(Errors, NulCharactersAreRejectedEvenInsideLiterals) {
    using namespace std::string_view_literals;
    EXPECT_FALSE(XslPattern::Translate("a[. = 'x\0y']"sv, {}).ok);
    EXPECT_FALSE(XslPattern::Translate("a\0"sv, {}).ok);
}

TEST(Errors, DeepNestingIsRejectedNotOverflowed) {
    std::string deep = std::string(5000, '(') + "a" + std::string(5000, ')');
    EXPECT_FALSE(XslPattern::Translate(deep, {}).ok);
    std::string filters;
    for (int i = 0; i < 5000; ++i) {
        filters += "a[";
    }
    EXPECT_FALSE(XslPattern::Translate(filters, {}).ok);
    EXPECT_TRUE(XslPattern::Translate(std::string(50, '(') + "a" + std::string(50, ')'), {}).ok);
    std::string negations;
    for (int i = 0; i < 100000; ++i) {
        negations += "$not$ ";
    }
    EXPECT_FALSE(XslPattern::Translate(negations + "a", {}).ok);
    std::string applications = "a";
    for (int i = 0; i < 100000; ++i) {
        applications += "!node()";
    }
    EXPECT_FALSE(XslPattern::Translate(applications, {}).ok);
}

TEST(Errors, TranslationsThatWouldExplodeAreRejected) {
    // Each `@*` repeats the path before it: 40 of them would double 40 times.
    std::string doubling = "a";
    for (int i = 0; i < 40; ++i) {
        doubling += "/@*/..";
    }
    EXPECT_FALSE(XslPattern::Translate(doubling, {}).ok);
    std::string groups = "a";
    for (int i = 0; i < 40; ++i) {
        groups += "/(b | c)";
    }
    EXPECT_FALSE(XslPattern::Translate(groups, {}).ok);
    EXPECT_TRUE(XslPattern::Translate("a/@*/../@*/../@*", {}).ok);
}

TEST(Errors, QuotesInNamesAndUrisStayInsideTheirLiterals) {
    ComScope com;
    IXMLDOMDocument2Ptr document = Load("<r xmlns:q=\"urn:it's\"><q:x>it's</q:x><x>\"</x></r>");
    ExpectSelections(document, {{"r/q:x[. = \"it's\"]", {"q:x0"}}}, nullptr,
                     "xmlns:q=\"urn:it's\"");
    ExpectSelections(document, {{"r/x[. = '\"']", {"x0"}}});
}

TEST(Errors, ExtensionFunctionsRejectBadArguments) {
    const char* expressions[] = {
        "xslp-index()",
        "xslp-index('s', 's')",
        "xslp-end()",
        "xslp-node-type(1)",
        "xslp-own-ns(.)",
        "xslp-compare(., .)",
        "xslp-compare(., 1, 'bogus')",
        "xslp-compare(., 1, '=s-avv99:')",
        "xslp-intersect(1, .)",
        "xslp-intersect(.)",
    };
    xmlDocPtr document = xmlReadMemory("<r/>", 4, nullptr, nullptr, 0);
    xmlXPathContextPtr context = xmlXPathNewContext(document);
    context->error = [](void*, xmlErrorPtr) {};
    XslPattern::RegisterFunctions(context);
    context->node = xmlDocGetRootElement(document);
    for (const char* expression : expressions) {
        xmlXPathObjectPtr result =
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expression), context);
        EXPECT_EQ(result, nullptr) << expression;
        xmlXPathFreeObject(result);
    }
    xmlXPathFreeContext(context);
    xmlFreeDoc(document);
}

} // namespace
