#include "platform/xml/Navigation.h"

#include "platform/xml/EntityExpansion.h"

namespace Xml {

namespace {

bool HoldsChildren(const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
    case XML_ATTRIBUTE_NODE:
    case XML_DOCUMENT_NODE:
    case XML_HTML_DOCUMENT_NODE:
    case XML_DOCUMENT_FRAG_NODE:
        return true;
    default:
        return false;
    }
}

bool IsShown(const xmlNode* node) {
    return node->type != XML_ATTRIBUTE_NODE;
}

// The node that `node`, a node of the tree, stands for among the DOM
// children of `holder` (null: of an element, attribute or document): the
// outermost expanded reference inside `holder` whose copy begins or ends
// with `node`, or `node` itself.
xmlNodePtr Lift(xmlNodePtr node, const xmlNode* holder) {
    while (node != nullptr && HolderOf(node) != holder) {
        node = HolderOf(node);
    }
    return node;
}

// The tree's nodes at either end of what `node` stands for.
const xmlNode* FirstInTree(const xmlNode* node) {
    while (IsExpandedReference(node)) {
        node = node->children;
    }
    return node;
}

const xmlNode* LastInTree(const xmlNode* node) {
    while (IsExpandedReference(node)) {
        node = node->last;
    }
    return node;
}

} // namespace

xmlNodePtr FirstChildOf(const xmlNode* node) {
    if (IsExpandedReference(node)) {
        return node->children;
    }
    return HoldsChildren(node) ? Lift(node->children, nullptr) : nullptr;
}

xmlNodePtr LastChildOf(const xmlNode* node) {
    if (IsExpandedReference(node)) {
        return node->last;
    }
    return HoldsChildren(node) ? Lift(node->last, nullptr) : nullptr;
}

xmlNodePtr ParentOf(const xmlNode* node) {
    if (!IsShown(node)) {
        return nullptr;
    }
    if (xmlNodePtr holder = HolderOf(node)) {
        return holder;
    }
    return node->parent != nullptr && HoldsChildren(node->parent) ? node->parent : nullptr;
}

xmlNodePtr NextSiblingOf(const xmlNode* node) {
    if (!IsShown(node)) {
        return nullptr;
    }
    const xmlNode* holder = HolderOf(node);
    if (holder != nullptr && holder->last == node) {
        return nullptr;
    }
    return Lift(LastInTree(node)->next, holder);
}

xmlNodePtr PreviousSiblingOf(const xmlNode* node) {
    if (!IsShown(node)) {
        return nullptr;
    }
    const xmlNode* holder = HolderOf(node);
    if (holder != nullptr && holder->children == node) {
        return nullptr;
    }
    return Lift(FirstInTree(node)->prev, holder);
}

} // namespace Xml
