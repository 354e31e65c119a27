// Moving between nodes, attribute maps, lists, and ownership of nodes.
#include "tests/platform/xml/DomHarness.h"

using namespace DomTest;

namespace {

class Navigation : public ::testing::Test {
protected:
    ComScope com;
    IXMLDOMDocument2Ptr document =
        Load("<?xml version='1.0' standalone='yes'?><r a='1' xmlns='urn:d' b='2' "
             "xmlns:q='urn:q'><x/>text<y/></r>");

    IXMLDOMNodePtr Root() {
        IXMLDOMNodePtr root;
        EXPECT_EQ(document->get_documentElement(&root), S_OK);
        return root;
    }
};

TEST_F(Navigation, StepsReachNeighboursOrNothing) {
    IXMLDOMNodePtr root = Root();
    IXMLDOMNodePtr first;
    IXMLDOMNodePtr last;
    IXMLDOMNodePtr up;
    ASSERT_EQ(root->get_firstChild(&first), S_OK);
    ASSERT_EQ(root->get_lastChild(&last), S_OK);
    EXPECT_EQ(NameOf(first), "x");
    EXPECT_EQ(NameOf(last), "y");
    IXMLDOMNodePtr middle;
    ASSERT_EQ(first->get_nextSibling(&middle), S_OK);
    EXPECT_EQ(ValueOf(middle), "text");
    IXMLDOMNodePtr none;
    EXPECT_EQ(first->get_previousSibling(&none), S_FALSE);
    EXPECT_FALSE(none);
    EXPECT_EQ(last->get_nextSibling(&none), S_FALSE);
    EXPECT_EQ(first->get_firstChild(&none), S_FALSE);
    EXPECT_EQ(document->get_parentNode(&none), S_FALSE);
    ASSERT_EQ(root->get_parentNode(&up), S_OK);
    EXPECT_EQ(TypeOf(up), NODE_DOCUMENT);
    // The document node reached by navigation is the document object itself.
    EXPECT_EQ(static_cast<IXMLDOMNode*>(up), static_cast<IXMLDOMNode*>(IXMLDOMNodePtr(document)));
}

TEST_F(Navigation, ListsAndMapsAnswerOutOfRangeWithNull) {
    IXMLDOMNodeListPtr children;
    ASSERT_EQ(Root()->get_childNodes(&children), S_OK);
    IXMLDOMNamedNodeMapPtr attributes;
    ASSERT_EQ(Root()->get_attributes(&attributes), S_OK);
    for (LONG index : {-1, 3, 4, 1000}) {
        IXMLDOMNodePtr item;
        EXPECT_EQ(children->get_item(index, &item), S_FALSE) << index;
        EXPECT_FALSE(item);
        EXPECT_EQ(attributes->get_item(index + (index >= 0 ? 1 : 0), &item), S_FALSE) << index;
        EXPECT_FALSE(item);
    }
    IXMLDOMNodePtr unknown;
    EXPECT_EQ(attributes->getNamedItem(Bstr("c"), &unknown), S_FALSE);
    EXPECT_EQ(attributes->getNamedItem(Bstr("A"), &unknown), S_FALSE);
    EXPECT_FALSE(unknown);
}

TEST_F(Navigation, AttributeMapListsDeclarationsAmongAttributesAsWritten) {
    IXMLDOMNamedNodeMapPtr attributes;
    ASSERT_EQ(Root()->get_attributes(&attributes), S_OK);
    std::string names;
    for (LONG i = 0;; ++i) {
        IXMLDOMNodePtr item;
        if (attributes->get_item(i, &item) != S_OK) {
            break;
        }
        names += NameOf(item) + "=" + ValueOf(item) + ";";
        IXMLDOMNodePtr parent;
        EXPECT_EQ(item->get_parentNode(&parent), S_FALSE);
        EXPECT_FALSE(parent);
    }
    EXPECT_EQ(names, "a=1;xmlns=urn:d;b=2;xmlns:q=urn:q;");
}

TEST_F(Navigation, OnlyElementsAndTheDeclarationHaveAttributeMaps) {
    IXMLDOMNodePtr declaration;
    ASSERT_EQ(document->get_firstChild(&declaration), S_OK);
    IXMLDOMNamedNodeMapPtr pseudo;
    ASSERT_EQ(declaration->get_attributes(&pseudo), S_OK);
    IXMLDOMNodePtr standalone;
    ASSERT_EQ(pseudo->getNamedItem(Bstr("standalone"), &standalone), S_OK);
    EXPECT_EQ(ValueOf(standalone), "yes");
    EXPECT_EQ(TextOf(declaration), "version=\"1.0\" standalone=\"yes\"");
    EXPECT_EQ(XmlOf(declaration), "<?xml version=\"1.0\" standalone=\"yes\"?>");

    IXMLDOMNodePtr last;
    ASSERT_EQ(Root()->get_lastChild(&last), S_OK);
    IXMLDOMNodePtr text;
    ASSERT_EQ(last->get_previousSibling(&text), S_OK);
    for (IXMLDOMNode* node :
         {static_cast<IXMLDOMNode*>(text), static_cast<IXMLDOMNode*>(document)}) {
        IXMLDOMNamedNodeMapPtr none;
        EXPECT_EQ(node->get_attributes(&none), S_FALSE);
        EXPECT_FALSE(none);
    }
}

TEST_F(Navigation, OwnerDocumentIsTheDocumentExceptForItself) {
    IXMLDOMDocumentPtr owner;
    EXPECT_EQ(document->get_ownerDocument(&owner), S_FALSE);
    EXPECT_FALSE(owner);
    ASSERT_EQ(Root()->get_ownerDocument(&owner), S_OK);
    IXMLDOMDocument2Ptr converted(owner);
    EXPECT_EQ(static_cast<IXMLDOMDocument2*>(converted), static_cast<IXMLDOMDocument2*>(document));
}

TEST_F(Navigation, NodesOutliveTheirDocumentObject) {
    IXMLDOMNodePtr root = Root();
    IXMLDOMNamedNodeMapPtr attributes;
    ASSERT_EQ(root->get_attributes(&attributes), S_OK);
    IXMLDOMNodePtr declaration;
    ASSERT_EQ(attributes->get_item(1, &declaration), S_OK);
    document = nullptr;
    attributes = nullptr;
    EXPECT_EQ(XmlOf(declaration), "xmlns=\"urn:d\"");
    IXMLDOMNodePtr child;
    ASSERT_EQ(root->get_firstChild(&child), S_OK);
    root = nullptr;
    IXMLDOMDocumentPtr owner;
    ASSERT_EQ(child->get_ownerDocument(&owner), S_OK);
    EXPECT_EQ(XmlOf(owner), "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<r a=\"1\" "
                            "xmlns=\"urn:d\" b=\"2\" xmlns:q=\"urn:q\"><x/>text<y/></r>\r\n");
}

TEST_F(Navigation, NodesKeepTheTreeTheyCameFromWhenTheDocumentReloads) {
    IXMLDOMNodePtr root = Root();
    ASSERT_TRUE(Loads(document, "<other/>"));
    EXPECT_EQ(NameOf(root), "r");
    IXMLDOMNodePtr parent;
    ASSERT_EQ(root->get_parentNode(&parent), S_OK);
    EXPECT_EQ(TypeOf(parent), NODE_DOCUMENT);
    EXPECT_EQ(XmlOf(document), "<other/>\r\n");
}

TEST_F(Navigation, ReferenceCountsBalance) {
    IXMLDOMNode* root = nullptr;
    ASSERT_EQ(document->get_documentElement(&root), S_OK);
    EXPECT_EQ(root->AddRef(), 2u);
    EXPECT_EQ(root->Release(), 1u);
    IUnknown* unknown = nullptr;
    ASSERT_EQ(root->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown->Release(), 1u);
    IXMLDOMDocument* notADocument = nullptr;
    EXPECT_EQ(root->QueryInterface(IID_IXMLDOMDocument, reinterpret_cast<void**>(&notADocument)),
              E_NOINTERFACE);
    EXPECT_EQ(notADocument, nullptr);
    EXPECT_EQ(root->Release(), 0u);
}

} // namespace
