// Operators, typed comparisons, quantifiers and value methods of XSL patterns.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

TEST(Comparisons, RelationsLiteralsDatesAndLogicalOperators) {
    IXMLDOMDocument2Ptr document =
        Load("<r><i>1</i><i>2</i><i>12</i><i>10.5</i><i>abc</i><i>ABD</i>"
             "<d>2001-05-03</d><d>1999-12-31T23:00:00-02:00</d><d>nonsense</d></r>");
    ExpectSelections(document,
                     {
                         // Relations, and the other spellings of relations and logical operators.
                         {"r/i[. != 'abc']", "i0,i1,i2,i3,i5"},
                         {"r/i[. < 2]", "i0"},
                         {"r/i[. <= 2]", "i0,i1"},
                         {"r/i[. >= 10]", "i2,i3"},
                         {"r/i[. $lt$ 2 $or$ . $gt$ 10]", "i0,i2"},
                         {"r/i[. $le$ 2 || . $ge$ 10 && . $ne$ 12]", "i0,i1,i3"},
                         {"r/i[. > 1 $and$ . < 12 && not(. $eq$ 2)]", "i3"},
                         // Case-insensitive relations ignore ASCII case; the others do not.
                         {"r/i[. $ine$ 'ABC']", "i0,i1,i2,i3,i5"},
                         {"r/i[. $ilt$ 'ABD']", "i0,i1,i2,i3,i4"},
                         {"r/i[. $ile$ 'abd']", "i0,i1,i2,i3,i4,i5"},
                         {"r/i[. $igt$ 'abc']", "i5"},
                         {"r/i[. $ige$ 'ABC']", "i4,i5"},
                         {"r/i[. >= 'abc']", "i4"},
                         // The literal decides: text order ("2" > "10", "10.5" > "10"), integers
                         // (10.5 rounds half to even), doubles; text that is no number compares
                         // with nothing.
                         {"r/i[. > '10']", "i1,i2,i3,i4,i5"},
                         {"r/i[. = 10]", "i3"},
                         {"r/i[. > 10]", "i2"},
                         {"r/i[. > 10.0]", "i2,i3"},
                         {"r/i[. != 5]", "i0,i1,i2,i3"},
                         // Dates compare as instants with their zones.
                         {"r/d[date() > '2000-01-01']", "d0,d1"},
                         {"r/d[date() > '2000-01-01T00:30:00Z']", "d0,d1"},
                         {"r/d[date() = '2000-01-01T01:00:00Z']", "d1"},
                         {"r/d[. > '2']", "d0,d2"},
                         {"r[d!date() < '1999-12-31']", ""},
                         // Logical operators, their spellings and their precedence.
                         {"r/i[. = 1 or . = 2 and . = 12]", "i0"},
                         {"r/i[(. = 1 or . = 2) and end()]", ""},
                         {"r/i[$not$ index() = 0 and $not$ end()]", "i1,i2,i3,i4"},
                         {"r[$not$ d]", ""},
                         {"r[$not$ x]", "r0"},
                     });
}

TEST(Comparisons, ValueMethodsQuantifiersAndNodesComparedWithNodes) {
    IXMLDOMDocument2Ptr document =
        Load("<r a='x'><b>3</b><!--c--><p:e xmlns:p='urn:p'>4.5</p:e></r>");
    ExpectSelections(document, {
                                   {"r/node()[nodeType() = 8]", "#comment"},
                                   {"r/node()[nodeName() = '#comment']", "#comment"},
                                   {"r/*[nodeName() = 'p:e']", "p:e0"},
                                   {"r[@a!nodeName() = 'a']", "r0"},
                                   {"r[@*!value() = 'x']", "r0"},
                                   // number() compares as a double whatever the literal.
                                   {"r/*[number() > 4]", "p:e0"},
                                   {"r/*[value() = '3']", "b0"},
                                   {"r/*[. !value() = '3']", "b0"},
                                   {"r[*!index() = 1]", "r0"},
                                   {"r[p:e!index() = 0]", "r0"},
                                   {"r/*[end() = 1]", "p:e0"},
                               });
    IXMLDOMDocument2Ptr sets =
        Load("<r><g><v>3</v><v>5</v></g><g><v>3</v><v>-1</v></g><g/><g><v>x</v></g>"
             "<p><x>a</x><y>a</y></p><p><x>a</x><y>b</y></p><p><x>1.0</x><y>1</y></p></r>");
    ExpectSelections(sets, {
                               {"r/g[v > 0]", "g0,g1"},
                               {"r/g[$any$ v > 0]", "g0,g1"},
                               {"r/g[$all$ v > 0]", "g0,g2"},
                               {"r/g[$all$ v = 3]", "g2"},
                               {"r/g[$not$ $all$ v > 0]", "g1,g3"},
                               // Nodes compare with nodes as text.
                               {"r/p[x = y]", "p0"},
                               {"r/p[x != y]", "p1,p2"},
                               {"r/p[x!number() = y!number()]", "p2"},
                               {"r/p[x $ieq$ 'A']", "p0,p1"},
                               // Text orders by code point: bytes compare unsigned.
                               {"r/p[x < '\xc3\xa9']", "p0,p1,p2"},
                           });
}

} // namespace
