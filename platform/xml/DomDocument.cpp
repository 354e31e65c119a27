#include "platform/xml/DomDocument.h"

#include "platform/xml/BstrText.h"
#include "platform/xml/DomDocumentFactory.h"

namespace Xml {

namespace {

std::shared_ptr<DocumentTree> NewEmptyTree() {
    std::shared_ptr<DocumentTree> tree = EmptyDocumentTree();
    if (!tree) {
        throw std::bad_alloc();
    }
    return tree;
}

xmlNodePtr DocumentNodeOf(const std::shared_ptr<DocumentTree>& tree) {
    return reinterpret_cast<xmlNodePtr>(tree->Document());
}

HRESULT GetFlag(VARIANT_BOOL flag, VARIANT_BOOL* result) {
    if (result == nullptr) {
        return E_INVALIDARG;
    }
    *result = flag;
    return S_OK;
}

HRESULT PutFlag(VARIANT_BOOL value, VARIANT_BOOL& flag) {
    flag = value != VARIANT_FALSE ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

} // namespace

DomDocument::DomDocument()
    : NodeObject(NewEmptyTree(), nullptr) {
    tree_->SetOwner(*this);
    node_ = DocumentNodeOf(tree_);
}

STDMETHODIMP DomDocument::QueryInterface(REFIID iid, void** object) {
    return QueryAmong<IUnknown, IXMLDOMNode, IXMLDOMDocument, IXMLDOMDocument2>(this, iid, object);
}

STDMETHODIMP DomDocument::get_documentElement(IXMLDOMNode** element) {
    if (element == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] {
        return NewNodeObject(*this, tree_, xmlDocGetRootElement(tree_->Document()), element);
    });
}

STDMETHODIMP DomDocument::get_async(VARIANT_BOOL* async) {
    return GetFlag(async_, async);
}
STDMETHODIMP DomDocument::put_async(VARIANT_BOOL async) {
    return PutFlag(async, async_);
}

STDMETHODIMP DomDocument::get_validateOnParse(VARIANT_BOOL* validate) {
    return GetFlag(validateOnParse_, validate);
}
STDMETHODIMP DomDocument::put_validateOnParse(VARIANT_BOOL validate) {
    return PutFlag(validate, validateOnParse_);
}

STDMETHODIMP DomDocument::get_resolveExternals(VARIANT_BOOL* resolve) {
    return GetFlag(resolveExternals_, resolve);
}
STDMETHODIMP DomDocument::put_resolveExternals(VARIANT_BOOL resolve) {
    return PutFlag(resolve, resolveExternals_);
}

STDMETHODIMP DomDocument::get_preserveWhiteSpace(VARIANT_BOOL* preserve) {
    return GetFlag(preserveWhiteSpace_, preserve);
}
STDMETHODIMP DomDocument::put_preserveWhiteSpace(VARIANT_BOOL preserve) {
    return PutFlag(preserve, preserveWhiteSpace_);
}

STDMETHODIMP DomDocument::loadXML(BSTR xml, VARIANT_BOOL* successful) {
    if (successful != nullptr) {
        *successful = VARIANT_FALSE;
    }
    return Guarded([&] {
        std::shared_ptr<DocumentTree> loaded =
            LoadDocumentTree(CharactersOf(xml), preserveWhiteSpace_ != VARIANT_FALSE);
        const bool ok = loaded != nullptr;
        tree_ = ok ? std::move(loaded) : NewEmptyTree();
        tree_->SetOwner(*this);
        node_ = DocumentNodeOf(tree_);
        if (successful != nullptr) {
            *successful = ok ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return ok ? S_OK : S_FALSE;
    });
}

STDMETHODIMP DomDocument::setProperty(BSTR name, VARIANT value) {
    return Guarded([&] {
        const std::u16string_view property = CharactersOf(name);
        if (value.vt != VT_BSTR) {
            return E_FAIL;
        }
        const std::u16string_view text = CharactersOf(value.bstrVal);
        if (property == u"SelectionLanguage") {
            if (text == u"XPath") {
                selection_.language = SelectionLanguage::XPath;
            } else if (text == u"XSLPattern") {
                selection_.language = SelectionLanguage::XslPattern;
            } else {
                return E_FAIL;
            }
            return S_OK;
        }
        if (property == u"SelectionNamespaces") {
            selection_.namespacesText = text;
            selection_.namespacesValid =
                ParseSelectionNamespaces(Utf8FromBstr(value.bstrVal), selection_.bindings);
            return selection_.namespacesValid ? S_OK : E_FAIL;
        }
        return E_FAIL;
    });
}

STDMETHODIMP DomDocument::getProperty(BSTR name, VARIANT* value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(value);
    return Guarded([&] {
        const std::u16string_view property = CharactersOf(name);
        std::u16string text;
        if (property == u"SelectionLanguage") {
            text = selection_.language == SelectionLanguage::XPath ? u"XPath" : u"XSLPattern";
        } else if (property == u"SelectionNamespaces") {
            text = selection_.namespacesText;
        } else {
            return E_FAIL;
        }
        value->bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (value->bstrVal == nullptr) {
            return E_OUTOFMEMORY;
        }
        value->vt = VT_BSTR;
        return S_OK;
    });
}

HRESULT CreateDomDocument(REFIID iid, void** object) {
    return Guarded([&] {
        auto* document = new DomDocument();
        const HRESULT status = document->QueryInterface(iid, object);
        document->Release();
        return status;
    });
}

} // namespace Xml
