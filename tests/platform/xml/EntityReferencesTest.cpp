// Entity references: what each selection language, the text and the
// navigation see of the content that a reference stands for.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

constexpr std::string_view Declarations =
    "<!DOCTYPE r [<!ENTITY e 'ent'><!ENTITY i '<i>in</i>'>"
    "<!ENTITY a 'x'><!ENTITY b '&a;&a;&a;&a;&a;'><!ENTITY c '&b;'>]>";

// Both languages select the same nodes: the content counts as written where
// the reference stands, in text, in attribute values and in elements. (Rows
// without a pattern use XPath functions that patterns lack.)
TEST(EntityReferences, AreExpandedForBothSelectionLanguages) {
    const struct {
        std::string_view body, xpath, pattern, selected;
    } cases[] = {
        {"<r>t&e;</r>", "/r[. = 'tent']", "/r[. = 'tent']", "r0"},
        {"<r>t&e;</r>", "/r[string() = 'tent' and contains(., 'tent')]", "r[. != 't']", "r0"},
        {"<r> t&e; </r>", "/r[normalize-space() = 'tent']", "", "r0"},
        {"<r a='x&e;y'/>", "/r[@a = 'xenty']", "r[@a = 'xenty']", "r0"},
        {"<r a='x&e;y'/>", "/r/@a[contains(., 'enty')]", "r/@a[. = 'xenty']", "@a"},
        {"<r>&i;</r>", "//i", "//i", "i0"},
        {"<r>&i;<s>&i;</s></r>", "//i[. = 'in']", "//i[. = 'in']", "i0,i1"},
        {"<r>&i;</r>", "//i/text()", "//i/text()", "'in'"},
        {"<r>&c;</r>", "/r[. = 'xxxxx']", "r[. = 'xxxxx']", "r0"},
        // The selection languages see the document with its entities expanded.
        {"<r>&i;</r>", "/r/i", "r/i", "i0"},
        {"<r>&e;</r>", "/r/node()", "r/node()", "'ent'"},
        {"<r>&i;<i/></r>", "/r/i/preceding::*", "", "i0"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document = Load(std::string(Declarations).append(c.body));
        EXPECT_EQ(Selected(document, "XPath", c.xpath), c.selected) << c.body << c.xpath;
        if (!c.pattern.empty()) {
            EXPECT_EQ(Selected(document, "XSLPattern", c.pattern), c.selected)
                << c.body << c.pattern;
        }
    }
}

// Names in a reference's content take their namespaces from where the
// reference stands, each reference anew; a prefix declared nowhere there
// fails the load, as it would written there.
TEST(EntityReferences, BindTheirNamesWhereTheyStand) {
    constexpr std::string_view Content =
        "<!DOCTYPE r [<!ENTITY p '<p:i p:a=\"1\" xmlns:z=\"z\" b=\"2\"/>'><!ENTITY d '<i/>'>"
        "<!ENTITY n '<i xmlns=\"\"/>'><!ENTITY q '<q:i xmlns:q=\"w\" q:a=\"1\"/>'>]>";
    const struct {
        std::string_view body, xpath, namespaces, selected;
    } cases[] = {
        {"<r xmlns:p='u'>&p;</r>", "//u:i[@u:a = '1']/@*", "xmlns:u='u'", "@p:a,@b"},
        {"<r xmlns:p='u'>&p;<s xmlns:p='v'>&p;</s></r>", "//v:i", "xmlns:v='v'", "p:i1"},
        {"<r xmlns='u'>&d;&n;</r>", "//u:i", "xmlns:u='u'", "i0"},
        {"<r>&d;</r>", "/r/i[namespace-uri() = '']", "", "i0"},
        {"<r xmlns:q='u'>&q;</r>", "//w:i/@w:a", "xmlns:w='w'", "@q:a"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document = Load(std::string(Content).append(c.body));
        EXPECT_EQ(Selected(document, "XPath", c.xpath, nullptr, c.namespaces), c.selected)
            << c.body << c.xpath;
    }
    // Declarations stand among the attributes as written, in every copy.
    IXMLDOMDocument2Ptr document = Load(std::string(Content).append("<r xmlns:p='u'>&p;&p;</r>"));
    EXPECT_EQ(Selected(document, "XSLPattern", "r/*/@*"), "@p:a,@xmlns:z,@b,@p:a,@xmlns:z,@b");
    for (std::string_view body : {"<r>&p;</r>", "<r xmlns:a='u'>&p;</r>"}) {
        EXPECT_FALSE(Loads(NewDocument(), Bstr(std::string(Content).append(body)))) << body;
    }
}

// Each reference has content of its own, which knows its place: its parent
// is the reference.
TEST(EntityReferences, HoldContentOfTheirOwn) {
    IXMLDOMDocument2Ptr document = Load(std::string(Declarations).append("<r>&c;&i;&i;</r>"));
    EXPECT_EQ(TextOf(document), "xxxxxinin");
    const std::vector<IXMLDOMNodePtr> copies = Select(document, "XPath", "//i");
    ASSERT_EQ(copies.size(), 2U);
    EXPECT_NE(copies[0].GetInterfacePtr(), copies[1].GetInterfacePtr());
    IXMLDOMNodePtr reference, root;
    ASSERT_EQ(copies[1]->get_parentNode(&reference), S_OK);
    EXPECT_EQ(XmlOf(reference), "&i;");
    ASSERT_EQ(reference->get_parentNode(&root), S_OK);
    EXPECT_EQ(NameOf(root), "r");
    EXPECT_EQ(XmlOf(copies[1]), "<i>in</i>");
    EXPECT_EQ(XmlOf(root), "<r>&c;&i;&i;</r>");
}

// The DOM shows each reference where it was written, its content as its
// children, every step answered the same from either side (node objects are
// made anew for each step, so they compare by their markup).
std::string Shape(IXMLDOMNode* node) {
    std::string shape = NameOf(node);
    IXMLDOMNodePtr child, next, back, parent;
    if (node->get_firstChild(&child) != S_OK) {
        return shape;
    }
    shape += "(";
    for (; child; child = next) {
        EXPECT_EQ(child->get_parentNode(&parent), S_OK);
        EXPECT_EQ(XmlOf(parent), XmlOf(node));
        shape += Shape(child);
        if (child->get_nextSibling(&next) == S_OK) {
            EXPECT_EQ(next->get_previousSibling(&back), S_OK);
            EXPECT_EQ(XmlOf(back), XmlOf(child));
            shape += " ";
        } else {
            IXMLDOMNodePtr last;
            EXPECT_EQ(node->get_lastChild(&last), S_OK);
            EXPECT_EQ(XmlOf(last), XmlOf(child));
        }
    }
    return shape + ")";
}

TEST(EntityReferences, StandWhereTheyWereWritten) {
    const struct {
        std::string_view body, shape;
    } cases[] = {
        {"<r>&e;</r>", "r(e(#text))"},
        {"<r>a&i;b</r>", "r(#text i(i(#text)) #text)"},
        {"<r>&c;&i;</r>", "r(c(b(a(#text) a(#text) a(#text) a(#text) a(#text))) i(i(#text)))"},
        {"<r><s/>&i;&i;<s/></r>", "r(s i(i(#text)) i(i(#text)) s)"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document = Load(std::string(Declarations).append(c.body));
        IXMLDOMNodePtr root;
        ASSERT_EQ(document->get_documentElement(&root), S_OK);
        EXPECT_EQ(Shape(root), c.shape) << c.body;
    }
}

} // namespace
