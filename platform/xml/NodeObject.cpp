#include "platform/xml/NodeObject.h"

#include "platform/xml/BstrText.h"
#include "platform/xml/DomDocument.h"
#include "platform/xml/DomNamedNodeMap.h"
#include "platform/xml/DomNode.h"
#include "platform/xml/DomNodeList.h"
#include "platform/xml/Navigation.h"
#include "platform/xml/NodeFacts.h"
#include "platform/xml/NodeText.h"
#include "platform/xml/NodeXml.h"
#include "platform/xml/Selection.h"

namespace Xml {

HRESULT NewNodeObject(DomDocument& document, const std::shared_ptr<DocumentTree>& tree,
                      xmlNodePtr node, IXMLDOMNode** result) {
    *result = nullptr;
    if (node == nullptr) {
        return S_FALSE;
    }
    if (node == reinterpret_cast<xmlNodePtr>(document.Tree()->Document())) {
        document.AddRef();
        *result = &document;
        return S_OK;
    }
    *result = new DomNode(tree, node);
    return S_OK;
}

template <class Interface>
HRESULT NodeObject<Interface>::Neighbour(xmlNodePtr found, IXMLDOMNode** result) {
    if (result == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] { return NewNodeObject(Document(), tree_, found, result); });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_nodeName(BSTR* name) {
    if (name == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] { return NewBstr(NameOf(node_), name); });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_nodeValue(VARIANT* value) {
    if (value == nullptr) {
        return E_INVALIDARG;
    }
    VariantInit(value);
    if (!HasValue(node_)) {
        value->vt = VT_NULL;
        return S_FALSE;
    }
    return Guarded([&] {
        const HRESULT made = NewBstr(ValueOf(node_), &value->bstrVal);
        if (SUCCEEDED(made)) {
            value->vt = VT_BSTR;
        }
        return made;
    });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_nodeType(DOMNodeType* type) {
    if (type == nullptr) {
        return E_INVALIDARG;
    }
    *type = DomTypeOf(node_);
    return S_OK;
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_parentNode(IXMLDOMNode** parent) {
    return Neighbour(ParentOf(node_), parent);
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_childNodes(IXMLDOMNodeList** children) {
    if (children == nullptr) {
        return E_INVALIDARG;
    }
    *children = nullptr;
    return Guarded([&] {
        std::vector<xmlNodePtr> nodes;
        for (xmlNodePtr child = FirstChildOf(node_); child != nullptr;
             child = NextSiblingOf(child)) {
            nodes.push_back(child);
        }
        *children = new DomNodeList(Document(), tree_, std::move(nodes));
        return S_OK;
    });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_firstChild(IXMLDOMNode** child) {
    return Neighbour(FirstChildOf(node_), child);
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_lastChild(IXMLDOMNode** child) {
    return Neighbour(LastChildOf(node_), child);
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_previousSibling(IXMLDOMNode** sibling) {
    return Neighbour(PreviousSiblingOf(node_), sibling);
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_nextSibling(IXMLDOMNode** sibling) {
    return Neighbour(NextSiblingOf(node_), sibling);
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_attributes(IXMLDOMNamedNodeMap** attributes) {
    if (attributes == nullptr) {
        return E_INVALIDARG;
    }
    *attributes = nullptr;
    return Guarded([&] {
        std::vector<xmlNodePtr> nodes;
        if (node_->type == XML_ELEMENT_NODE) {
            nodes = tree_->AttributesOf(node_);
        } else if (node_ == tree_->Declaration()) {
            for (xmlAttrPtr attribute : tree_->DeclarationAttributes()) {
                nodes.push_back(reinterpret_cast<xmlNodePtr>(attribute));
            }
        } else {
            return S_FALSE;
        }
        *attributes = new DomNamedNodeMap(Document(), tree_, std::move(nodes));
        return S_OK;
    });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_ownerDocument(IXMLDOMDocument** document) {
    if (document == nullptr) {
        return E_INVALIDARG;
    }
    *document = nullptr;
    if (node_->type == XML_DOCUMENT_NODE) {
        return S_FALSE;
    }
    return Document().QueryInterface(IID_IXMLDOMDocument, reinterpret_cast<void**>(document));
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::hasChildNodes(VARIANT_BOOL* has) {
    if (has == nullptr) {
        return E_INVALIDARG;
    }
    const bool any = FirstChildOf(node_) != nullptr;
    *has = any ? VARIANT_TRUE : VARIANT_FALSE;
    return any ? S_OK : S_FALSE;
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_text(BSTR* text) {
    if (text == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] {
        VARIANT_BOOL preserve = VARIANT_FALSE;
        Document().get_preserveWhiteSpace(&preserve);
        return NewBstr(TextOf(*tree_, node_, preserve != VARIANT_FALSE), text);
    });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::get_xml(BSTR* xml) {
    if (xml == nullptr) {
        return E_INVALIDARG;
    }
    return Guarded([&] { return NewBstr(XmlOf(*tree_, node_), xml); });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::selectNodes(BSTR query, IXMLDOMNodeList** nodes) {
    // No query at all is a bad argument, unlike an empty one.
    if (query == nullptr || nodes == nullptr) {
        return E_INVALIDARG;
    }
    *nodes = nullptr;
    return Guarded([&] {
        std::vector<xmlNodePtr> selected;
        const HRESULT status =
            SelectNodes(*tree_, node_, Utf8FromBstr(query), Document().Selection(), selected);
        if (FAILED(status)) {
            return status;
        }
        *nodes = new DomNodeList(Document(), tree_, std::move(selected));
        return S_OK;
    });
}

template <class Interface>
STDMETHODIMP NodeObject<Interface>::selectSingleNode(BSTR query, IXMLDOMNode** node) {
    // No query at all is a bad argument, unlike an empty one.
    if (query == nullptr || node == nullptr) {
        return E_INVALIDARG;
    }
    *node = nullptr;
    return Guarded([&] {
        std::vector<xmlNodePtr> selected;
        const HRESULT status =
            SelectNodes(*tree_, node_, Utf8FromBstr(query), Document().Selection(), selected);
        if (FAILED(status)) {
            return status;
        }
        return NewNodeObject(Document(), tree_, selected.empty() ? nullptr : selected.front(),
                             node);
    });
}

template class NodeObject<IXMLDOMNode>;
template class NodeObject<IXMLDOMDocument2>;

} // namespace Xml
