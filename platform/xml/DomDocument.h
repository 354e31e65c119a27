// The document object of the class DOMDocument30.
#pragma once

#include "platform/xml/NodeObject.h"
#include "platform/xml/SelectionSettings.h"

namespace Xml {

class DomDocument final : public NodeObject<IXMLDOMDocument2> {
public:
    // Starts as an empty document; fails with std::bad_alloc.
    DomDocument();

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;

    STDMETHODIMP get_documentElement(IXMLDOMNode** element) override;
    STDMETHODIMP get_async(VARIANT_BOOL* async) override;
    STDMETHODIMP put_async(VARIANT_BOOL async) override;
    STDMETHODIMP get_validateOnParse(VARIANT_BOOL* validate) override;
    STDMETHODIMP put_validateOnParse(VARIANT_BOOL validate) override;
    STDMETHODIMP get_resolveExternals(VARIANT_BOOL* resolve) override;
    STDMETHODIMP put_resolveExternals(VARIANT_BOOL resolve) override;
    STDMETHODIMP get_preserveWhiteSpace(VARIANT_BOOL* preserve) override;
    STDMETHODIMP put_preserveWhiteSpace(VARIANT_BOOL preserve) override;
    STDMETHODIMP loadXML(BSTR xml, VARIANT_BOOL* successful) override;
    STDMETHODIMP setProperty(BSTR name, VARIANT value) override;
    STDMETHODIMP getProperty(BSTR name, VARIANT* value) override;

    const std::shared_ptr<DocumentTree>& Tree() const { return tree_; }
    const SelectionSettings& Selection() const { return selection_; }

private:
    ~DomDocument() override = default;
    DomDocument& Document() override { return *this; }

    VARIANT_BOOL async_ = VARIANT_TRUE;
    VARIANT_BOOL validateOnParse_ = VARIANT_TRUE;
    VARIANT_BOOL resolveExternals_ = VARIANT_FALSE;
    VARIANT_BOOL preserveWhiteSpace_ = VARIANT_FALSE;
    SelectionSettings selection_;
};

} // namespace Xml
