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
        {"<r>&i;<s>&i;</s></r>", "//i", "//i", "i0,i1"},
        {"<r>&i;</r>", "//i/text()", "//i/text()", "'in'"},
        {"<r>&c;</r>", "/r[. = 'xxxxx']", "r[. = 'xxxxx']", "r0"},
        // The reference stays a node between its element and the content.
        {"<r>&i;</r>", "/r/i", "r/i", ""},
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

} // namespace
