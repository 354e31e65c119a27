#include "platform/xml/DomNode.h"

#include "platform/xml/DomDocument.h"

namespace Xml {

DomNode::DomNode(std::shared_ptr<DocumentTree> tree, xmlNodePtr node)
    : NodeObject(std::move(tree), node) {
    Document().AddRef();
}

DomNode::~DomNode() {
    Document().Release();
}

STDMETHODIMP DomNode::QueryInterface(REFIID iid, void** object) {
    return QueryAmong<IUnknown, IXMLDOMNode>(this, iid, object);
}

} // namespace Xml
