#include "platform/xml/xslpattern/XslPattern.h"

namespace XslPattern {

namespace {

// Entity references inside attribute values stay nodes too.
bool HasEntityReference(const xmlAttr* attribute) {
    for (const xmlNode* child = attribute->children; child != nullptr; child = child->next) {
        if (child->type == XML_ENTITY_REF_NODE) {
            return true;
        }
    }
    return false;
}

void Note(const xmlNode* element, DocumentFacts& facts) {
    if (element->ns != nullptr && element->ns->prefix == nullptr) {
        facts.noDefaultNamespace = false;
    }
    for (const xmlAttr* attribute = element->properties; attribute != nullptr;
         attribute = attribute->next) {
        if (HasEntityReference(attribute)) {
            facts.noEntityReferences = false;
        }
    }
}

bool AnyLeft(const DocumentFacts& facts) {
    return facts.noDefaultNamespace || facts.noEntityReferences;
}

} // namespace

DocumentFacts FactsOf(const xmlDoc* document) {
    DocumentFacts facts{true, true};
    if (document == nullptr) {
        return facts;
    }
    // Depth-first without recursion: documents may nest deeply. The DTD and
    // the entities' own content are out of XPath's reach; what an expanded
    // reference stands for is in the tree in its place (EntityExpansion.h).
    const auto* top = reinterpret_cast<const xmlNode*>(document);
    const xmlNode* node = document->children;
    while (node != nullptr && AnyLeft(facts)) {
        const xmlNode* down = nullptr;
        if (node->type == XML_ENTITY_REF_NODE) {
            facts.noEntityReferences = false;
        } else if (node->type == XML_ELEMENT_NODE) {
            Note(node, facts);
            down = node->children;
        }
        if (down != nullptr) {
            node = down;
            continue;
        }
        while (node != nullptr && node->next == nullptr) {
            node = node->parent;
            if (node == top) {
                node = nullptr;
            }
        }
        if (node != nullptr) {
            node = node->next;
        }
    }
    return facts;
}

} // namespace XslPattern
