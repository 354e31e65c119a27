// The DOM's view of the tree's links. It differs from libxml2's in three
// places: an attribute has no parent and no siblings; an entity reference's
// children are its entity's content; the document type shows no children.
// Nodes inside an entity's content report no parent, since libxml2 shares
// that content between all references to the entity.
#pragma once

#include <libxml/tree.h>

namespace Xml {

xmlNodePtr FirstChildOf(const xmlNode* node);
xmlNodePtr LastChildOf(const xmlNode* node);
xmlNodePtr ParentOf(const xmlNode* node);
xmlNodePtr NextSiblingOf(const xmlNode* node);
xmlNodePtr PreviousSiblingOf(const xmlNode* node);

} // namespace Xml
