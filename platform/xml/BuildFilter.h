// Sits between libxml2's parser and its tree builder, for what only the
// parse can tell: it notes the written order of each element's attributes and
// namespace declarations (AttributeOrder), and it drops whitespace-only text
// while the tree is built, so that the nodes are never allocated: freeing
// them afterwards would leave the tree scattered through memory and make
// every later walk of it slower.
//
// Character
// data that is only white space is held back; if the next thing in the same
// element is more character data, it is delivered after all (white space
// inside a text), otherwise it is dropped and the node that follows it (or,
// before an end tag, the element) is marked as DocumentTree describes.
// xml:space="preserve" is honoured. Entity content, parsed by libxml2 in
// contexts of its own, keeps its white space; its names that the content
// does not bind are marked for EntityExpansion. Whatever the filter cannot
// drop without changing the tree (white space between two CDATA sections,
// which libxml2 would otherwise merge) is delivered and left to the loader's
// pass over the finished tree.
//
// It also holds the parse to the LoadLimits: it counts every entity look-up
// and stops the parse as soon as a bound is passed, in whichever context.
#pragma once

#include "platform/xml/AttributeOrder.h"
#include "platform/xml/LoadLimits.h"

#include <libxml/parser.h>
#include <string>
#include <vector>

namespace Xml {

class BuildFilter {
public:
    // Installs the filter in `context`, whose `_private` must point at the
    // filter for as long as the context parses.
    BuildFilter(xmlParserCtxtPtr context, bool preserveAll, AttributeOrder& attributeOrder,
                LoadLimits& limits);

    // Whether it delivered white space it would have dropped (between CDATA
    // sections), which the pass over the finished tree must drop.
    bool LeftWhitespace() const { return leftWhitespace_; }

private:
    static BuildFilter* Of(void* context);
    bool IsMain(void* context) const { return context == context_; }
    bool Preserving() const { return preserve_.back(); }
    // Settles held-back white space before a node is added; returns whether
    // it was dropped, so that the new node must be marked.
    bool SettleBeforeNode();
    void MarkNewChild(bool dropped);

    static void Characters(void* context, const xmlChar* text, int length);
    static void StartElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaultedCount, const xmlChar** attributes);
    static void EndElement(void* context, const xmlChar* localName, const xmlChar* prefix,
                           const xmlChar* uri);
    static void Comment(void* context, const xmlChar* text);
    static void ProcessingInstruction(void* context, const xmlChar* target, const xmlChar* data);
    static void CdataBlock(void* context, const xmlChar* text, int length);
    static void Reference(void* context, const xmlChar* name);
    static xmlEntityPtr GetEntity(void* context, const xmlChar* name);
    static xmlEntityPtr GetParameterEntity(void* context, const xmlChar* name);
    // Whether the parse may go on; stops it otherwise.
    static bool Admitted(xmlParserCtxtPtr parser, bool admitted);

    xmlParserCtxtPtr context_;
    AttributeOrder& attributeOrder_;
    LoadLimits& limits_;
    xmlSAXHandler original_;
    std::string held_;
    bool textInRun_ = false;
    bool leftWhitespace_ = false;
    std::vector<bool> preserve_;
};

} // namespace Xml
