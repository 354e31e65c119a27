// Entity references as the DOM shows them and as the selection languages
// see them. libxml2 hangs one shared copy of an entity's content under the
// entity's declaration and points each reference at it; its XPath neither
// enters that content nor counts it in text (and its node() test skips the
// reference). So the tree that XPath walks is the document with its entities
// expanded: every reference's place holds a copy of its entity's content
// (nested references expanded in turn), in element content and in attribute
// values alike, and the reference itself is taken out of the tree. The DOM
// still shows the reference: it keeps its copy's top nodes as its children,
// and each of those top nodes names the reference as its holder in its
// `_private` field (beside DocumentTree's marks), which Navigation reads.
#pragma once

#include <libxml/tree.h>
#include <vector>

namespace Xml {

// Whether `node` is a reference taken out of the tree for its copy.
bool IsExpandedReference(const xmlNode* node);
// The expanded reference whose copy `node` is a top node of, or null.
xmlNodePtr HolderOf(const xmlNode* node);

// Expands every entity reference in a document and owns the references
// taken out. The entities' own content, under the document type, is put out
// of reach meanwhile: XPath's preceding and following axes would otherwise
// walk into it.
class EntityExpansion {
public:
    EntityExpansion() = default;
    EntityExpansion(const EntityExpansion&) = delete;
    EntityExpansion& operator=(const EntityExpansion&) = delete;

    // Once, after loading; false if memory ran out (Release still applies).
    bool Expand(xmlDocPtr document);
    // Frees the references taken out and gives the document type its content
    // back, before libxml2 frees the document.
    void Release(xmlDocPtr document);

private:
    // The references taken out.
    std::vector<xmlNodePtr> expanded_;
    xmlNodePtr typeChildren_ = nullptr;
    xmlNodePtr typeLast_ = nullptr;
};

} // namespace Xml
