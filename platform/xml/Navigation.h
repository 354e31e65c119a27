// The DOM's view of the tree's links. It differs from libxml2's in three
// places: an attribute has no parent and no siblings; the document type shows
// no children; an expanded entity reference, which is not in the tree, stands
// where its copy of the entity's content is, and holds that copy as its
// children (EntityExpansion.h).
#pragma once

#include <libxml/tree.h>

namespace Xml {

xmlNodePtr FirstChildOf(const xmlNode* node);
xmlNodePtr LastChildOf(const xmlNode* node);
xmlNodePtr ParentOf(const xmlNode* node);
xmlNodePtr NextSiblingOf(const xmlNode* node);
xmlNodePtr PreviousSiblingOf(const xmlNode* node);

} // namespace Xml
