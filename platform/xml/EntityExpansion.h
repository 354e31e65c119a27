// Entity references with content of their own. libxml2 hangs one shared
// copy of an entity's content under the entity's declaration and points each
// reference at the declaration; its XPath does not enter that content, and
// compares text without it. The DOM shows the content under each reference
// as if it were written there, so every reference gets a copy of its own,
// linked as the reference's children (text and elements alike, nested
// references expanded in turn). Both selection languages, the text and the
// navigation then see the same nodes.
#pragma once

#include <libxml/tree.h>
#include <vector>

namespace Xml {

// Gives every entity reference in a document (in content and in attribute
// values) a copy of its entity's content, and owns the copies. The entities'
// own content, under the document type, is put out of reach meanwhile: XPath's
// preceding and following axes would otherwise walk into it.
class EntityExpansion {
public:
    EntityExpansion() = default;
    EntityExpansion(const EntityExpansion&) = delete;
    EntityExpansion& operator=(const EntityExpansion&) = delete;

    // Once, after loading; false if memory ran out (Release still applies).
    bool Expand(xmlDocPtr document);
    // Frees the copies, inner ones first, and leaves the document as libxml2
    // made it, before libxml2 frees it: it never frees a reference's children.
    void Release(xmlDocPtr document);

private:
    // The references given a copy, outer ones before those inside them.
    std::vector<xmlNodePtr> expanded_;
    xmlNodePtr typeChildren_ = nullptr;
    xmlNodePtr typeLast_ = nullptr;
};

} // namespace Xml
