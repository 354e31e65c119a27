// Names, types, values, texts and markup of every kind of node, read through
// the interfaces from one small document.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

constexpr std::string_view Sample = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                    "<!--note-->\n"
                                    "<!DOCTYPE root [<!ENTITY ent \"ent text\">]>\n"
                                    "<root xmlns:p=\"urn:p\" a=\"1\" p:b=\"x&amp;y\">"
                                    "<p:child>t1 &amp; more</p:child><![CDATA[ cd ]]>"
                                    "<?pi data here?><e/><r>&ent;</r></root>";

// Steps from the document: a digit for each child index, then "@name" for
// an attribute.
IXMLDOMNodePtr Resolve(IXMLDOMNodePtr node, std::string_view path) {
    for (; node && !path.empty(); path.remove_prefix(1)) {
        IXMLDOMNodePtr next;
        IXMLDOMNamedNodeMapPtr attributes;
        IXMLDOMNodeListPtr children;
        if (path[0] == '@') {
            EXPECT_EQ(node->get_attributes(&attributes), S_OK);
            EXPECT_EQ(attributes->getNamedItem(Bstr(path.substr(1)), &next), S_OK) << path;
            return next;
        }
        EXPECT_EQ(node->get_childNodes(&children), S_OK);
        EXPECT_EQ(children->get_item(path[0] - '0', &next), S_OK) << path;
        node = next;
    }
    return node;
}

const std::string RootXml = "<root xmlns:p=\"urn:p\" a=\"1\" p:b=\"x&amp;y\"><p:child>t1 &amp; "
                            "more</p:child><![CDATA[ cd ]]><?pi data here?><e/><r>&ent;</r></root>";
const std::string DoctypeXml = "<!DOCTYPE root [\r\n<!ENTITY ent \"ent text\">\r\n]>";

TEST(NodeKinds, ReportNameTypeValueTextAndXml) {
    const struct {
        std::string_view path;
        DOMNodeType type;
        std::string name, value, text, xml;
    } cases[] = {
        {"", NODE_DOCUMENT, "#document", "<null>", "t1 & more cd ent text",
         "<?xml version=\"1.0\"?>\r\n<!--note-->\r\n" + DoctypeXml + "\r\n" + RootXml + "\r\n"},
        {"0", NODE_PROCESSING_INSTRUCTION, "xml", "version=\"1.0\" encoding=\"ISO-8859-1\"",
         "version=\"1.0\" encoding=\"ISO-8859-1\"", "<?xml version=\"1.0\"?>"},
        {"0@encoding", NODE_ATTRIBUTE, "encoding", "ISO-8859-1", "ISO-8859-1",
         "encoding=\"ISO-8859-1\""},
        {"1", NODE_COMMENT, "#comment", "note", "note", "<!--note-->"},
        {"2", NODE_DOCUMENT_TYPE, "root", "<null>", "", DoctypeXml},
        {"3", NODE_ELEMENT, "root", "<null>", "t1 & more cd ent text", RootXml},
        {"3@p:b", NODE_ATTRIBUTE, "p:b", "x&y", "x&y", "p:b=\"x&amp;y\""},
        {"30", NODE_ELEMENT, "p:child", "<null>", "t1 & more", "<p:child>t1 &amp; more</p:child>"},
        {"300", NODE_TEXT, "#text", "t1 & more", "t1 & more", "t1 &amp; more"},
        {"31", NODE_CDATA_SECTION, "#cdata-section", " cd ", " cd ", "<![CDATA[ cd ]]>"},
        {"32", NODE_PROCESSING_INSTRUCTION, "pi", "data here", "data here", "<?pi data here?>"},
        {"33", NODE_ELEMENT, "e", "<null>", "", "<e/>"},
        {"340", NODE_ENTITY_REFERENCE, "ent", "<null>", "ent text", "&ent;"},
        {"3400", NODE_TEXT, "#text", "ent text", "ent text", "ent text"},
    };
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

TEST(Documents, FailedLoadLeavesAnEmptyDocument) {
    IXMLDOMDocument2Ptr document = Load("<a/>");
    for (std::string_view bad : {"", "   ", "<a></b>", "<p:a/>"}) {
        EXPECT_FALSE(Loads(document, Bstr(bad))) << bad;
        EXPECT_EQ(XmlOf(document), "") << bad;
    }
    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(document->loadXML(nullptr, &ok), S_FALSE);
    EXPECT_EQ(ok, VARIANT_FALSE);
}

// The declared encoding is ignored; line feeds in markup are written as CR LF
// but stay LF in text; escaping differs between text and attribute values.
TEST(Documents, WriteTextAndMarkupAsWindowsDoes) {
    const struct {
        std::string_view source;
        std::string text, xml;
    } cases[] = {
        {"<?xml version='1.0' encoding='Shift_JIS'?><a>\xC3\xA9\xE2\x82\xAC</a>",
         "\xC3\xA9\xE2\x82\xAC", "<?xml version=\"1.0\"?>\r\n<a>\xC3\xA9\xE2\x82\xAC</a>\r\n"},
        {"<a t='x&#10;y'>one\ntwo<!--c\nd--></a>", "one\ntwo",
         "<a t=\"x\ny\">one\r\ntwo<!--c\r\nd--></a>\r\n"},
        {"<a q='&quot;&lt;&gt;&amp;&apos;'>&quot;&lt;&gt;&amp;</a>", "\"<>&",
         "<a q=\"&quot;&lt;>&amp;'\">\"&lt;&gt;&amp;</a>\r\n"},
        // The document type as written, each item of its subset on a line.
        {"<!DOCTYPE r [<!NOTATION c SYSTEM 'c'><!NOTATION a SYSTEM \"a\"><!NOTATION b SYSTEM "
         "'b'>]><r/>",
         "",
         "<!DOCTYPE r [\r\n<!NOTATION c SYSTEM 'c'>\r\n<!NOTATION a SYSTEM \"a\">\r\n"
         "<!NOTATION b SYSTEM 'b'>\r\n]>\r\n<r/>\r\n"},
        {"<!DOCTYPE r [\r\n <!--c--><?p d?>\r\n<!ENTITY % p '<!ENTITY e \"[>\">'> %p;"
         "<!ATTLIST r a CDATA '>'>]><r>&e;</r>",
         "[>",
         "<!DOCTYPE r [\r\n<!--c-->\r\n<?p d?>\r\n<!ENTITY % p '<!ENTITY e \"[>\">'>\r\n%p;"
         "\r\n<!ATTLIST r a CDATA '>'>\r\n]>\r\n<r>&e;</r>\r\n"},
        {"<!--x--><!DOCTYPE r PUBLIC 'p' \"[s]\" ><r/>", "",
         "<!--x-->\r\n<!DOCTYPE r PUBLIC 'p' \"[s]\">\r\n<r/>\r\n"},
    };
    for (const auto& c : cases) {
        IXMLDOMDocument2Ptr document = Load(c.source);
        EXPECT_EQ(TextOf(document), c.text) << c.source;
        EXPECT_EQ(XmlOf(document), c.xml) << c.source;
    }
}

} // namespace
