#include "platform/xml/DomNode.h"

#include "platform/xml/DomDocument.h"

namespace Xml {

DomNode::DomNode(DomDocument& document, std::shared_ptr<DocumentTree> tree, xmlNodePtr node)
    : NodeObject(std::move(tree), node)
    , document_(document) {
    document_.AddRef();
}

DomNode::~DomNode() {
    document_.Release();
}

STDMETHODIMP DomNode::QueryInterface(REFIID iid, void** object) {
    return QueryAmong<IUnknown, IXMLDOMNode>(this, iid, object);
}

} // namespace Xml
