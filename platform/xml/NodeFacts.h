// What the DOM reports about a libxml2 node: its type number, name and value.
#pragma once

#include <libxml/tree.h>
#include <msxml2.h>
#include <string>

namespace Xml {

DOMNodeType DomTypeOf(const xmlNode* node);

// The qualified name for elements and attributes, the target of a processing
// instruction, the entity or document type name, or "#text" and its kin.
std::string NameOf(const xmlNode* node);

// Attributes, texts, CDATA sections, comments and processing instructions
// have a value; every other kind has none (null in the DOM).
bool HasValue(const xmlNode* node);
std::string ValueOf(const xmlNode* node);

// Number of element ancestors: 0 for the root element and top-level nodes.
int NestingLevelOf(const xmlNode* node);

} // namespace Xml
