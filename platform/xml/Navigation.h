// The DOM's view of the tree's links. It differs from libxml2's in two
// places: an attribute has no parent and no siblings; the document type shows
// no children. An entity reference's children are its own copy of the
// entity's content (EntityExpansion), or, where the entity has none, nothing.
#pragma once

#include <libxml/tree.h>

namespace Xml {

xmlNodePtr FirstChildOf(const xmlNode* node);
xmlNodePtr LastChildOf(const xmlNode* node);
xmlNodePtr ParentOf(const xmlNode* node);
xmlNodePtr NextSiblingOf(const xmlNode* node);
xmlNodePtr PreviousSiblingOf(const xmlNode* node);

} // namespace Xml
