// Steps, names, namespaces, node methods and indexes of XSL patterns.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

// The default namespace on `mixed` keeps every unprefixed name from being a
// plain XPath name test: these tables check the general translation.
constexpr const char* Library =
    "<?xml version='1.0'?>"
    "<!DOCTYPE lib [<!ATTLIST book id ID #IMPLIED>]>"
    "<!--catalogue-->"
    "<lib xmlns:b='urn:b' xmlns:p='urn:p'>"
    "<book id='k1' lang='en'><title>T1</title><author>A</author><author>B</author></book>"
    "<book><title>T2</title><author><first-name>C</first-name></author><author>D</author>"
    "<author><first-name>E</first-name></author><author><first-name>F</first-name></author>"
    "</book>"
    "<p:book><title>T3</title></p:book>"
    "<b:book b:n='1'/>"
    "<mixed xmlns='urn:m'>one<![CDATA[two]]><!--three--><?four 4?>five</mixed>"
    "</lib>";

class Paths : public ::testing::Test {
protected:
    IXMLDOMDocument2Ptr document = Load(Library);
};

TEST_F(Paths, StepsIndexesAndSetOperations) {
    ExpectSelections(document, {
                                   {"/", "/"},
                                   {"lib/*/title/..", "book0,book1,p:book0"},
                                   // Numeric indexes count per parent unless grouped.
                                   {"lib/book/author[0]", "author0,author2"},
                                   {"(lib/book/author)[0]", "author0"},
                                   {"lib//author[3]", "author5"},
                                   {"lib/book/author[first-name][1]", "author4"},
                                   {"lib/mixed/node()[2]", "#comment"},
                                   {"lib/book[0]/@*[1]", "@lang"},
                                   // index() and end() count the nodes of the filtered step.
                                   {"lib/book/author[end()]", "author1,author5"},
                                   {"(lib/book/author)[end()]", "author1,author5"},
                                   {"lib/book/author[index() $ge$ 2]", "author4,author5"},
                                   {"lib/*[index() = 2]", "p:book0"},
                                   {"lib/book[author[index() = 3]]", "book1"},
                                   {"lib/book/author[first-name][index() = 3]", "author5"},
                                   {"lib/mixed/text()[end()]", "'five'"},
                                   {"lib/*/@*[end()]", "@lang,@b:n,@xmlns"},
                                   {"lib/book/author!end()", "E_FAIL"},
                                   // Later filters count on from the sibling before: per
                                   // parent, twice for one node, and for a group only among
                                   // siblings of the same name.
                                   {"lib/book/author[.][index() = 1]", "author1,author3"},
                                   {"lib/book/author[.][index() = 1 or index() = 3]",
                                    "author1,author3,author5"},
                                   {"(lib/book | lib/p:book | lib/b:book)[.][index() = 0]",
                                    "book0,p:book0,b:book0"},
                                   // Set operations keep document order; over several steps,
                                   // siblings of the same name count together.
                                   {"lib/mixed | lib/book[0]", "book0,mixed0"},
                                   {"lib/mixed $union$ lib/book[0]", "book0,mixed0"},
                                   {"lib/book $intersect$ //*[author]", "book0,book1"},
                                   {"(lib/book | lib/p:book | lib/b:book | lib/mixed)[end()]",
                                    "book1,p:book0,b:book0,mixed0"},
                                   {"(lib/book | lib/mixed)/title", "title0,title1"},
                                   {"lib/(mixed | book[0])", "book0,mixed0"},
                                   {"/(lib | x)/mixed", "mixed0"},
                                   {"//(mixed | title[0])", "title0,title1,title2,mixed0"},
                                   {"lib//(first-name | title)[0]", "title0"},
                                   {"lib/book[0]/(title | author)[end()]", "title0,author1"},
                                   // id() finds declared identifiers.
                                   {"id('k1')/title", "title0"},
                               });
    // A group whose names alternate counts each name on its own.
    ExpectSelections(Load("<r><a/><b/><a/><b/><a/></r>"),
                     {{"r/(a | b)[.][index() = 1]", "a1,b1"},
                      {"r/(a | b)[.][index() = 2 or end()]", "b1,a2"}});
}

TEST_F(Paths, IndexAndEndMeanTheSameInFirstAndLaterFilters) {
    // The first filter of a step counts by position, later ones by walking the
    // siblings; a filter that keeps everything must not change the answer.
    const char* steps[] = {
        "lib/mixed/text()", "lib/mixed/textnode()", "lib/mixed/node()",  "lib/*",
        "lib/book",         "lib/book/author",      "lib/book[0]/@lang", "lib/mixed/cdata()"};
    for (const char* step : steps) {
        for (const char* filter :
             {"[index() = 1]", "[index() = 0]", "[end()]", "[$not$ end()]", "[index()]"}) {
            const std::string first = std::string(step) + filter;
            const std::string selected = Selected(document, "XSLPattern", first);
            EXPECT_NE(selected, "E_FAIL") << first;
            EXPECT_EQ(Selected(document, "XSLPattern", std::string(step) + "[.]" + filter),
                      selected)
                << first;
        }
    }
}

TEST_F(Paths, NodeMethodsAndTheAttributeWildcard) {
    ExpectSelections(document,
                     {
                         // The XML declaration is a processing instruction here.
                         {"node()", "?xml,#comment,lib0"},
                         {"comment()", "#comment"},
                         {"pi()", "?xml"},
                         {"lib/mixed/node()", "'one','two',#comment,?four,'five'"},
                         {"lib/mixed/text()", "'one','two','five'"},
                         {"lib/mixed/textnode()", "'one','five'"},
                         {"lib/mixed/cdata()", "'two'"},
                         {"lib/element()", "book0,book1,p:book0,b:book0,mixed0"},
                         {"lib/element('mixed')", "mixed0"},
                         {"lib/book[0]/attribute('lang')", "@lang"},
                         {"lib/book[0]!element()", "title0,author0,author1"},
                         {"lib/*/@*", "@id,@lang,@b:n,@xmlns"},
                         // The wildcard takes in namespace declarations, but only an element's own.
                         {"lib/@*", "@xmlns:b,@xmlns:p"},
                         {"lib/attribute()", "@xmlns:b,@xmlns:p"},
                         {"lib/@* $intersect$ lib/@*", "@xmlns:b,@xmlns:p"},
                         {"lib/@* | lib | lib/b:book", "lib0,@xmlns:b,@xmlns:p,b:book0"},
                         {"lib/*[@*]", "book0,b:book0,mixed0"},
                         {"lib/mixed/@xmlns", "@xmlns"},
                         {"lib/@xmlns", ""},
                         {"lib/@xmlns:p", "@xmlns:p"},
                         {"lib/@xmlns:p[end()]", "@xmlns:p"},
                         {"lib/@xmlns:*[end()]", "@xmlns:p"},
                         {"lib/@*[index() = 1]", "@xmlns:p"},
                         {"lib/@b", ""},
                     });
    // Attributes and declarations in the order written, as "attributes" lists them.
    IXMLDOMDocument2Ptr defaulted = Load("<r xmlns='urn:d' a='1'/>");
    ExpectSelections(defaulted, {{"r/@*", "@xmlns,@a"}, {"r/@xmlns:*", ""}});
    IXMLDOMDocument2Ptr mixed = Load("<r b='1' xmlns:q='u' a='2' xmlns:p='v' c='3'/>");
    ExpectSelections(mixed, {{"r/@*", "@b,@xmlns:q,@a,@xmlns:p,@c"},
                             {"r/@*[. != '2']", "@b,@xmlns:q,@xmlns:p,@c"}});
}

TEST_F(Paths, NamesMatchAsWrittenOrByBoundUri) {
    ExpectSelections(document,
                     {
                         // Unprefixed: written without a prefix, whatever the URI.
                         {"lib/book", "book0,book1"},
                         {"lib/mixed", "mixed0"},
                         {"//@n", ""},
                         {"lib/p:book", "p:book0"},
                         {"lib/q:book", "p:book0"},
                         {"lib/b:book", ""},
                         {"lib/q:*", "p:book0"},
                         {"lib/p:*", "p:book0"},
                         {"lib/z:book", ""},
                         {"//@b:n", ""},
                     },
                     nullptr, "xmlns:q='urn:p' xmlns:b='urn:other'");
    ExpectSelections(document, {
                                   {"lib/b:book", "b:book0"},
                                   {"//@b:n", "@b:n"},
                                   {"lib/b:book/@b:*", "@b:n"},
                               });
}

TEST_F(Paths, RelativeToAContextElementAndItsAncestors) {
    ExpectSelections(document,
                     {
                         {".", "book1"},
                         {"..", "lib0"},
                         {"author", "author2,author3,author4,author5"},
                         {".//first-name", "first-name0,first-name1,first-name2"},
                         {"/lib/book[0]/title", "title0"},
                     },
                     Select(document, "XSLPattern", "lib/book[1]").at(0));
    // ancestor() finds the nearest match.
    ExpectSelections(document,
                     {
                         {"ancestor(book)", "book1"},
                         {"ancestor(*)", "author4"},
                         {"ancestor(lib/book)", "book1"},
                         {"ancestor(book[index() = 0])", ""},
                         {"ancestor(lib)/book[0]/title", "title0"},
                         {"ancestor(mixed)", ""},
                     },
                     Select(document, "XSLPattern", "(//first-name)[1]").at(0));
    ExpectSelections(document, {
                                   {"//first-name[ancestor(book[title = 'T2'])]",
                                    "first-name0,first-name1,first-name2"},
                               });
}

} // namespace
