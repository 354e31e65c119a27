// Steps, names, namespaces, node methods and indexes.

#include "CaseTable.h"

namespace XslPatternTest {
namespace {

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
    "<mixed>one<![CDATA[two]]><!--three--><?four 4?>five</mixed>"
    "</lib>";

class Paths : public ::testing::Test {
protected:
    Document document = Parse(Library, true);
};

TEST_F(Paths, StepsFromTheDocument) {
    ExpectSelections(document, {
                                   {"/", {"/"}},
                                   {".", {"/"}},
                                   {"/lib", {"lib0"}},
                                   {"lib", {"lib0"}},
                                   {"lib/book", {"book0", "book1"}},
                                   {"//title", {"title0", "title1", "title2"}},
                                   {"lib/*/title/..", {"book0", "book1", "p:book0"}},
                                   {"lib/book/author/first-name/../..", {"book1"}},
                                   {"nothing/here", {}},
                               });
}

TEST_F(Paths, RelativeToAContextElement) {
    xmlNodePtr book = Element(document, "book1");
    ExpectSelections(document,
                     {
                         {".", {"book1"}},
                         {"..", {"lib0"}},
                         {"author", {"author2", "author3", "author4", "author5"}},
                         {".//first-name", {"first-name0", "first-name1", "first-name2"}},
                         {"//title", {"title0", "title1", "title2"}},
                         {"/lib/book[0]/title", {"title0"}},
                     },
                     {}, book);
}

TEST_F(Paths, NumericIndexesCountPerParentUnlessGrouped) {
    ExpectSelections(document, {
                                   {"lib/book/author[0]", {"author0", "author2"}},
                                   {"(lib/book/author)[0]", {"author0"}},
                                   {"lib//author[3]", {"author5"}},
                                   {"lib/book/author[first-name][1]", {"author4"}},
                                   {"lib/book/author[9]", {}},
                                   {"lib/mixed/node()[2]", {"comment"}},
                                   {"lib/book[0]/@*[1]", {"book0@lang"}},
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
                                   {"lib/*/@*[end()]", {"book0@lang", "b:book0@b:n"}},
                               });
    EXPECT_FALSE(Select(document, "lib/book/author!end()").translated);
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
            std::string first = std::string(step) + filter;
            std::string later = std::string(step) + "[.]" + filter;
            Outcome a = Select(document, first);
            Outcome b = Select(document, later);
            ASSERT_TRUE(a.evaluated && b.evaluated) << first;
            EXPECT_EQ(a.nodes, b.nodes) << first;
        }
    }
}

TEST_F(Paths, NodeMethodsSelectByKind) {
    ExpectSelections(document,
                     {
                         {"node()", {"?xml", "comment", "lib0"}},
                         {"comment()", {"comment"}},
                         {"pi()", {"?xml"}},
                         {"lib/mixed/node()", {"'one'", "'two'", "comment", "?four", "'five'"}},
                         {"lib/mixed/text()", {"'one'", "'two'", "'five'"}},
                         {"lib/mixed/textnode()", {"'one'", "'five'"}},
                         {"lib/mixed/cdata()", {"'two'"}},
                         {"lib/element()", {"book0", "book1", "p:book0", "b:book0", "mixed0"}},
                         {"lib/element('mixed')", {"mixed0"}},
                         {"lib/book[0]/attribute('lang')", {"book0@lang"}},
                         {"lib/book[0]!element()", {"title0", "author0", "author1"}},
                         {"lib/*/@*", {"book0@id", "book0@lang", "b:book0@b:n"}},
                     });
}

TEST_F(Paths, AttributeWildcardTakesInNamespaceDeclarations) {
    // One element's declarations come in no particular order.
    for (const char* pattern : {"lib/@*", "lib/attribute()", "lib/@* $intersect$ lib/@*"}) {
        EXPECT_THAT(Select(document, pattern).nodes,
                    ::testing::UnorderedElementsAre("lib0@xmlns:b", "lib0@xmlns:p"))
            << pattern;
    }
    ExpectSelections(document, {
                                   {"lib[@*]", {"lib0"}},
                                   {"lib/*[@*]", {"book0", "b:book0"}},
                                   {"lib/mixed/@*", {}},
                                   {"lib/@xmlns", {}},
                                   {"lib/@xmlns:p", {"lib0@xmlns:p"}},
                                   {"lib/@xmlns:p[end()]", {"lib0@xmlns:p"}},
                                   {"lib/@xmlns:*[end()]", {"lib0@xmlns:p"}},
                                   {"lib/@*[index() = 1]", {"lib0@xmlns:p"}},
                                   {"lib/@b", {}},
                               });
    Document defaulted = Parse("<r xmlns='urn:d' a='1'/>");
    ExpectSelections(defaulted, {{"r/@xmlns", {"r0@xmlns"}},
                                 {"r/@xmlns:*", {}},
                                 {"r/@*[end()]", {"r0@xmlns"}},
                                 {"r/@*[0]", {"r0@a"}}});
    // Declarations in scope from an ancestor are not the element's own.
    EXPECT_THAT(Select(document, "lib/book[0]/@*").nodes,
                ::testing::ElementsAre("book0@id", "book0@lang"));
}

TEST_F(Paths, NamesMatchAsWrittenOrByBoundUri) {
    std::vector<XslPattern::Binding> bindings{{"q", "urn:p"}, {"b", "urn:other"}};
    ExpectSelections(document,
                     {
                         {"lib/p:book", {"p:book0"}},
                         {"lib/q:book", {"p:book0"}},
                         {"lib/b:book", {}},
                         {"lib/q:*", {"p:book0"}},
                         {"lib/p:*", {"p:book0"}},
                         {"lib/z:book", {}},
                         {"//@b:n", {}},
                         // Unprefixed: written without a prefix, whatever the URI.
                         {"//@n", {}},
                         {"lib/book", {"book0", "book1"}},
                     },
                     bindings);
    ExpectSelections(document, {
                                   {"lib/b:book", {"b:book0"}},
                                   {"//@b:n", {"b:book0@b:n"}},
                                   {"lib/b:book/@b:*", {"b:book0@b:n"}},
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
    xmlNodePtr firstName = Element(document, "first-name1");
    ExpectSelections(document,
                     {
                         {"ancestor(book)", {"book1"}},
                         {"ancestor(*)", {"author4"}},
                         {"ancestor(lib/book)", {"book1"}},
                         {"ancestor(book[index() = 0])", {}},
                         {"ancestor(lib)/book[0]/title", {"title0"}},
                         {"ancestor(mixed)", {}},
                     },
                     {}, firstName);
    ExpectSelections(document, {{"//first-name[ancestor(book[title = 'T2'])]",
                                 {"first-name0", "first-name1", "first-name2"}}});
}

TEST_F(Paths, IdFindsDeclaredIdentifiers) {
    ExpectSelections(document,
                     {{"id('k1')", {"book0"}}, {"id('k1')/title", {"title0"}}, {"id('none')", {}}});
}

} // namespace
} // namespace XslPatternTest
