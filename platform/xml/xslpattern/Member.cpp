#include "platform/xml/xslpattern/Member.h"

#include "platform/xml/NodeFacts.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>

namespace XslPattern {

namespace {

std::string_view Text(const xmlChar* text) {
    return text ? std::string_view(reinterpret_cast<const char*>(text)) : std::string_view();
}

} // namespace

Member MemberOf(xmlNodePtr xpathNode) {
    if (xpathNode && xpathNode->type == XML_NAMESPACE_DECL) {
        auto ns = reinterpret_cast<xmlNsPtr>(xpathNode);
        return {reinterpret_cast<xmlNodePtr>(ns->next), ns};
    }
    return {xpathNode, nullptr};
}

int DomNodeType(const Member& member) {
    if (member.IsDeclaration()) {
        return XML_ATTRIBUTE_NODE;
    }
    switch (member.node->type) {
    case XML_HTML_DOCUMENT_NODE:
        return XML_DOCUMENT_NODE;
    case XML_DTD_NODE:
        return XML_DOCUMENT_TYPE_NODE;
    default:
        return static_cast<int>(member.node->type);
    }
}

std::string_view Prefix(const Member& member) {
    if (member.IsDeclaration()) {
        return member.ns->prefix ? "xmlns" : "";
    }
    xmlNodePtr node = member.node;
    if ((node->type == XML_ELEMENT_NODE || node->type == XML_ATTRIBUTE_NODE) && node->ns) {
        return Text(node->ns->prefix);
    }
    return "";
}

std::string_view LocalName(const Member& member) {
    if (member.IsDeclaration()) {
        return member.ns->prefix ? Text(member.ns->prefix) : "xmlns";
    }
    switch (member.node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_PI_NODE:
    case XML_ENTITY_REF_NODE:
        return Text(member.node->name);
    default:
        return "";
    }
}

std::string_view NamespaceUri(const Member& member) {
    if (member.IsDeclaration()) {
        return "http://www.w3.org/2000/xmlns/";
    }
    xmlNodePtr node = member.node;
    if ((node->type == XML_ELEMENT_NODE || node->type == XML_ATTRIBUTE_NODE) && node->ns) {
        return Text(node->ns->href);
    }
    return "";
}

std::string DomNodeName(const Member& member) {
    if (member.IsDeclaration()) {
        return member.ns->prefix ? "xmlns:" + std::string(Text(member.ns->prefix)) : "xmlns";
    }
    return Xml::NameOf(member.node);
}

std::string TextValue(const Member& member) {
    if (member.IsDeclaration()) {
        return std::string(Text(member.ns->href));
    }
    std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlXPathCastNodeToString(member.node),
                                                     xmlFree);
    return std::string(Text(text.get()));
}

} // namespace XslPattern
