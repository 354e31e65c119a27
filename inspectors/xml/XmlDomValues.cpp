#include "inspectors/xml/XmlDomValues.h"

#include "frame/NoSuchObject.h"

#include <utility>

XmlDomDocument MakeDocument(const IXMLDOMDocument2Ptr& document) {
    IXMLDOMNodePtr node(document);
    if (!node) {
        throw NoSuchObject();
    }
    return XmlDomDocument{{document, std::move(node)}, document};
}
