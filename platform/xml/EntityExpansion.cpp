#include "platform/xml/EntityExpansion.h"

#include <unordered_map>

namespace Xml {

namespace {

const xmlEntity* EntityOf(const xmlNode* reference) {
    const xmlNode* child = reference->children;
    return child != nullptr && child->type == XML_ENTITY_DECL
               ? reinterpret_cast<const xmlEntity*>(child)
               : nullptr;
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
    explicit ContentCopier(xmlDocPtr document)
        : document_(document) {}

    // Appends copies of `first` and its siblings to `parent`; false if
    // memory ran out (what was copied stays linked).
    bool CopyList(const xmlNode* first, xmlNodePtr parent) {
        for (const xmlNode* node = first; node != nullptr; node = node->next) {
            xmlNodePtr copy = CopyNode(node);
            if (copy == nullptr) {
                return false;
            }
            Append(parent, copy);
            if (node->type == XML_ELEMENT_NODE &&
                (!CopyAttributes(node, copy) || !CopyList(node->children, copy))) {
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
            xmlNsPtr own = xmlCopyNamespace(const_cast<xmlNsPtr>(declaration));
            if (own == nullptr) {
                xmlFreeNode(copy);
                return nullptr;
            }
            *last = own;
            last = &own->next;
            copies_[declaration] = own;
        }
        copy->ns = Mapped(node->ns);
        return copy;
    }

    bool CopyAttributes(const xmlNode* node, xmlNodePtr copy) {
        for (const xmlAttr* attribute = node->properties; attribute != nullptr;
             attribute = attribute->next) {
            // Made without a value: a value would be read for entity references.
            xmlAttrPtr own = xmlNewNsProp(copy, Mapped(attribute->ns), attribute->name, nullptr);
            if (own == nullptr ||
                !CopyList(attribute->children, reinterpret_cast<xmlNodePtr>(own))) {
                return false;
            }
        }
        return true;
    }

    // The declaration a copy refers to: the copy's own where the original's
    // lies inside the copied content, else the original's.
    xmlNsPtr Mapped(xmlNsPtr declaration) const {
        const auto found = copies_.find(declaration);
        return found != copies_.end() ? found->second : declaration;
    }

    xmlDocPtr document_;
    std::unordered_map<const xmlNs*, xmlNsPtr> copies_;
};

bool Expand(xmlDocPtr document, xmlNodePtr reference, bool inAttribute,
            std::vector<xmlNodePtr>& expanded) {
    const xmlEntity* entity = EntityOf(reference);
    if (entity == nullptr || entity->children == nullptr) {
        return true;
    }
    reference->children = reference->last = nullptr;
    expanded.push_back(reference);
    // libxml2 reads an element's text (xmlNodeGetContent, and so XPath's
    // string-value) by adding, for each reference, the content of the entity
    // it looks up by the reference's document and name, and then walking
    // into the reference's children as well, which would count the copy
    // twice. A reference without a document finds no entity, so its copy
    // counts once. An attribute value's text takes the entity's content and
    // does not walk the children: there the reference keeps its document.
    if (!inAttribute) {
        reference->doc = nullptr;
    }
    return ContentCopier(document).CopyList(entity->children, reference);
}

// Walks `first` and its siblings depth first without recursion (elements
// may nest thousands deep), expanding each reference met and then walking
// its copy; attribute values are lists of their own.
bool ExpandList(xmlDocPtr document, xmlNodePtr first, bool inAttribute,
                std::vector<xmlNodePtr>& expanded) {
    xmlNodePtr node = first;
    const xmlNode* holder = first != nullptr ? first->parent : nullptr;
    while (node != nullptr) {
        xmlNodePtr down = nullptr;
        if (node->type == XML_ELEMENT_NODE) {
            for (xmlAttrPtr attribute = node->properties; attribute != nullptr;
                 attribute = attribute->next) {
                if (!ExpandList(document, attribute->children, true, expanded)) {
                    return false;
                }
            }
            down = node->children;
        } else if (node->type == XML_ENTITY_REF_NODE) {
            if (!Expand(document, node, inAttribute, expanded)) {
                return false;
            }
            down = EntityOf(node) == nullptr ? node->children : nullptr;
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

bool EntityExpansion::Expand(xmlDocPtr document) {
    if (xmlDtdPtr type = document->intSubset) {
        typeChildren_ = type->children;
        typeLast_ = type->last;
        type->children = type->last = nullptr;
    }
    return ExpandList(document, document->children, false, expanded_);
}

void EntityExpansion::Release(xmlDocPtr document) {
    for (auto reference = expanded_.rbegin(); reference != expanded_.rend(); ++reference) {
        xmlFreeNodeList((*reference)->children);
        (*reference)->children = (*reference)->last = nullptr;
        // Freeing needs the document's dictionary, which holds the name.
        (*reference)->doc = document;
    }
    expanded_.clear();
    if (typeChildren_ != nullptr) {
        document->intSubset->children = typeChildren_;
        document->intSubset->last = typeLast_;
        typeChildren_ = typeLast_ = nullptr;
    }
}

} // namespace Xml
