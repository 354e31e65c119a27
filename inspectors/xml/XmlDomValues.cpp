#include "inspectors/xml/XmlDomValues.h"

#include "frame/NoSuchObject.h"

#include <utility>

XmlDomNode MakeNode(const IXMLDOMDocument2Ptr& owner, IXMLDOMNodePtr node) {
    if (!node) {
        throw NoSuchObject();
    }
    return XmlDomNode{owner, std::move(node)};
}

XmlDomDocument MakeDocument(const IXMLDOMDocument2Ptr& document) {
    IXMLDOMNodePtr node(document);
    if (!node) {
        throw NoSuchObject();
    }
    return XmlDomDocument{{document, std::move(node)}, document};
}
