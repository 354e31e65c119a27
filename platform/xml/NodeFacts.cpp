#include "platform/xml/NodeFacts.h"

namespace Xml {

namespace {

std::string Text(const xmlChar* text) {
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

std::string QualifiedName(const xmlNode* node) {
    std::string name;
    if (node->ns != nullptr && node->ns->prefix != nullptr) {
        name = Text(node->ns->prefix);
        name += ':';
    }
    return name + Text(node->name);
}

} // namespace

DOMNodeType DomTypeOf(const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
        return NODE_ELEMENT;
    case XML_ATTRIBUTE_NODE:
        return NODE_ATTRIBUTE;
    case XML_TEXT_NODE:
        return NODE_TEXT;
    case XML_CDATA_SECTION_NODE:
        return NODE_CDATA_SECTION;
    case XML_ENTITY_REF_NODE:
        return NODE_ENTITY_REFERENCE;
    case XML_ENTITY_NODE:
    case XML_ENTITY_DECL:
        return NODE_ENTITY;
    case XML_PI_NODE:
        return NODE_PROCESSING_INSTRUCTION;
    case XML_COMMENT_NODE:
        return NODE_COMMENT;
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
        return NODE_DOCUMENT;
    case XML_DOCUMENT_TYPE_NODE:
    case XML_DTD_NODE:
        return NODE_DOCUMENT_TYPE;
    case XML_DOCUMENT_FRAG_NODE:
        return NODE_DOCUMENT_FRAGMENT;
    case XML_NOTATION_NODE:
        return NODE_NOTATION;
    default:
        return NODE_INVALID;
    }
}

std::string NameOf(const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
        return QualifiedName(node);
    case XML_TEXT_NODE:
        return "#text";
    case XML_CDATA_SECTION_NODE:
        return "#cdata-section";
    case XML_COMMENT_NODE:
        return "#comment";
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
        return "#document";
    case XML_DOCUMENT_FRAG_NODE:
        return "#document-fragment";
    default:
        return Text(node->name);
    }
}

bool HasValue(const xmlNode* node) {
    switch (node->type) {
    case XML_ATTRIBUTE_NODE:
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
        return true;
    default:
        return false;
    }
}

std::string ValueOf(const xmlNode* node) {
    if (node->type == XML_ATTRIBUTE_NODE) {
        xmlChar* value = xmlNodeGetContent(node);
        std::string result = Text(value);
        xmlFree(value);
        return result;
    }
    return HasValue(node) ? Text(node->content) : std::string();
}

int NestingLevelOf(const xmlNode* node) {
    int level = 0;
    for (const xmlNode* up = node->parent; up != nullptr; up = up->parent) {
        if (up->type == XML_ELEMENT_NODE) {
            ++level;
        }
    }
    return level;
}

} // namespace Xml
