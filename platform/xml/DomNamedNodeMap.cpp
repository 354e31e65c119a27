#include "platform/xml/DomNamedNodeMap.h"

#include "platform/xml/BstrText.h"
#include "platform/xml/DomDocument.h"
#include "platform/xml/NodeFacts.h"

namespace Xml {

DomNamedNodeMap::DomNamedNodeMap(DomDocument& document, std::shared_ptr<DocumentTree> tree,
                                 std::vector<xmlNodePtr> attributes)
    : document_(document)
    , tree_(std::move(tree))
    , attributes_(std::move(attributes)) {
    document_.AddRef();
}

DomNamedNodeMap::~DomNamedNodeMap() {
    document_.Release();
}

STDMETHODIMP DomNamedNodeMap::QueryInterface(REFIID iid, void** object) {
    return QueryAmong<IUnknown, IXMLDOMNamedNodeMap>(this, iid, object);
}

STDMETHODIMP DomNamedNodeMap::getNamedItem(BSTR name, IXMLDOMNode** item) {
    if (item == nullptr) {
        return E_INVALIDARG;
    }
    *item = nullptr;
    return Guarded([&] {
        const std::string wanted = Utf8FromBstr(name);
        for (xmlNodePtr attribute : attributes_) {
            if (NameOf(attribute) == wanted) {
                return NewNodeObject(document_, tree_, attribute, item);
            }
        }
        return S_FALSE;
    });
}

STDMETHODIMP DomNamedNodeMap::get_item(LONG index, IXMLDOMNode** item) {
    if (item == nullptr) {
        return E_INVALIDARG;
    }
    *item = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= attributes_.size()) {
        return S_FALSE;
    }
    return Guarded([&] {
        return NewNodeObject(document_, tree_, attributes_[static_cast<std::size_t>(index)], item);
    });
}

STDMETHODIMP DomNamedNodeMap::get_length(LONG* length) {
    if (length == nullptr) {
        return E_INVALIDARG;
    }
    *length = static_cast<LONG>(attributes_.size());
    return S_OK;
}

} // namespace Xml
