#include "platform/xml/EntityExpansion.h"

#include <cstdint>
#include <unordered_map>

namespace Xml {

namespace {

const xmlEntity* EntityOf(const xmlNode* reference) {
    const xmlNode* child = reference->children;
    return child != nullptr && child->type == XML_ENTITY_DECL
               ? reinterpret_cast<const xmlEntity*>(child)
               : nullptr;
}

// The declaration standing for `prefix` (null: the default namespace) on
// `element` when no declaration inside the content binds it; null where the
// element's own declaration is why (xmlns="" on an unprefixed name).
xmlNsPtr UnboundDeclaration(xmlNodePtr element, const xmlChar* prefix) {
    for (xmlNsPtr declaration = element->nsDef; declaration != nullptr;
         declaration = declaration->next) {
        if (xmlStrEqual(declaration->prefix, prefix) != 0) {
            return declaration->href == nullptr ? declaration : nullptr;
        }
    }
    return xmlNewNs(element, nullptr, prefix);
}

bool IsUnbound(const xmlNs* declaration) {
    return declaration != nullptr && declaration->href == nullptr;
}

// The declaration of `prefix` in scope at `node`, looking through expanded
// references to where they stand; null for none, and for the default
// namespace undeclared (xmlns="").
xmlNsPtr InScope(const xmlNode* node, const xmlChar* prefix) {
    for (; node != nullptr; node = node->parent) {
        if (node->type != XML_ELEMENT_NODE) {
            continue;
        }
        for (xmlNsPtr declaration = node->nsDef; declaration != nullptr;
             declaration = declaration->next) {
            if (!IsUnbound(declaration) && xmlStrEqual(declaration->prefix, prefix) != 0) {
                return declaration->href[0] != 0 ? declaration : nullptr;
            }
        }
    }
    return nullptr;
}

void Append(xmlNodePtr parent, xmlNodePtr child) {
    child->parent = parent;
    if (parent->last == nullptr) {
        parent->children = parent->last = child;
    } else {
        child->prev = parent->last;
        parent->last->next = child;
        parent->last = child;
    }
}

// Copies content node by node. libxml2's own copy would declare anew, on the
// copy, every namespace that the entity's content uses but does not declare
// itself; here a copy uses the very declaration the original does.
class ContentCopier {
public:
    ContentCopier(xmlDocPtr document, AttributeOrder& order)
        : document_(document)
        , order_(order) {}

    // Appends copies of `first` and its siblings to `parent`, which stands
    // where its copies will; false if memory ran out or a prefix is bound
    // nowhere there (what was copied stays linked).
    bool CopyList(const xmlNode* first, xmlNodePtr parent) {
        for (const xmlNode* node = first; node != nullptr; node = node->next) {
            xmlNodePtr copy = CopyNode(node);
            if (copy == nullptr) {
                return false;
            }
            Append(parent, copy);
            if (node->type == XML_ELEMENT_NODE &&
                (!Bind(node->ns, copy, copy->ns) || !CopyAttributes(node, copy) ||
                 !CopyList(node->children, copy))) {
                return false;
            }
        }
        return true;
    }

private:
    xmlNodePtr CopyNode(const xmlNode* node) {
        switch (node->type) {
        case XML_ELEMENT_NODE:
            return CopyElement(node);
        case XML_TEXT_NODE:
            return xmlNewDocText(document_, node->content);
        case XML_CDATA_SECTION_NODE:
            return xmlNewCDataBlock(document_, node->content, xmlStrlen(node->content));
        case XML_COMMENT_NODE:
            return xmlNewDocComment(document_, node->content);
        case XML_PI_NODE:
            return xmlNewDocPI(document_, node->name, node->content);
        case XML_ENTITY_REF_NODE:
            return xmlNewReference(document_, node->name);
        default:
            // Nothing else occurs in parsed content; an empty text keeps the
            // sibling list whole.
            return xmlNewDocText(document_, BAD_CAST "");
        }
    }

    xmlNodePtr CopyElement(const xmlNode* node) {
        xmlNodePtr copy = xmlNewDocNode(document_, nullptr, node->name, nullptr);
        if (copy == nullptr) {
            return nullptr;
        }
        xmlNsPtr* last = &copy->nsDef;
        for (const xmlNs* declaration = node->nsDef; declaration != nullptr;
             declaration = declaration->next) {
            if (IsUnbound(declaration)) {
                continue;
            }
            xmlNsPtr own = xmlCopyNamespace(const_cast<xmlNsPtr>(declaration));
            if (own == nullptr) {
                xmlFreeNode(copy);
                return nullptr;
            }
            *last = own;
            last = &own->next;
            copies_[declaration] = own;
        }
        order_.NoteCopy(node, copy);
        return copy;
    }

    bool CopyAttributes(const xmlNode* node, xmlNodePtr copy) {
        for (const xmlAttr* attribute = node->properties; attribute != nullptr;
             attribute = attribute->next) {
            xmlNsPtr bound = nullptr;
            if (!Bind(attribute->ns, copy, bound)) {
                return false;
            }
            // Made without a value: a value would be read for entity references.
            xmlAttrPtr own = xmlNewNsProp(copy, bound, attribute->name, nullptr);
            if (own == nullptr ||
                !CopyList(attribute->children, reinterpret_cast<xmlNodePtr>(own))) {
                return false;
            }
        }
        return true;
    }

    // The declaration a name of `element`, a copy, refers to, for the
    // original's `declaration`: the copy's own where the original's lies
    // inside the copied content; the one in scope where the copy stands for
    // an unbound one; else the original's (the xml prefix's). False for a
    // prefix bound nowhere there.
    bool Bind(xmlNsPtr declaration, const xmlNode* element, xmlNsPtr& bound) const {
        if (const auto found = copies_.find(declaration); found != copies_.end()) {
            bound = found->second;
            return true;
        }
        if (!IsUnbound(declaration)) {
            bound = declaration;
            return true;
        }
        bound = InScope(element, declaration->prefix);
        return bound != nullptr || declaration->prefix == nullptr;
    }

    xmlDocPtr document_;
    AttributeOrder& order_;
    std::unordered_map<const xmlNs*, xmlNsPtr> copies_;
};

constexpr std::uintptr_t MarkBits = 7; // DocumentTree's marks share the field

void SetHolder(xmlNodePtr node, xmlNodePtr holder) {
    const auto marks = reinterpret_cast<std::uintptr_t>(node->_private) & MarkBits;
    node->_private = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(holder) | marks);
}

// Puts a copy of the entity's content in the reference's place in the tree
// and takes the reference out, keeping the copy as its DOM children. Returns
// the first node put in its place, the reference itself where there is
// nothing to put, or null if memory ran out.
xmlNodePtr Expand(xmlDocPtr document, AttributeOrder& order, xmlNodePtr reference) {
    const xmlEntity* entity = EntityOf(reference);
    if (entity == nullptr || entity->children == nullptr) {
        return reference;
    }
    reference->children = reference->last = nullptr;
    if (!ContentCopier(document, order).CopyList(entity->children, reference)) {
        xmlFreeNodeList(reference->children);
        reference->children = reference->last = reinterpret_cast<xmlNodePtr>(
            const_cast<xmlEntity*>(entity));
        return nullptr;
    }
    xmlNodePtr first = reference->children;
    xmlNodePtr last = reference->last;
    for (xmlNodePtr copy = first; copy != nullptr; copy = copy->next) {
        copy->parent = reference->parent;
        SetHolder(copy, reference);
    }
    first->prev = reference->prev;
    last->next = reference->next;
    if (reference->prev != nullptr) {
        reference->prev->next = first;
    } else {
        reference->parent->children = first;
    }
    if (reference->next != nullptr) {
        reference->next->prev = last;
    } else {
        reference->parent->last = last;
    }
    reference->prev = reference->next = nullptr;
    return first;
}

// Walks `first` and its siblings depth first without recursion (elements
// may nest thousands deep), expanding each reference met and walking on
// through what took its place; attribute values are lists of their own.
bool ExpandList(xmlDocPtr document, AttributeOrder& order, xmlNodePtr first,
                std::vector<xmlNodePtr>& expanded) {
    xmlNodePtr node = first;
    const xmlNode* holder = first != nullptr ? first->parent : nullptr;
    while (node != nullptr) {
        if (node->type == XML_ENTITY_REF_NODE) {
            xmlNodePtr replacement = Expand(document, order, node);
            if (replacement == nullptr) {
                return false;
            }
            if (replacement != node) {
                expanded.push_back(node);
                node = replacement;
                continue;
            }
        }
        xmlNodePtr down = nullptr;
        if (node->type == XML_ELEMENT_NODE) {
            for (xmlAttrPtr attribute = node->properties; attribute != nullptr;
                 attribute = attribute->next) {
                if (!ExpandList(document, order, attribute->children, expanded)) {
                    return false;
                }
            }
            down = node->children;
        }
        if (down != nullptr) {
            node = down;
            continue;
        }
        while (node != nullptr && node->next == nullptr) {
            node = node->parent;
            if (node == holder) {
                node = nullptr;
            }
        }
        if (node != nullptr) {
            node = node->next;
        }
    }
    return true;
}

} // namespace

void MarkUnboundNames(xmlNodePtr element, const xmlChar* localName, const xmlChar* prefix,
                      int attributeCount, const xmlChar** attributes) {
    // A prefix bound nowhere in the parse's context left its name qualified.
    if (element->ns == nullptr) {
        if (prefix != nullptr) {
            xmlNodeSetName(element, localName);
        }
        element->ns = UnboundDeclaration(element, prefix);
    }
    xmlAttrPtr attribute = element->properties;
    for (int i = 0; i < attributeCount && attribute != nullptr;
         ++i, attribute = attribute->next) {
        const xmlChar* const* entries = attributes + 5 * i;
        if (entries[1] != nullptr && attribute->ns == nullptr) {
            xmlNodeSetName(reinterpret_cast<xmlNodePtr>(attribute), entries[0]);
            attribute->ns = UnboundDeclaration(element, entries[1]);
        }
    }
}

bool IsExpandedReference(const xmlNode* node) {
    return node->type == XML_ENTITY_REF_NODE && node->children != nullptr &&
           node->children->type != XML_ENTITY_DECL;
}

xmlNodePtr HolderOf(const xmlNode* node) {
    return reinterpret_cast<xmlNodePtr>(reinterpret_cast<std::uintptr_t>(node->_private) &
                                        ~MarkBits);
}

bool EntityExpansion::Expand(xmlDocPtr document, AttributeOrder& order) {
    xmlDtdPtr type = document->intSubset;
    if (type == nullptr) {
        return true; // without a document type, no reference to expand
    }
    typeChildren_ = type->children;
    typeLast_ = type->last;
    type->children = type->last = nullptr;
    return ExpandList(document, order, document->children, expanded_);
}

void EntityExpansion::Release(xmlDocPtr document) {
    // The copies are the tree's now; the references are no longer in it.
    for (xmlNodePtr reference : expanded_) {
        reference->children = reference->last = nullptr;
        xmlFreeNode(reference);
    }
    expanded_.clear();
    if (typeChildren_ != nullptr) {
        document->intSubset->children = typeChildren_;
        document->intSubset->last = typeLast_;
        typeChildren_ = typeLast_ = nullptr;
    }
}

} // namespace Xml
