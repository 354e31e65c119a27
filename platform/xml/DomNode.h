// Any node of a document other than the document itself.
#pragma once

#include "platform/xml/NodeObject.h"

namespace Xml {

class DomNode final : public NodeObject<IXMLDOMNode> {
public:
    // Holds a reference to the tree's owner, the document object.
    DomNode(std::shared_ptr<DocumentTree> tree, xmlNodePtr node);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;

private:
    ~DomNode() override;
    DomDocument& Document() override { return tree_->Owner(); }
};

} // namespace Xml
