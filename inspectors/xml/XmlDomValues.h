// The values of "xml dom node" and "xml dom document": counted references to
// the parser's objects, never XML text or tree nodes of the library's own.
// Every value holds a reference to its whole document (`owner`), so a node
// may outlive the document value it was reached from and the host may
// destroy values in any order.
#pragma once

#include "frame/NoSuchObject.h"

#include <comdef.h>
#include <utility>

struct XmlDomNode {
    IXMLDOMDocument2Ptr owner; // selection settings live here; copied into every node reached
    IXMLDOMNodePtr node;       // never null in a value that exists
};

// Leads with an XmlDomNode, so a document is accepted wherever a node is.
// Destroyed in reverse order of the fields: document, node, owner.
struct XmlDomDocument : XmlDomNode {
    IXMLDOMDocument2Ptr document;
};
// Two and three words: 8 and 12 bytes on 32-bit Windows.
static_assert(sizeof(XmlDomNode) == 2 * sizeof(void*));
static_assert(sizeof(XmlDomDocument) == 3 * sizeof(void*));

inline const char* XmlDomNodeTypeName() {
    return "xml dom node";
}
inline const char* XmlDomDocumentTypeName() {
    return "xml dom document";
}

// The one place where an absent node becomes "no value": a null `node` raises
// NoSuchObject. Inline, as every step of an iteration makes one.
inline XmlDomNode MakeNode(const IXMLDOMDocument2Ptr& owner, IXMLDOMNodePtr node) {
    if (!node) {
        throw NoSuchObject();
    }
    return XmlDomNode{owner, std::move(node)};
}

// The document as owner, as node and as document. A null reference, or an
// object that is no node, raises NoSuchObject.
XmlDomDocument MakeDocument(const IXMLDOMDocument2Ptr& document);
