// Loading text into a document tree.
//
// The text is the automation string's characters, so any encoding the text
// declares is ignored: it is handed to libxml2 as UTF-8 with the declared
// encoding ignored (IGNORE_ENC). The internal subset's attribute defaults
// are applied (DTDATTR), as every XML reader must; AttributeOrder tells
// them from written attributes. No external DTD or entity is ever read
// (no DTDLOAD or NOENT options, and DTDATTR's request for the external
// subset meets a refusing entity loader, NONET); internal entities stay
// entity-reference nodes, each with its own copy of the entity's content
// (EntityExpansion). libxml2's own limits on depth and entity expansion are
// lifted (HUGE), for they refuse ordinary documents; LoadLimits bounds both
// instead, so bombs still fail to load, and fast.
#include "platform/codepage/Utf8Codec.h"
#include "platform/xml/BuildFilter.h"
#include "platform/xml/DocumentTree.h"
#include "platform/xml/InternalSubset.h"
#include "platform/xml/LibxmlSession.h"
#include "platform/xml/LoadLimits.h"

#include <climits>
#include <libxml/parser.h>
#include <string>
#include <utility>
#include <vector>

namespace Xml {

namespace {

constexpr int ParseOptions =
    XML_PARSE_NONET | XML_PARSE_IGNORE_ENC | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
    XML_PARSE_HUGE | XML_PARSE_DTDATTR;

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsWhitespaceOnly(const xmlChar* text) {
    if (text == nullptr) {
        return true;
    }
    for (; *text != 0; ++text) {
        if (!IsXmlSpace(static_cast<char>(*text))) {
            return false;
        }
    }
    return true;
}

// The xml:space setting an element establishes for its content.
bool PreservesSpace(xmlNodePtr element, bool inherited) {
    for (xmlAttrPtr attribute = element->properties; attribute != nullptr;
         attribute = attribute->next) {
        if (attribute->ns != nullptr && xmlStrEqual(attribute->ns->prefix, BAD_CAST "xml") &&
            xmlStrEqual(attribute->name, BAD_CAST "space")) {
            const xmlChar* value =
                attribute->children != nullptr ? attribute->children->content : nullptr;
            if (xmlStrEqual(value, BAD_CAST "preserve")) {
                return true;
            }
            if (xmlStrEqual(value, BAD_CAST "default")) {
                return false;
            }
        }
    }
    return inherited;
}

void DropWhitespace(xmlNodePtr parent, bool preserve) {
    xmlNodePtr next = nullptr;
    for (xmlNodePtr child = parent->children; child != nullptr; child = next) {
        next = child->next;
        if (child->type == XML_ELEMENT_NODE) {
            DropWhitespace(child, PreservesSpace(child, preserve));
        } else if (child->type == XML_TEXT_NODE && !preserve && IsWhitespaceOnly(child->content)) {
            if (next != nullptr) {
                DocumentTree::MarkDroppedBefore(next);
            } else {
                DocumentTree::MarkDroppedAtEnd(parent);
            }
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        }
    }
}

struct Declaration {
    std::string data;
    std::vector<std::pair<std::string, std::string>> attributes;
};

// Reads the declaration at the start of `text`, which libxml2 has accepted.
bool ReadDeclaration(const std::string& text, Declaration& declaration) {
    constexpr std::string_view Opening = "<?xml";
    if (text.compare(0, Opening.size(), Opening) != 0 || text.size() <= Opening.size() ||
        !IsXmlSpace(text[Opening.size()])) {
        return false;
    }
    const std::size_t end = text.find("?>", Opening.size());
    if (end == std::string::npos) {
        return false;
    }
    std::size_t first = Opening.size();
    while (first < end && IsXmlSpace(text[first])) {
        ++first;
    }
    std::size_t last = end;
    while (last > first && IsXmlSpace(text[last - 1])) {
        --last;
    }
    declaration.data = text.substr(first, last - first);
    const std::string& data = declaration.data;
    std::size_t at = 0;
    while (at < data.size()) {
        while (at < data.size() && IsXmlSpace(data[at])) {
            ++at;
        }
        const std::size_t nameStart = at;
        while (at < data.size() && data[at] != '=' && !IsXmlSpace(data[at])) {
            ++at;
        }
        std::string name = data.substr(nameStart, at - nameStart);
        while (at < data.size() && data[at] != '\'' && data[at] != '"') {
            ++at;
        }
        if (at >= data.size() || name.empty()) {
            break;
        }
        const char quote = data[at++];
        const std::size_t valueEnd = data.find(quote, at);
        if (valueEnd == std::string::npos) {
            break;
        }
        declaration.attributes.emplace_back(std::move(name), data.substr(at, valueEnd - at));
        at = valueEnd + 1;
    }
    return true;
}

// `leftWhitespace`: whether the tree may hold white space the pass over it
// must drop.
xmlDocPtr Parse(const std::string& text, bool preserveWhiteSpace, AttributeOrder& attributeOrder,
                bool& leftWhitespace) {
    // Every message goes to the thread's handler, which the capture holds.
    ErrorCapture capture;
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (context == nullptr) {
        return nullptr;
    }
    LoadLimits limits(text.size());
    BuildFilter filter(context, preserveWhiteSpace, attributeOrder, limits);
    context->_private = &filter;
    // No encoding is named: naming one makes libxml2 2.9 convert the whole
    // input at once and refuse inputs above ten million bytes. Without a
    // byte-order mark or NUL bytes, libxml2 reads the text as UTF-8.
    xmlDocPtr document = xmlCtxtReadMemory(context, text.data(), static_cast<int>(text.size()),
                                           nullptr, nullptr, ParseOptions);
    leftWhitespace = filter.LeftWhitespace();
    const bool wellFormed =
        context->wellFormed != 0 && context->nsWellFormed != 0 && !limits.Exceeded();
    xmlFreeParserCtxt(context);
    if (document != nullptr && (!wellFormed || xmlDocGetRootElement(document) == nullptr ||
                                !limits.AdmitTree(document))) {
        xmlFreeDoc(document);
        document = nullptr;
    }
    return document;
}

} // namespace

std::shared_ptr<DocumentTree> LoadDocumentTree(std::u16string_view text, bool preserveWhiteSpace) {
    EnsureLibxmlReady();
    if (!text.empty() && text.front() == u'\xFEFF') {
        text.remove_prefix(1);
    }
    // NUL is no XML character; refusing it here also keeps libxml2 from
    // taking NUL bytes for the start of a UTF-16 or UCS-4 text.
    if (text.empty() || text.find(u'\0') != std::u16string_view::npos) {
        return nullptr;
    }
    std::string utf8;
    Utf8Codec::AppendUtf8(text, utf8);
    if (utf8.size() > static_cast<std::size_t>(INT_MAX)) {
        return nullptr;
    }
    AttributeOrder attributeOrder;
    bool leftWhitespace = false;
    xmlDocPtr document = Parse(utf8, preserveWhiteSpace, attributeOrder, leftWhitespace);
    if (document == nullptr) {
        return nullptr;
    }
    // The filter has dropped nearly everything already; this catches the
    // rest. Preserving everything, the filter drops nothing, while the pass
    // still drops white space under xml:space="default".
    if (leftWhitespace || preserveWhiteSpace) {
        DropWhitespace(reinterpret_cast<xmlNodePtr>(document), preserveWhiteSpace);
    }
    auto tree = std::make_shared<DocumentTree>(document, std::move(attributeOrder));
    if (!tree->ExpandEntityReferences()) {
        return nullptr;
    }
    tree->SetDocumentTypeText(DocumentTypeText(utf8));
    Declaration declaration;
    if (ReadDeclaration(utf8, declaration)) {
        tree->AddDeclaration(declaration.data, declaration.attributes);
    }
    return tree;
}

std::shared_ptr<DocumentTree> EmptyDocumentTree() {
    EnsureLibxmlReady();
    xmlDocPtr document = xmlNewDoc(BAD_CAST "1.0");
    if (document == nullptr) {
        return nullptr;
    }
    return std::make_shared<DocumentTree>(document);
}

} // namespace Xml
