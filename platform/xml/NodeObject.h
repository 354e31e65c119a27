// The node methods, shared by plain nodes and the document object.
//
// Every node object holds a reference to its document object (for
// ownerDocument and the selection settings) and shares ownership of the tree
// it points into, so the libxml2 document lives until the last object that
// refers to it is released, even if the document object loaded another text
// meanwhile.
#pragma once

#include "platform/xml/ComObject.h"
#include "platform/xml/DocumentTree.h"

#include <memory>
#include <msxml2.h>

namespace Xml {

class DomDocument;

template <class Interface>
class NodeObject : public ComObject<Interface> {
public:
    STDMETHODIMP get_nodeName(BSTR* name) override;
    STDMETHODIMP get_nodeValue(VARIANT* value) override;
    STDMETHODIMP get_nodeType(DOMNodeType* type) override;
    STDMETHODIMP get_parentNode(IXMLDOMNode** parent) override;
    STDMETHODIMP get_childNodes(IXMLDOMNodeList** children) override;
    STDMETHODIMP get_firstChild(IXMLDOMNode** child) override;
    STDMETHODIMP get_lastChild(IXMLDOMNode** child) override;
    STDMETHODIMP get_previousSibling(IXMLDOMNode** sibling) override;
    STDMETHODIMP get_nextSibling(IXMLDOMNode** sibling) override;
    STDMETHODIMP get_attributes(IXMLDOMNamedNodeMap** attributes) override;
    STDMETHODIMP get_ownerDocument(IXMLDOMDocument** document) override;
    STDMETHODIMP hasChildNodes(VARIANT_BOOL* has) override;
    STDMETHODIMP get_text(BSTR* text) override;
    STDMETHODIMP get_xml(BSTR* xml) override;
    STDMETHODIMP selectNodes(BSTR query, IXMLDOMNodeList** nodes) override;
    STDMETHODIMP selectSingleNode(BSTR query, IXMLDOMNode** node) override;

protected:
    NodeObject(std::shared_ptr<DocumentTree> tree, xmlNodePtr node)
        : tree_(std::move(tree))
        , node_(node) {}

    // The document object this node belongs to (for the document, itself).
    virtual DomDocument& Document() = 0;

    std::shared_ptr<DocumentTree> tree_;
    xmlNodePtr node_;

private:
    HRESULT Neighbour(xmlNodePtr found, IXMLDOMNode** result);
};

// A node object for `node` of `tree`: S_FALSE with null for a null node; the
// document object itself for the document node of its current tree.
HRESULT NewNodeObject(DomDocument& document, const std::shared_ptr<DocumentTree>& tree,
                      xmlNodePtr node, IXMLDOMNode** result);

} // namespace Xml
