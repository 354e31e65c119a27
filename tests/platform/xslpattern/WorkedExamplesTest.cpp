// The documented examples of the pattern language, evaluated end to end.

#include "CaseTable.h"

namespace XslPatternTest {
namespace {

TEST(WorkedExamples, StringLiteralComparesAsTextNotAsNumber) {
    Document document = Parse("<root><item>1</item><item>2</item><item>12</item></root>");
    // As text "2" > "10" (which XPath would not select), and so is "12".
    ExpectSelections(document, {{R"(root/item[. > "10"])", {"item1", "item2"}},
                                {R"(root/item[. > 10])", {"item2"}}});
}

TEST(WorkedExamples, IndexesEndsOperatorsAndAttributesOverFourElements) {
    Document document = Parse("<root>"
                              "<elem><a>A1 field</a><d/></elem>"
                              "<elem x='1'><a>A2 field</a><d/></elem>"
                              "<elem xmlns='urn:default'><a>A3 field</a></elem>"
                              "<elem><a>A4 field</a><d/></elem>"
                              "</root>");
    ExpectSelections(document, {
                                   {"root/elem[0]", {"elem0"}},
                                   {"root//elem[0]", {"elem0"}},
                                   {"root/elem[index()=1]", {"elem1"}},
                                   {"root/elem[index() $eq$ 1]", {"elem1"}},
                                   {"root/elem[end()]", {"elem3"}},
                                   {"root/elem[$not$ end()]", {"elem0", "elem1", "elem2"}},
                                   {"root/elem[index() < 2]", {"elem0", "elem1"}},
                                   {"root/elem[a $ieq$ 'a2 field']", {"elem1"}},
                                   {"root/elem[a $ilt$ 'a3 field']", {"elem0", "elem1"}},
                                   {"root/elem[index()=0 or end()]", {"elem0", "elem3"}},
                                   {"root/elem[index()=0 $or$ end()]", {"elem0", "elem3"}},
                                   {"root/elem[index()=0 || end()]", {"elem0", "elem3"}},
                                   {"root/elem[index()>0 and $not$ end()]", {"elem1", "elem2"}},
                                   {"root/elem[d]", {"elem0", "elem1", "elem3"}},
                                   {"root/elem[@*]", {"elem1", "elem2"}},
                               });
}

TEST(WorkedExamples, DeclarationCommentAndRootAreTheDocumentsNodes) {
    Document document =
        Parse("<?xml version='1.0'?><!--note--><root><a/><x p='1' q='2'><a/></x></root>", true);
    ExpectSelections(document, {
                                   {"node()", {"?xml", "comment", "root0"}},
                                   {"pi()", {"?xml"}},
                                   {"//element('a')", {"a0", "a1"}},
                                   {"//x/attribute()", {"x0@p", "x0@q"}},
                               });
    EXPECT_FALSE(Select(document, "//element(a)").translated);
}

} // namespace
} // namespace XslPatternTest
