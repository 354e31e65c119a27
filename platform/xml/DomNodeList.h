// A static list of nodes (children, or the result of a selection).
#pragma once

#include "platform/xml/ComObject.h"
#include "platform/xml/DocumentTree.h"

#include <memory>
#include <msxml2.h>
#include <vector>

namespace Xml {

class DomDocument;

class DomNodeList final : public ComObject<IXMLDOMNodeList> {
public:
    DomNodeList(DomDocument& document, std::shared_ptr<DocumentTree> tree,
                std::vector<xmlNodePtr> nodes);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP get_item(LONG index, IXMLDOMNode** item) override;
    STDMETHODIMP get_length(LONG* length) override;
    STDMETHODIMP nextNode(IXMLDOMNode** next) override;
    STDMETHODIMP reset() override;

private:
    ~DomNodeList() override;

    DomDocument& document_;
    std::shared_ptr<DocumentTree> tree_;
    std::vector<xmlNodePtr> nodes_;
    std::size_t cursor_ = 0;
};

} // namespace Xml
