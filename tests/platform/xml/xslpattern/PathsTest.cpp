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
    ComScope com;
    IXMLDOMDocument2Ptr document = Load(Library);

    IXMLDOMNodePtr Node(const char* pattern) {
        const Selection selection = Select(document, "XSLPattern", pattern);
        EXPECT_EQ(selection.nodes.size(), 1u) << pattern;
        return selection.nodes.empty() ? nullptr : selection.nodes.front();
    }
};

TEST_F(Paths, StepsFromTheDocument) {
    ExpectSelections(document, {
                                   {"/", {"/"}},
                                   {".", {"/"}},
                                   {"/lib", {"lib0"}},
                                   {"lib", {"lib0"}},
                                   {"//title", {"title0", "title1", "title2"}},
                                   {"lib/*/title/..", {"book0", "book1", "p:book0"}},
                                   {"lib/book/author/first-name/../..", {"book1"}},
                                   {"nothing/here", {}},
                               });
}

TEST_F(Paths, RelativeToAContextElement) {
    ExpectSelections(document,
                     {
                         {".", {"book1"}},
                         {"..", {"lib0"}},
                         {"author", {"author2", "author3", "author4", "author5"}},
                         {".//first-name", {"first-name0", "first-name1", "first-name2"}},
                         {"//title", {"title0", "title1", "title2"}},
                         {"/lib/book[0]/title", {"title0"}},
                     },
                     Node("lib/book[1]"));
}

TEST_F(Paths, NumericIndexesCountPerParentUnlessGrouped) {
    ExpectSelections(document, {
                                   {"lib/book/author[0]", {"author0", "author2"}},
                                   {"(lib/book/author)[0]", {"author0"}},
                                   {"lib//author[3]", {"author5"}},
                                   {"lib/book/author[first-name][1]", {"author4"}},
                                   {"lib/book/author[9]", {}},
                                   {"lib/mixed/node()[2]", {"#comment"}},
                                   {"lib/book[0]/@*[1]", {"@lang"}},
                               });
}

TEST_F(Paths, IndexAndEndCountTheNodesOfTheFilteredStep) {
    ExpectSelections(document, {
                                   {"lib/book/author[end()]", {"author1", "author5"}},
                                   {"(lib/book/author)[end()]", {"author1", "author5"}},
                                   {"lib/book/author[index() $ge$ 2]", {"author4", "author5"}},
                                   {"lib/*[index() = 2]", {"p:book0"}},
                                   {"lib/book[author[index() = 3]]", {"book1"}},
                                   {"lib/book/author[first-name][index() = 3]", {"author5"}},
                                   {"lib/mixed/text()[end()]", {"'five'"}},
                                   {"lib/*/@*[end()]", {"@lang", "@b:n", "@xmlns"}},
                               });
    EXPECT_EQ(Select(document, "XSLPattern", "lib/book/author!end()").status, E_FAIL);
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
            const Selection a = Select(document, "XSLPattern", first);
            const Selection b = Select(document, "XSLPattern", std::string(step) + "[.]" + filter);
            ASSERT_EQ(a.status, S_OK) << first;
            EXPECT_EQ(Labels(a), Labels(b)) << first;
        }
    }
}

TEST_F(Paths, NodeMethodsSelectByKind) {
    ExpectSelections(document,
                     {
                         // The XML declaration is a processing instruction here.
                         {"node()", {"?xml", "#comment", "lib0"}},
                         {"comment()", {"#comment"}},
                         {"pi()", {"?xml"}},
                         {"lib/mixed/node()", {"'one'", "'two'", "#comment", "?four", "'five'"}},
                         {"lib/mixed/text()", {"'one'", "'two'", "'five'"}},
                         {"lib/mixed/textnode()", {"'one'", "'five'"}},
                         {"lib/mixed/cdata()", {"'two'"}},
                         {"lib/element()", {"book0", "book1", "p:book0", "b:book0", "mixed0"}},
                         {"lib/element('mixed')", {"mixed0"}},
                         {"lib/book[0]/attribute('lang')", {"@lang"}},
                         {"lib/book[0]!element()", {"title0", "author0", "author1"}},
                         {"lib/*/@*", {"@id", "@lang", "@b:n", "@xmlns"}},
                     });
}

TEST_F(Paths, AttributeWildcardTakesInNamespaceDeclarations) {
    ExpectSelections(document, {
                                   {"lib/@*", {"@xmlns:b", "@xmlns:p"}},
                                   {"lib/attribute()", {"@xmlns:b", "@xmlns:p"}},
                                   {"lib/@* $intersect$ lib/@*", {"@xmlns:b", "@xmlns:p"}},
                                   {"lib[@*]", {"lib0"}},
                                   {"lib/*[@*]", {"book0", "b:book0", "mixed0"}},
                                   {"lib/mixed/@xmlns", {"@xmlns"}},
                                   {"lib/@xmlns", {}},
                                   {"lib/@xmlns:p", {"@xmlns:p"}},
                                   {"lib/@xmlns:p[end()]", {"@xmlns:p"}},
                                   {"lib/@xmlns:*[end()]", {"@xmlns:p"}},
                                   {"lib/@*[index() = 1]", {"@xmlns:p"}},
                                   {"lib/@b", {}},
                                   // Declarations in scope from an ancestor are not its own.
                                   {"lib/book[0]/@*", {"@id", "@lang"}},
                               });
    IXMLDOMDocument2Ptr defaulted = Load("<r xmlns='urn:d' a='1'/>");
    ExpectSelections(defaulted, {{"r/@xmlns", {"@xmlns"}},
                                 {"r/@xmlns:*", {}},
                                 {"r/@*[end()]", {"@xmlns"}},
                                 {"r/@*[0]", {"@a"}}});
}

TEST_F(Paths, NamesMatchAsWrittenOrByBoundUri) {
    ExpectSelections(document,
                     {
                         // Unprefixed: written without a prefix, whatever the URI.
                         {"lib/book", {"book0", "book1"}},
                         {"lib/mixed", {"mixed0"}},
                         {"//@n", {}},
                         {"lib/p:book", {"p:book0"}},
                         {"lib/q:book", {"p:book0"}},
                         {"lib/b:book", {}},
                         {"lib/q:*", {"p:book0"}},
                         {"lib/p:*", {"p:book0"}},
                         {"lib/z:book", {}},
                         {"//@b:n", {}},
                     },
                     nullptr, "xmlns:q='urn:p' xmlns:b='urn:other'");
    ExpectSelections(document, {
                                   {"lib/b:book", {"b:book0"}},
                                   {"//@b:n", {"@b:n"}},
                                   {"lib/b:book/@b:*", {"@b:n"}},
                               });
}

TEST_F(Paths, SetOperationsKeepDocumentOrder) {
    ExpectSelections(document,
                     {
                         {"lib/mixed | lib/book[0]", {"book0", "mixed0"}},
                         {"lib/mixed $union$ lib/book[0]", {"book0", "mixed0"}},
                         {"lib/book $intersect$ //*[author]", {"book0", "book1"}},
                         // Over several steps, siblings of the same name count.
                         {"(lib/book | lib/p:book | lib/b:book | lib/mixed)[end()]",
                          {"book1", "p:book0", "b:book0", "mixed0"}},
                         {"(lib/book | lib/mixed)/title", {"title0", "title1"}},
                         {"lib/(mixed | book[0])", {"book0", "mixed0"}},
                         {"/(lib | x)/mixed", {"mixed0"}},
                         {"//(mixed | title[0])", {"title0", "title1", "title2", "mixed0"}},
                         {"lib//(first-name | title)[0]", {"title0"}},
                         {"lib/book[0]/(title | author)[end()]", {"title0", "author1"}},
                     });
}

TEST_F(Paths, AncestorFindsTheNearestMatch) {
    ExpectSelections(document,
                     {
                         {"ancestor(book)", {"book1"}},
                         {"ancestor(*)", {"author4"}},
                         {"ancestor(lib/book)", {"book1"}},
                         {"ancestor(book[index() = 0])", {}},
                         {"ancestor(lib)/book[0]/title", {"title0"}},
                         {"ancestor(mixed)", {}},
                     },
                     Node("(//first-name)[1]"));
    ExpectSelections(document, {{"//first-name[ancestor(book[title = 'T2'])]",
                                 {"first-name0", "first-name1", "first-name2"}}});
}

TEST_F(Paths, IdFindsDeclaredIdentifiers) {
    ExpectSelections(document,
                     {{"id('k1')", {"book0"}}, {"id('k1')/title", {"title0"}}, {"id('none')", {}}});
}

} // namespace
