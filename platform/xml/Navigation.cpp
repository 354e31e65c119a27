#include "platform/xml/Navigation.h"

namespace Xml {

namespace {

// The node whose `children` list holds the DOM children of `node`.
const xmlNode* ChildHolder(const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
    case XML_DOCUMENT_FRAG_NODE:
        return node;
    case XML_ENTITY_REF_NODE:
        // Unexpanded, a reference points at its entity's declaration.
        return node->children != nullptr && node->children->type == XML_ENTITY_DECL ? nullptr
                                                                                    : node;
    default:
        return nullptr;
    }
}

bool IsShown(const xmlNode* node) {
    return node->type != XML_ATTRIBUTE_NODE;
}

} // namespace

xmlNodePtr FirstChildOf(const xmlNode* node) {
    const xmlNode* holder = ChildHolder(node);
    return holder != nullptr ? holder->children : nullptr;
}

xmlNodePtr LastChildOf(const xmlNode* node) {
    const xmlNode* holder = ChildHolder(node);
    return holder != nullptr ? holder->last : nullptr;
}

xmlNodePtr ParentOf(const xmlNode* node) {
    if (!IsShown(node) || node->parent == nullptr) {
        return nullptr;
    }
    switch (node->parent->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
    case XML_DOCUMENT_FRAG_NODE:
    case XML_ENTITY_REF_NODE:
        return node->parent;
    default:
        return nullptr;
    }
}

xmlNodePtr NextSiblingOf(const xmlNode* node) {
    return IsShown(node) ? node->next : nullptr;
}

xmlNodePtr PreviousSiblingOf(const xmlNode* node) {
    return IsShown(node) ? node->prev : nullptr;
}

} // namespace Xml
