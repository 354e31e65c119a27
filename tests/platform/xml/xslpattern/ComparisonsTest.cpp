// Operators, typed comparisons, quantifiers and value methods of XSL patterns.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

constexpr const char* Values = "<r>"
                               "<i>1</i><i>2</i><i>12</i><i>10.5</i><i>abc</i><i>ABD</i>"
                               "<d>2001-05-03</d><d>1999-12-31T23:00:00-02:00</d><d>nonsense</d>"
                               "</r>";

class Comparisons : public ::testing::Test {
protected:
    ComScope com;
    IXMLDOMDocument2Ptr document = Load(Values);
};

TEST_F(Comparisons, EveryFormOfEveryRelation) {
    ExpectSelections(document, {
                                   {"r/i[. = 12]", {"i2"}},
                                   {"r/i[. != 'abc']", {"i0", "i1", "i2", "i3", "i5"}},
                                   {"r/i[. < 2]", {"i0"}},
                                   {"r/i[. $lt$ 2]", {"i0"}},
                                   {"r/i[. <= 2]", {"i0", "i1"}},
                                   {"r/i[. $le$ 2]", {"i0", "i1"}},
                                   {"r/i[. > 10]", {"i2"}},
                                   {"r/i[. $gt$ 10]", {"i2"}},
                                   {"r/i[. >= 10]", {"i2", "i3"}},
                                   {"r/i[. $ge$ 10]", {"i2", "i3"}},
                               });
}

TEST_F(Comparisons, CaseInsensitiveRelationsIgnoreAsciiCase) {
    ExpectSelections(document, {
                                   {"r/i[. $ine$ 'ABC']", {"i0", "i1", "i2", "i3", "i5"}},
                                   {"r/i[. $ilt$ 'ABD']", {"i0", "i1", "i2", "i3", "i4"}},
                                   {"r/i[. $ile$ 'abd']", {"i0", "i1", "i2", "i3", "i4", "i5"}},
                                   {"r/i[. $igt$ 'abc']", {"i5"}},
                                   {"r/i[. $ige$ 'ABC']", {"i4", "i5"}},
                                   // Case matters without the i.
                                   {"r/i[. >= 'abc']", {"i4"}},
                               });
}

TEST_F(Comparisons, TheLiteralDecidesHowValuesCompare) {
    ExpectSelections(document, {
                                   // Text order: "2" > "10" and "10.5" > "10".
                                   {"r/i[. > '10']", {"i1", "i2", "i3", "i4", "i5"}},
                                   // Integers: 10.5 rounds to 10 (half to even).
                                   {"r/i[. = 10]", {"i3"}},
                                   {"r/i[. > 10]", {"i2"}},
                                   // Doubles keep the fraction.
                                   {"r/i[. > 10.0]", {"i2", "i3"}},
                                   {"r/i[. = 10.5]", {"i3"}},
                                   // Text that is no number compares with nothing.
                                   {"r/i[. != 5]", {"i0", "i1", "i2", "i3"}},
                               });
}

TEST_F(Comparisons, DatesCompareAsInstantsWithTheirZones) {
    ExpectSelections(document, {
                                   {"r/d[date() > '2000-01-01']", {"d0", "d1"}},
                                   {"r/d[date() < '2000-01-01T00:30:00Z']", {}},
                                   {"r/d[date() > '2000-01-01T00:30:00Z']", {"d0", "d1"}},
                                   {"r/d[date() = '2000-01-01T01:00:00Z']", {"d1"}},
                                   {"r/d[. > '2']", {"d0", "d2"}},
                                   {"r[d!date() < '1999-12-31']", {}},
                               });
}

TEST_F(Comparisons, ValueMethodsOnTheContextOrAfterBang) {
    IXMLDOMDocument2Ptr mixed = Load("<r a='x'><b>3</b><!--c--><p:e xmlns:p='urn:p'>4.5</p:e></r>");
    ExpectSelections(mixed, {
                                {"r/node()[nodeType() = 8]", {"#comment"}},
                                {"r/node()[nodeName() = '#comment']", {"#comment"}},
                                {"r/*[nodeName() = 'p:e']", {"p:e0"}},
                                {"r[@a!nodeName() = 'a']", {"r0"}},
                                {"r[@*!value() = 'x']", {"r0"}},
                                // number() compares as a double whatever the literal.
                                {"r/*[number() > 4]", {"p:e0"}},
                                {"r/*[value() = '3']", {"b0"}},
                                {"r/*[. !value() = '3']", {"b0"}},
                                {"r[*!index() = 1]", {"r0"}},
                                {"r[p:e!index() = 0]", {"r0"}},
                                {"r/node()[index() = 1]", {"#comment"}},
                                {"r/*[end() = 1]", {"p:e0"}},
                            });
}

TEST_F(Comparisons, QuantifiersOverSetsOfNodes) {
    IXMLDOMDocument2Ptr groups =
        Load("<r><g><v>3</v><v>5</v></g><g><v>3</v><v>-1</v></g><g/><g><v>x</v></g></r>");
    ExpectSelections(groups, {
                                 {"r/g[v > 0]", {"g0", "g1"}},
                                 {"r/g[$any$ v > 0]", {"g0", "g1"}},
                                 {"r/g[$all$ v > 0]", {"g0", "g2"}},
                                 {"r/g[$all$ v = 3]", {"g2"}},
                                 {"r/g[$any$ v < 0]", {"g1"}},
                                 {"r/g[$not$ $all$ v > 0]", {"g1", "g3"}},
                             });
}

TEST_F(Comparisons, NodesCompareWithNodesAsText) {
    IXMLDOMDocument2Ptr pairs = Load("<r><p><x>a</x><y>a</y></p><p><x>a</x><y>b</y></p>"
                                     "<p><x>1.0</x><y>1</y></p></r>");
    ExpectSelections(pairs, {
                                {"r/p[x = y]", {"p0"}},
                                {"r/p[x != y]", {"p1", "p2"}},
                                {"r/p[x!number() = y!number()]", {"p2"}},
                                {"r/p[x $ieq$ 'A']", {"p0", "p1"}},
                                // Text orders by code point: bytes compare unsigned.
                                {"r/p[x < '\xc3\xa9']", {"p0", "p1", "p2"}},
                            });
}

TEST_F(Comparisons, LogicalOperatorsAndTheirPrecedence) {
    ExpectSelections(document,
                     {
                         {"r/i[. = 1 or . = 2]", {"i0", "i1"}},
                         {"r/i[. = 1 $or$ . = 2]", {"i0", "i1"}},
                         {"r/i[. = 1 || . = 2]", {"i0", "i1"}},
                         {"r/i[. > 1 and . < 12]", {"i1", "i3"}},
                         {"r/i[. > 1 $and$ . < 12]", {"i1", "i3"}},
                         {"r/i[. > 1 && . < 12]", {"i1", "i3"}},
                         {"r/i[$not$ . = 1]", {"i1", "i2", "i3", "i4", "i5"}},
                         {"r/i[not(. = 1)]", {"i1", "i2", "i3", "i4", "i5"}},
                         {"r/i[. = 1 or . = 2 and . = 12]", {"i0"}},
                         {"r/i[(. = 1 or . = 2) and end()]", {}},
                         {"r/i[$not$ index() = 0 and $not$ end()]", {"i1", "i2", "i3", "i4"}},
                         {"r[$not$ d]", {}},
                         {"r[$not$ x]", {"r0"}},
                     });
}

} // namespace
