#pragma once

// The DOM's view of a node that an XPath evaluation hands over: libxml2 puts
// namespace nodes into node-sets as xmlNs copies whose `next` points to the
// declaring element, while the DOM shows a declaration as an attribute of
// that element. A Member names either an ordinary node or such a declaration.

#include <libxml/tree.h>
#include <string>
#include <string_view>

namespace XslPattern {

struct Member {
    xmlNodePtr node = nullptr; // the node, or the declaring element
    xmlNsPtr ns = nullptr;     // set for a namespace declaration

    bool IsDeclaration() const { return ns != nullptr; }
};

// The member for a node taken from an XPath node-set or context.
Member MemberOf(xmlNodePtr xpathNode);

// The DOM node type number (1 element, 2 attribute or declaration, 3 text,
// 4 CDATA, 5 entity reference, 7 processing instruction, 8 comment,
// 9 document ...).
int DomNodeType(const Member& member);

// The DOM node name: the qualified name of elements and attributes,
// "xmlns"/"xmlns:p" for declarations, the target of processing instructions,
// "#text", "#cdata-section", "#comment", "#document" for the others.
std::string DomNodeName(const Member& member);

// Views into the tree (or of static text); valid as long as the node is.
std::string_view LocalName(const Member& member);
std::string_view NamespaceUri(const Member& member);
std::string_view Prefix(const Member& member);

// The text value: the string-value of the node, the URI of a declaration.
std::string TextValue(const Member& member);

} // namespace XslPattern
