// Whitespace-only text dropped at load, and how "text" and "xml" remember it.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

TEST(Whitespace, IsDroppedAndRemembered) {
    const struct {
        std::string source, text, xml; // the text and xml of the root element
        LONG children;                 // of the root element
    } cases[] = {
        {"<a>\n  <b>x</b>\n  <c>y</c>\n</a>", "x y", "<a>\r\n\t<b>x</b>\r\n\t<c>y</c>\r\n</a>", 2},
        // Nesting levels count from the root, whatever the run looked like.
        {"<a>\n<b>\n<c/>\n</b>\n</a>", "", "<a>\r\n\t<b>\r\n\t\t<c/>\r\n\t</b>\r\n</a>", 1},
        // A whitespace-only element keeps the memory of its run.
        {"<a> </a>", "", "<a>\r\n</a>", 0},
        // Whitespace inside a text node is kept; the ends are trimmed.
        {"<a>  one  two  </a>", "one  two", "<a>  one  two  </a>", 1},
        {"<a xml:space='preserve'> <b/> </a>", "  ", "<a xml:space=\"preserve\"> <b/> </a>", 3},
        // A descendant may switch preservation off again.
        {"<a xml:space='preserve'><b xml:space='default'> </b> </a>", " ",
         "<a xml:space=\"preserve\"><b xml:space=\"default\">\r\n\t</b> </a>", 2},
        // CDATA is never dropped, and its content is not trimmed away.
        {"<a> <![CDATA[  ]]> </a>", "  ", "<a>\r\n\t<![CDATA[  ]]>\r\n</a>", 1},
        // Even an empty section protects the white space after it.
        {"<a><![CDATA[]]> b</a>", " b", "<a><![CDATA[]]> b</a>", 2},
        // Dropping the run must not merge the sections around it.
        {"<a><![CDATA[x]]> <![CDATA[y]]></a>", "x y", "<a><![CDATA[x]]>\r\n\t<![CDATA[y]]></a>", 2},
        // Runs longer than the parser's chunks of character data.
        {"<a>" + std::string(1000, ' ') + "y</a>", "y", "<a>" + std::string(1000, ' ') + "y</a>",
         1},
        {"<a>" + std::string(1000, '\n') + "<b/></a>", "", "<a>\r\n\t<b/></a>", 1},
        // Comments and processing instructions give no text but keep runs apart.
        {"<a>x <!--c--> <?p d?> y</a>", "x   y", "<a>x <!--c-->\r\n\t<?p d?> y</a>", 4}};
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.source);
        IXMLDOMDocument2Ptr document = Load(expected.source);
        IXMLDOMNodePtr root;
        ASSERT_EQ(document->get_documentElement(&root), S_OK);
        EXPECT_EQ(TextOf(root), expected.text);
        EXPECT_EQ(XmlOf(root), expected.xml);
        IXMLDOMNodeListPtr children;
        ASSERT_EQ(root->get_childNodes(&children), S_OK);
        LONG length = -1;
        EXPECT_EQ(children->get_length(&length), S_OK);
        EXPECT_EQ(length, expected.children);
    }
}

TEST(Whitespace, PreserveWhiteSpaceKeepsEveryRun) {
    IXMLDOMDocument2Ptr document = NewDocument();
    ASSERT_EQ(document->put_preserveWhiteSpace(VARIANT_TRUE), S_OK);
    ASSERT_TRUE(Loads(document, Bstr("<a>\n <b/>\n</a>")));
    EXPECT_EQ(Selected(document, "XPath", "/a/node()"), "'\n ',b0,'\n'");
    EXPECT_EQ(XmlOf(document), "<a>\r\n <b/>\r\n</a>\r\n");
}

// "text" trims as the setting stands when it is read, not as it stood at load.
TEST(Whitespace, TextFollowsPreserveWhiteSpaceAsItIsNow) {
    for (VARIANT_BOOL atLoad : {VARIANT_FALSE, VARIANT_TRUE}) {
        IXMLDOMDocument2Ptr document = NewDocument();
        ASSERT_EQ(document->put_preserveWhiteSpace(atLoad), S_OK);
        ASSERT_TRUE(Loads(document, Bstr("<b1> Text &#65; end </b1>")));
        for (VARIANT_BOOL now : {VARIANT_TRUE, VARIANT_FALSE}) {
            ASSERT_EQ(document->put_preserveWhiteSpace(now), S_OK);
            EXPECT_EQ(TextOf(document), now ? " Text A end " : "Text A end") << atLoad;
        }
    }
}

} // namespace
