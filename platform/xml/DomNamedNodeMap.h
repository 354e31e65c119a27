// The attributes of an element (namespace declarations included) or the
// pseudo-attributes of the XML declaration.
#pragma once

#include "platform/xml/ComObject.h"
#include "platform/xml/DocumentTree.h"

#include <memory>
#include <msxml2.h>
#include <vector>

namespace Xml {

class DomDocument;

class DomNamedNodeMap final : public ComObject<IXMLDOMNamedNodeMap> {
public:
    DomNamedNodeMap(DomDocument& document, std::shared_ptr<DocumentTree> tree,
                    std::vector<xmlNodePtr> attributes);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    // Matches the qualified name exactly, with case.
    STDMETHODIMP getNamedItem(BSTR name, IXMLDOMNode** item) override;
    STDMETHODIMP get_item(LONG index, IXMLDOMNode** item) override;
    STDMETHODIMP get_length(LONG* length) override;

private:
    ~DomNamedNodeMap() override;

    DomDocument& document_;
    std::shared_ptr<DocumentTree> tree_;
    std::vector<xmlNodePtr> attributes_;
};

} // namespace Xml
