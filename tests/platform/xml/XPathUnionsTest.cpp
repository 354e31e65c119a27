// Unions rewritten as calls of the linear union function select exactly what
// libxml2's own union operator selects: each expression is evaluated twice,
// as written by plain libxml2 and rewritten with the function registered,
// on two parses of the same document (the rewritten one with its elements
// numbered, as selections number them).
#include "platform/xml/XPathUnions.h"
#include "platform/xml/xslpattern/XslPattern.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>
#include <string>

namespace {

struct DocumentDeleter {
    void operator()(xmlDocPtr document) const { xmlFreeDoc(document); }
};
using Document = std::unique_ptr<xmlDoc, DocumentDeleter>;

Document Parse(const std::string& xml) {
    return Document(xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr,
                                  XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
}

void Quiet(void*, const char*, ...) {}
void QuietStructured(void*, xmlErrorPtr) {}

// A node by its path; a namespace node by its element's path and prefix,
// for XPath makes a new one each time.
std::string Describe(xmlNodePtr node) {
    if (node->type == XML_NAMESPACE_DECL) {
        auto* ns = reinterpret_cast<xmlNsPtr>(node);
        return Describe(reinterpret_cast<xmlNodePtr>(ns->next)) + "/namespace::" +
               (ns->prefix ? reinterpret_cast<const char*>(ns->prefix) : "");
    }
    std::unique_ptr<xmlChar, decltype(xmlFree)> path(xmlGetNodePath(node), xmlFree);
    return path ? reinterpret_cast<const char*>(path.get()) : "?";
}

// The value of `xpath` from the document node, or "error".
std::string Evaluate(xmlDocPtr document, const std::string& xpath, const std::string& function) {
    std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> context(
        xmlXPathNewContext(document), xmlXPathFreeContext);
    context->error = QuietStructured;
    xmlXPathRegisterNs(context.get(), BAD_CAST "p", BAD_CAST "urn:p");
    if (!function.empty()) {
        XslPattern::RegisterUnion(context.get(), function);
    }
    std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> result(
        xmlXPathEvalExpression(BAD_CAST xpath.c_str(), context.get()), xmlXPathFreeObject);
    if (!result) {
        return "error";
    }
    switch (result->type) {
    case XPATH_NODESET: {
        std::string nodes = "{";
        for (int i = 0; result->nodesetval && i < result->nodesetval->nodeNr; ++i) {
            nodes += Describe(result->nodesetval->nodeTab[i]) + " ";
        }
        return nodes + "}";
    }
    case XPATH_STRING:
        return std::string("'").append(reinterpret_cast<const char*>(result->stringval)) + "'";
    default:
        return std::to_string(xmlXPathCastToNumber(result.get()));
    }
}

constexpr const char* Mixed =
    "<r xmlns:p='urn:p' xmlns='urn:d'><a n='1'>x<b/>y</a><b n='2'><a/></b><p:a p:n='3'/>"
    "<!--c--><?pi d?><c>|</c><div><mod/></div><b><c xmlns:p='urn:p'/></b></r>";

std::string Alternating() {
    std::string xml = "<r>";
    for (int i = 0; i < 40; ++i) {
        xml += i % 2 ? "<b n='" + std::to_string(i) + "'/>" : "<a><b/></a>";
    }
    return xml + "</r>";
}

TEST(XPathUnions, SelectTheSameAsLibxml2) {
    const char* expressions[] = {
        "//a | //b", "(//b | //a)", "(//a | //b)[1]", "(//a | //b)[last()]", "(//b | //a)[2]",
        "//a | //a", "//a | //b | //c | /*", "(//a | //b)/@n", "//@n | //a",
        "//a[1] | //b[position() = last()]", "//*[(a | b)]", "//*[a | b][1]",
        "count(//a | //b)", "count(//a | //a)", "string(//c | //b)", "sum(//@n | //@p:n)",
        "(//a | (//b | //c))[3]", "//*[count(a | b) > 1]", "(//a | //b)[position() mod 2 = 0]",
        "//a[(b | a)]", "//text() | //comment() | //processing-instruction()", "/ | //a",
        "(. | *)", "//c[. = '|'] | //a", "//*[. = \"x|y\"] | //b", "'a|b'", "//*[@n | @p:n]",
        "//namespace::* | //a", "//namespace::p | //c/namespace::p", "//a/ancestor::* | //b",
        "//*[local-name() = 'div'] | //mod", "div | mod", "//div | //mod", "- //@n | //@n",
        "//@n div //b/@n | //a/@n", "//a/@n*2 | //b", "2*//@n | //@n", "//* [self::a] | //p:a",
        "(//a|//b) [2]", "//b/following::* | //a/preceding::*", "//a | 1", "1 | 2",
        "//a | 'x'", "//a |", "| //a", "//a || //b", "//a | -//b", "union(//a) | //b",
        "//a | (//b", "//a | //b)", "//a | '//b", "//a | $v", "*|@*", "r | *",
        // Elements merged in order, duplicates across several operands; an
        // operand of other nodes after elements, attributes of one element.
        "//b | //a | //* | //a", "(//b | //text() | //a)[4]", "//a/@* | //b/@n | //@n",
    };
    for (const std::string& xml : {std::string(Mixed), Alternating()}) {
        Document plain = Parse(xml);
        Document numbered = Parse(xml);
        ASSERT_TRUE(plain && numbered);
        xmlXPathOrderDocElems(numbered.get());
        xmlSetGenericErrorFunc(nullptr, Quiet);
        for (const char* expression : expressions) {
            const Xml::UnionRewrite rewrite = Xml::WithLinearUnions(expression);
            EXPECT_EQ(Evaluate(plain.get(), expression, ""),
                      Evaluate(numbered.get(), rewrite.xpath, rewrite.function))
                << expression << "\n  rewritten: " << rewrite.xpath;
        }
        xmlSetGenericErrorFunc(nullptr, nullptr);
    }
}

TEST(XPathUnions, RewriteOnlyTheUnions) {
    struct Case {
        const char* expression;
        const char* rewritten;
    };
    const Case cases[] = {
        {"(//a | //b)[1]", "(union(//a, //b))[1]"},
        {"x[a|b|c]/d", "x[union(a,b,c)]/d"},
        {"count(a | b) > 1", "count(union(a, b)) > 1"},
        {"a div b | c", "a div union(b, c)"},
        {"a * b | c", "a * union(b, c)"},
        {"* | b", "union(*, b)"},
        {"-a | b", "-union(a, b)"},
        {"and | or", "union(and, or)"},
        {"f(a | b, c | d)", "f(union(a, b), union(c, d))"},
        {"(a | (b | c))", "(union(a, (union(b, c))))"},
        {"a[. = '|'] | b", "union(a[. = '|'], b)"},
        {"p:* | p:a", "union(p:*, p:a)"},
        {"unions | union2", "union3(unions, union2)"},
        // Nothing to rewrite, or not XPath: left for the evaluation.
        {"'a | b'", "'a | b'"},
        {"a | 'b", "a | 'b"},
        {"a | ", "a | "},
        {"a || b", "a || b"},
        {"a | -b", "a | -b"},
    };
    for (const Case& c : cases) {
        const Xml::UnionRewrite rewrite = Xml::WithLinearUnions(c.expression);
        EXPECT_EQ(rewrite.xpath, c.rewritten) << c.expression;
        EXPECT_EQ(rewrite.function.empty(), rewrite.xpath == c.expression) << c.expression;
    }
    // The rewrite recurses per bracket: deeper nesting is left as written.
    for (std::size_t depth : {1000, 1001}) {
        const std::string deep = std::string(depth, '(') + "a|b" + std::string(depth, ')');
        EXPECT_EQ(Xml::WithLinearUnions(deep).function.empty(), depth > 1000);
    }
}

} // namespace
