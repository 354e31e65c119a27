// Attribute defaults of the internal subset: present to every reader (the
// attribute map, name look-up, XPath and XSL patterns), after the written
// attributes, and left out of the element's markup, which was written
// without them.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

// The names and values an element's attribute map lists, "name=value" apart
// by spaces, and the element's markup.
std::string Listed(IXMLDOMNode* element) {
    IXMLDOMNamedNodeMapPtr map;
    EXPECT_EQ(element->get_attributes(&map), S_OK);
    LONG length = 0;
    EXPECT_EQ(map->get_length(&length), S_OK);
    std::string listed;
    for (LONG i = 0; i < length; ++i) {
        IXMLDOMNodePtr attribute;
        EXPECT_EQ(map->get_item(i, &attribute), S_OK);
        listed.append(listed.empty() ? "" : " ")
            .append(NameOf(attribute) + "=" + ValueOf(attribute));
    }
    return listed + " " + XmlOf(element);
}

TEST(DefaultedAttributes, AreReadEverywhereButNotWritten) {
    const struct {
        std::string_view subset, element, listed, xpath, selected;
    } cases[] = {
        {"<!ATTLIST r a CDATA 'd'>", "<r/>", "a=d <r/>", "/r[@a = 'd']", "r0"},
        // A written value wins; the written ones come first.
        {"<!ATTLIST r a CDATA 'd' b CDATA 'e'>", "<r c='1' a='w'/>",
         "c=1 a=w b=e <r c=\"1\" a=\"w\"/>", "/r[@a = 'w' and @b = 'e']", "r0"},
        // Namespace declarations alike, defaulted ones before attributes.
        {"<!ATTLIST r a CDATA 'd' xmlns:p CDATA #FIXED 'urn:p'>", "<r b='1' xmlns:q='urn:q'/>",
         "b=1 xmlns:q=urn:q xmlns:p=urn:p a=d <r b=\"1\" xmlns:q=\"urn:q\"/>",
         "/r[namespace::*[. = 'urn:p']]", "r0"},
        // Entity references in a default are read as in a written value.
        {"<!ENTITY e 'v'><!ATTLIST r a CDATA 'x&e;y'>", "<r/>", "a=xvy <r/>", "/r[@a = 'xvy']",
         "r0"},
        // Only the element declared takes them; #IMPLIED adds nothing.
        {"<!ATTLIST i a CDATA 'd' b CDATA #IMPLIED>", "<r><i/></r>", " <r><i/></r>", "//*[@a]/@*",
         "@a"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document =
            Load(std::string("<!DOCTYPE r [").append(c.subset).append("]>").append(c.element));
        IXMLDOMNodePtr root;
        ASSERT_EQ(document->get_documentElement(&root), S_OK);
        EXPECT_EQ(Listed(root), c.listed) << c.subset;
        EXPECT_EQ(Selected(document, "XPath", c.xpath), c.selected) << c.subset;
    }
}

TEST(DefaultedAttributes, MatchXslPatternsAndNames) {
    IXMLDOMDocument2Ptr document = Load("<!DOCTYPE r [<!ATTLIST i a CDATA 'd'>]>"
                                        "<r><i/><i a='w'/></r>");
    ExpectSelections(document, {{"r/i[@a = 'd']", "i0"}, {"r/i/@a", "@a,@a"}});
    IXMLDOMNodePtr item = Select(document, "XPath", "/r/i[1]").at(0);
    IXMLDOMNamedNodeMapPtr map;
    ASSERT_EQ(item->get_attributes(&map), S_OK);
    IXMLDOMNodePtr found;
    EXPECT_EQ(map->getNamedItem(Bstr("a"), &found), S_OK);
    ASSERT_TRUE(found);
    EXPECT_EQ(ValueOf(found), "d");
    EXPECT_EQ(XmlOf(found), "a=\"d\"");
}

} // namespace
