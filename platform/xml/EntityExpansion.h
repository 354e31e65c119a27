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
//
// Names in the content take their namespaces from where each reference
// stands, as they would had the content been written there: libxml2 parses
// an entity's content once, at its first reference, and what it cannot find
// declared there it loses (an attribute's prefix) or leaves unbound. So the
// parse marks each name of the content that no declaration inside the content
// binds, and each copy binds it anew, where it stands. A prefix bound nowhere
// there makes the document fail to load, like an undeclared prefix in it.
#pragma once

#include "platform/xml/AttributeOrder.h"

#include <libxml/tree.h>
#include <vector>

namespace Xml {

// Whether `node` is a reference taken out of the tree for its copy.
bool IsExpandedReference(const xmlNode* node);
// The expanded reference whose copy `node` is a top node of, or null.
xmlNodePtr HolderOf(const xmlNode* node);

// Marks the names of `element`, just built from entity content by libxml2's
// tree builder out of the tag that the parser reported (its local name and
// prefix, and the parser's five entries per attribute), that no declaration
// inside the content binds: each gets an unbound declaration of its prefix
// (a null href), kept on the element, which copies never take over.
void MarkUnboundNames(xmlNodePtr element, const xmlChar* localName, const xmlChar* prefix,
                      int attributeCount, const xmlChar** attributes);

// Expands every entity reference in a document and owns the references
// taken out. The entities' own content, under the document type, is put out
// of reach meanwhile: XPath's preceding and following axes would otherwise
// walk into it.
class EntityExpansion {
public:
    EntityExpansion() = default;
    EntityExpansion(const EntityExpansion&) = delete;
    EntityExpansion& operator=(const EntityExpansion&) = delete;

    // Once, after loading; false if memory ran out or a reference's content
    // uses a prefix not declared where it stands (Release still applies).
    // The copies' attributes keep their originals' order in `order`.
    bool Expand(xmlDocPtr document, AttributeOrder& order);
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
