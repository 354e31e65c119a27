#include "platform/xml/DomNodeList.h"

#include "platform/xml/DomDocument.h"

namespace Xml {

DomNodeList::DomNodeList(DomDocument& document, std::shared_ptr<DocumentTree> tree,
                         std::vector<xmlNodePtr> nodes)
    : document_(document)
    , tree_(std::move(tree))
    , nodes_(std::move(nodes)) {
    document_.AddRef();
}

DomNodeList::~DomNodeList() {
    document_.Release();
}

STDMETHODIMP DomNodeList::QueryInterface(REFIID iid, void** object) {
    return QueryAmong<IUnknown, IXMLDOMNodeList>(this, iid, object);
}

STDMETHODIMP DomNodeList::get_item(LONG index, IXMLDOMNode** item) {
    if (item == nullptr) {
        return E_INVALIDARG;
    }
    *item = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= nodes_.size()) {
        return S_FALSE;
    }
    return Guarded([&] {
        return NewNodeObject(document_, tree_, nodes_[static_cast<std::size_t>(index)], item);
    });
}

STDMETHODIMP DomNodeList::get_length(LONG* length) {
    if (length == nullptr) {
        return E_INVALIDARG;
    }
    *length = static_cast<LONG>(nodes_.size());
    return S_OK;
}

STDMETHODIMP DomNodeList::nextNode(IXMLDOMNode** next) {
    if (next == nullptr) {
        return E_INVALIDARG;
    }
    *next = nullptr;
    if (cursor_ >= nodes_.size()) {
        return S_FALSE;
    }
    return Guarded([&] { return NewNodeObject(document_, tree_, nodes_[cursor_++], next); });
}

STDMETHODIMP DomNodeList::reset() {
    cursor_ = 0;
    return S_OK;
}

} // namespace Xml
