// Names, types, values, texts and markup of every kind of node, read through
// the interfaces from one small document.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

constexpr std::string_view Sample = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                    "<!--note-->\n"
                                    "<!DOCTYPE root [<!ENTITY ent \"ent text\">]>\n"
                                    "<root xmlns:p=\"urn:p\" a=\"1\" p:b=\"x&amp;y\">\n"
                                    "  <p:child>t1 &amp; more</p:child>\n"
                                    "  <![CDATA[ cd ]]>\n"
                                    "  <?pi data here?>\n"
                                    "  <e/>\n"
                                    "  <r>&ent;</r>\n"
                                    "</root>";

// Steps from the document: a child index, or "@name" for an attribute.
IXMLDOMNodePtr Resolve(IXMLDOMNode* document, const std::vector<std::string>& path) {
    IXMLDOMNodePtr node = document;
    for (const std::string& step : path) {
        IXMLDOMNodePtr next;
        if (step.front() == '@') {
            IXMLDOMNamedNodeMapPtr attributes;
            EXPECT_EQ(node->get_attributes(&attributes), S_OK);
            EXPECT_EQ(attributes->getNamedItem(Bstr(step.substr(1)), &next), S_OK);
        } else {
            IXMLDOMNodeListPtr children;
            EXPECT_EQ(node->get_childNodes(&children), S_OK);
            EXPECT_EQ(children->get_item(std::stoi(step), &next), S_OK);
        }
        if (!next) {
            ADD_FAILURE() << "no node at step " << step;
            return nullptr;
        }
        node = next;
    }
    return node;
}

const std::string RootXml = "<root xmlns:p=\"urn:p\" a=\"1\" p:b=\"x&amp;y\">\r\n"
                            "\t<p:child>t1 &amp; more</p:child>\r\n"
                            "\t<![CDATA[ cd ]]>\r\n"
                            "\t<?pi data here?>\r\n"
                            "\t<e/>\r\n"
                            "\t<r>&ent;</r>\r\n"
                            "</root>";

TEST(NodeKinds, ReportNameTypeValueTextAndXml) {
    const struct {
        std::vector<std::string> path;
        DOMNodeType type;
        std::string name;
        std::string value;
        std::string text;
        std::string xml;
    } cases[] = {
        {{},
         NODE_DOCUMENT,
         "#document",
         "<null>",
         "t1 & more  cd  ent text",
         "<?xml version=\"1.0\"?>\r\n<!--note-->\r\n"
         "<!DOCTYPE root [\r\n<!ENTITY ent \"ent text\">\r\n]>\r\n" +
             RootXml + "\r\n"},
        {{"0"},
         NODE_PROCESSING_INSTRUCTION,
         "xml",
         "version=\"1.0\" encoding=\"ISO-8859-1\"",
         "version=\"1.0\" encoding=\"ISO-8859-1\"",
         "<?xml version=\"1.0\"?>"},
        {{"0", "@encoding"},
         NODE_ATTRIBUTE,
         "encoding",
         "ISO-8859-1",
         "ISO-8859-1",
         "encoding=\"ISO-8859-1\""},
        {{"1"}, NODE_COMMENT, "#comment", "note", "note", "<!--note-->"},
        {{"2"},
         NODE_DOCUMENT_TYPE,
         "root",
         "<null>",
         "",
         "<!DOCTYPE root [\r\n<!ENTITY ent \"ent text\">\r\n]>"},
        {{"3"}, NODE_ELEMENT, "root", "<null>", "t1 & more  cd  ent text", RootXml},
        {{"3", "@p:b"}, NODE_ATTRIBUTE, "p:b", "x&y", "x&y", "p:b=\"x&amp;y\""},
        {{"3", "@xmlns:p"}, NODE_ATTRIBUTE, "xmlns:p", "urn:p", "urn:p", "xmlns:p=\"urn:p\""},
        {{"3", "0"},
         NODE_ELEMENT,
         "p:child",
         "<null>",
         "t1 & more",
         "<p:child>t1 &amp; more</p:child>"},
        {{"3", "0", "0"}, NODE_TEXT, "#text", "t1 & more", "t1 & more", "t1 &amp; more"},
        {{"3", "1"}, NODE_CDATA_SECTION, "#cdata-section", " cd ", " cd ", "<![CDATA[ cd ]]>"},
        {{"3", "2"},
         NODE_PROCESSING_INSTRUCTION,
         "pi",
         "data here",
         "data here",
         "<?pi data here?>"},
        {{"3", "3"}, NODE_ELEMENT, "e", "<null>", "", "<e/>"},
        {{"3", "4", "0"}, NODE_ENTITY_REFERENCE, "ent", "<null>", "ent text", "&ent;"},
        {{"3", "4", "0", "0"}, NODE_TEXT, "#text", "ent text", "ent text", "ent text"},
    };
    ComScope com;
    IXMLDOMDocument2Ptr document = Load(Sample);
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.xml);
        IXMLDOMNodePtr node = Resolve(document, expected.path);
        ASSERT_TRUE(node);
        EXPECT_EQ(TypeOf(node), expected.type);
        EXPECT_EQ(NameOf(node), expected.name);
        EXPECT_EQ(ValueOf(node), expected.value);
        EXPECT_EQ(TextOf(node), expected.text);
        EXPECT_EQ(XmlOf(node), expected.xml);
    }
}

class Documents : public ::testing::Test {
protected:
    ComScope com;
};

TEST_F(Documents, FailedLoadLeavesAnEmptyDocument) {
    IXMLDOMDocument2Ptr document = Load("<a/>");
    for (std::string_view bad : {"", "   ", "<!-- only -->", "<a>", "<a></b>", "<a/><b/>", "<p:a/>",
                                 "text", "<a x='1' x='2'/>"}) {
        EXPECT_FALSE(Loads(document, bad)) << bad;
        IXMLDOMNodePtr child;
        EXPECT_EQ(document->get_firstChild(&child), S_FALSE) << bad;
        EXPECT_FALSE(child);
        EXPECT_EQ(XmlOf(document), "");
    }
}

TEST_F(Documents, NullTextDoesNotLoad) {
    IXMLDOMDocument2Ptr document = NewDocument();
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(document->loadXML(nullptr, &ok), S_FALSE);
    EXPECT_EQ(ok, VARIANT_FALSE);
}

// The declared encoding is ignored; line feeds in markup are written as CR LF
// but stay LF in text; escaping differs between text and attribute values.
TEST_F(Documents, WriteTextAndMarkupAsWindowsDoes) {
    const struct {
        std::string_view source;
        std::string text;
        std::string xml;
    } cases[] = {
        {"<?xml version='1.0' encoding='Shift_JIS'?><a>\xC3\xA9\xE2\x82\xAC</a>",
         "\xC3\xA9\xE2\x82\xAC", "<?xml version=\"1.0\"?>\r\n<a>\xC3\xA9\xE2\x82\xAC</a>\r\n"},
        {"<a t='x&#10;y'>one\ntwo<!--c\nd--></a>", "one\ntwo",
         "<a t=\"x\ny\">one\r\ntwo<!--c\r\nd--></a>\r\n"},
        {"<a q='&quot;&lt;&gt;&amp;&apos;'>&quot;&lt;&gt;&amp;</a>", "\"<>&",
         "<a q=\"&quot;&lt;>&amp;'\">\"&lt;&gt;&amp;</a>\r\n"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document = Load(c.source);
        EXPECT_EQ(TextOf(document), c.text) << c.source;
        EXPECT_EQ(XmlOf(document), c.xml) << c.source;
    }
}

} // namespace
