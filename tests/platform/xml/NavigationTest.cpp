// Moving between nodes, attribute maps, lists, and ownership of nodes.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

class Navigation : public ::testing::Test {
protected:
    IXMLDOMDocument2Ptr document =
        Load("<?xml version='1.0' standalone='yes'?><r a='1' xmlns='urn:d' b='2' "
             "xmlns:q='urn:q'><x/>text<y/></r>");

    IXMLDOMNodePtr Root() {
        IXMLDOMNodePtr root;
        EXPECT_EQ(document->get_documentElement(&root), S_OK);
        return root;
    }
};

// What the XML vocabulary's walks reach (first and last child, items past
// the end, the parent and owner of a document, unknown attribute names) is
// its own test's (tests/inspectors); these are the answers it never asks for.
TEST_F(Navigation, StepsReachNeighboursOrNothing) {
    IXMLDOMNodePtr root = Root();
    IXMLDOMNodePtr first, middle, up, none;
    ASSERT_EQ(root->get_firstChild(&first), S_OK);
    ASSERT_EQ(first->get_nextSibling(&middle), S_OK);
    EXPECT_EQ(ValueOf(middle), "text");
    EXPECT_EQ(first->get_previousSibling(&none), S_FALSE);
    EXPECT_FALSE(none);
    EXPECT_EQ(first->get_firstChild(&none), S_FALSE);
    ASSERT_EQ(root->get_parentNode(&up), S_OK);
    // The document node reached by navigation, or as the owner, is the
    // document object itself.
    EXPECT_EQ(static_cast<IXMLDOMNode*>(up), static_cast<IXMLDOMNode*>(IXMLDOMNodePtr(document)));
    IXMLDOMDocumentPtr owner;
    ASSERT_EQ(root->get_ownerDocument(&owner), S_OK);
    EXPECT_EQ(IXMLDOMDocument2Ptr(owner).GetInterfacePtr(), document.GetInterfacePtr());
    // Only elements and the XML declaration have attribute maps.
    IXMLDOMNamedNodeMapPtr attributes;
    EXPECT_EQ(document->get_attributes(&attributes), S_FALSE);
    EXPECT_FALSE(attributes);
    // A node is no document.
    IXMLDOMDocument* notADocument = nullptr;
    EXPECT_EQ(root->QueryInterface(IID_IXMLDOMDocument, reinterpret_cast<void**>(&notADocument)),
              E_NOINTERFACE);
    EXPECT_EQ(notADocument, nullptr);
}

// The attribute map lists declarations among attributes as written, none of
// them with a parent; lists and maps answer negative positions with null.
TEST_F(Navigation, ListsAndAttributeMaps) {
    IXMLDOMNamedNodeMapPtr attributes;
    ASSERT_EQ(Root()->get_attributes(&attributes), S_OK);
    std::string names;
    IXMLDOMNodePtr item, parent;
    for (LONG i = 0; attributes->get_item(i, &item) == S_OK; ++i) {
        names += NameOf(item) + "=" + ValueOf(item) + ";";
        EXPECT_EQ(item->get_parentNode(&parent), S_FALSE);
        EXPECT_FALSE(parent);
    }
    EXPECT_EQ(names, "a=1;xmlns=urn:d;b=2;xmlns:q=urn:q;");
    IXMLDOMNodeListPtr children;
    ASSERT_EQ(Root()->get_childNodes(&children), S_OK);
    EXPECT_EQ(children->get_item(-1, &item), S_FALSE);
    EXPECT_EQ(attributes->get_item(-1, &item), S_FALSE);
    EXPECT_FALSE(item);
}

// Nodes keep the tree they came from when their document object is released
// or loads another.
TEST_F(Navigation, NodesOutliveTheirDocumentObject) {
    IXMLDOMNodePtr root = Root();
    IXMLDOMNamedNodeMapPtr attributes;
    ASSERT_EQ(root->get_attributes(&attributes), S_OK);
    IXMLDOMNodePtr declaration, child, parent;
    ASSERT_EQ(attributes->get_item(1, &declaration), S_OK);
    ASSERT_EQ(root->get_firstChild(&child), S_OK);
    document = nullptr;
    attributes = nullptr;
    root = nullptr;
    EXPECT_EQ(XmlOf(declaration), "xmlns=\"urn:d\"");
    IXMLDOMDocumentPtr owner;
    ASSERT_EQ(child->get_ownerDocument(&owner), S_OK);
    EXPECT_EQ(XmlOf(owner), "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<r a=\"1\" "
                            "xmlns=\"urn:d\" b=\"2\" xmlns:q=\"urn:q\"><x/>text<y/></r>\r\n");
    ASSERT_TRUE(Loads(IXMLDOMDocument2Ptr(owner), Bstr("<other/>")));
    owner = nullptr;
    ASSERT_EQ(child->get_parentNode(&parent), S_OK);
    EXPECT_EQ(XmlOf(parent),
              "<r a=\"1\" xmlns=\"urn:d\" b=\"2\" xmlns:q=\"urn:q\"><x/>text<y/></r>");
}

} // namespace
