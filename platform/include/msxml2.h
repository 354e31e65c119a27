// The XML parser's document object model (MSXML 3.0), as far as it is
// offered here: documents loaded from text, nodes with their names, values,
// texts and markup, navigation, attribute maps, and selection by XPath or XSL
// pattern. Counts and indexes are LONG, the 32-bit type Windows calls long.
//
// Results follow the parser's conventions: an absent node or an index out of
// range is S_FALSE with a null out-reference; a failure is a negative code.
#pragma once

#include "oleauto.h"
#include "unknwn.h"

enum DOMNodeType {
    NODE_INVALID = 0,
    NODE_ELEMENT = 1,
    NODE_ATTRIBUTE = 2,
    NODE_TEXT = 3,
    NODE_CDATA_SECTION = 4,
    NODE_ENTITY_REFERENCE = 5,
    NODE_ENTITY = 6,
    NODE_PROCESSING_INSTRUCTION = 7,
    NODE_COMMENT = 8,
    NODE_DOCUMENT = 9,
    NODE_DOCUMENT_TYPE = 10,
    NODE_DOCUMENT_FRAGMENT = 11,
    NODE_NOTATION = 12,
};

inline constexpr IID IID_IXMLDOMNode{
    0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID IID_IXMLDOMDocument{
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID IID_IXMLDOMNodeList{
    0x2933BF82, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID IID_IXMLDOMNamedNodeMap{
    0x2933BF83, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr IID IID_IXMLDOMDocument2{
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
inline constexpr CLSID CLSID_DOMDocument30{
    0xF5078F32, 0xC551, 0x11D3, {0x89, 0xB9, 0x00, 0x00, 0xF8, 0x1F, 0xE2, 0x21}};

struct IXMLDOMNodeList;
struct IXMLDOMNamedNodeMap;
struct IXMLDOMDocument;

struct IXMLDOMNode : IUnknown {
    STDMETHOD(get_nodeName)(BSTR* name) PURE;
    // VT_BSTR for attributes, texts, CDATA, comments and processing
    // instructions; VT_NULL with S_FALSE for every other kind.
    STDMETHOD(get_nodeValue)(VARIANT* value) PURE;
    STDMETHOD(get_nodeType)(DOMNodeType* type) PURE;
    STDMETHOD(get_parentNode)(IXMLDOMNode** parent) PURE;
    STDMETHOD(get_childNodes)(IXMLDOMNodeList** children) PURE;
    STDMETHOD(get_firstChild)(IXMLDOMNode** child) PURE;
    STDMETHOD(get_lastChild)(IXMLDOMNode** child) PURE;
    STDMETHOD(get_previousSibling)(IXMLDOMNode** sibling) PURE;
    STDMETHOD(get_nextSibling)(IXMLDOMNode** sibling) PURE;
    STDMETHOD(get_attributes)(IXMLDOMNamedNodeMap** attributes) PURE;
    STDMETHOD(get_ownerDocument)(IXMLDOMDocument** document) PURE;
    STDMETHOD(hasChildNodes)(VARIANT_BOOL* has) PURE;
    STDMETHOD(get_text)(BSTR* text) PURE;
    STDMETHOD(get_xml)(BSTR* xml) PURE;
    STDMETHOD(selectNodes)(BSTR query, IXMLDOMNodeList** nodes) PURE;
    STDMETHOD(selectSingleNode)(BSTR query, IXMLDOMNode** node) PURE;

protected:
    ~IXMLDOMNode() = default;
};

struct IXMLDOMNodeList : IUnknown {
    STDMETHOD(get_item)(LONG index, IXMLDOMNode** item) PURE;
    STDMETHOD(get_length)(LONG* length) PURE;
    // The list's own cursor: the next item, or S_FALSE with null at the end.
    STDMETHOD(nextNode)(IXMLDOMNode** next) PURE;
    STDMETHOD(reset)() PURE;

protected:
    ~IXMLDOMNodeList() = default;
};

struct IXMLDOMNamedNodeMap : IUnknown {
    STDMETHOD(getNamedItem)(BSTR name, IXMLDOMNode** item) PURE;
    STDMETHOD(get_item)(LONG index, IXMLDOMNode** item) PURE;
    STDMETHOD(get_length)(LONG* length) PURE;

protected:
    ~IXMLDOMNamedNodeMap() = default;
};

struct IXMLDOMDocument : IXMLDOMNode {
    STDMETHOD(get_documentElement)(IXMLDOMNode** element) PURE;
    STDMETHOD(get_async)(VARIANT_BOOL* async) PURE;
    STDMETHOD(put_async)(VARIANT_BOOL async) PURE;
    STDMETHOD(get_validateOnParse)(VARIANT_BOOL* validate) PURE;
    // Validation is not offered: true is accepted and changes nothing.
    STDMETHOD(put_validateOnParse)(VARIANT_BOOL validate) PURE;
    STDMETHOD(get_resolveExternals)(VARIANT_BOOL* resolve) PURE;
    // External entities and document types are never loaded, whatever this says.
    STDMETHOD(put_resolveExternals)(VARIANT_BOOL resolve) PURE;
    STDMETHOD(get_preserveWhiteSpace)(VARIANT_BOOL* preserve) PURE;
    STDMETHOD(put_preserveWhiteSpace)(VARIANT_BOOL preserve) PURE;
    // S_OK with VARIANT_TRUE, or S_FALSE with VARIANT_FALSE and an empty document.
    STDMETHOD(loadXML)(BSTR xml, VARIANT_BOOL* successful) PURE;

protected:
    ~IXMLDOMDocument() = default;
};

struct IXMLDOMDocument2 : IXMLDOMDocument {
    // "SelectionLanguage" ("XSLPattern", the default, or "XPath") and
    // "SelectionNamespaces" (space-separated xmlns:p='uri' declarations, or
    // ""). Anything else fails with E_FAIL and changes nothing.
    STDMETHOD(setProperty)(BSTR name, VARIANT value) PURE;
    STDMETHOD(getProperty)(BSTR name, VARIANT* value) PURE;

protected:
    ~IXMLDOMDocument2() = default;
};

template <>
struct InterfaceIdOf<IXMLDOMNode> {
    static constexpr const IID& value = IID_IXMLDOMNode;
};
template <>
struct InterfaceIdOf<IXMLDOMDocument> {
    static constexpr const IID& value = IID_IXMLDOMDocument;
};
template <>
struct InterfaceIdOf<IXMLDOMDocument2> {
    static constexpr const IID& value = IID_IXMLDOMDocument2;
};
template <>
struct InterfaceIdOf<IXMLDOMNodeList> {
    static constexpr const IID& value = IID_IXMLDOMNodeList;
};
template <>
struct InterfaceIdOf<IXMLDOMNamedNodeMap> {
    static constexpr const IID& value = IID_IXMLDOMNamedNodeMap;
};
