#include "platform/xml/DocumentTree.h"

#include <cstdint>
#include <libxml/xpath.h>
#include <string>

namespace Xml {

namespace {

constexpr std::uintptr_t DroppedBefore = 1;
constexpr std::uintptr_t DroppedAtEnd = 2;

std::uintptr_t MarksOf(const xmlNode* node) {
    return reinterpret_cast<std::uintptr_t>(node->_private);
}

void AddMark(xmlNodePtr node, std::uintptr_t mark) {
    node->_private = reinterpret_cast<void*>(MarksOf(node) | mark);
}

const xmlChar* Utf8(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

} // namespace

DocumentTree::DocumentTree(xmlDocPtr document, AttributeOrder attributeOrder)
    : document_(document)
    , attributeOrder_(std::move(attributeOrder)) {}

DocumentTree::~DocumentTree() {
    for (xmlAttrPtr attribute : declarationAttributes_) {
        xmlFreeProp(attribute);
    }
    for (auto& [declaration, attribute] : namespaceAttributes_) {
        xmlFreeProp(attribute);
    }
    entities_.Release(document_);
    xmlFreeDoc(document_);
}

bool DocumentTree::ExpandEntityReferences() {
    return entities_.Expand(document_, attributeOrder_);
}

const XslPattern::DocumentFacts& DocumentTree::PatternFacts() {
    std::call_once(patternFactsFound_, [this] { patternFacts_ = XslPattern::FactsOf(document_); });
    return patternFacts_;
}

void DocumentTree::NumberElements() {
    std::call_once(elementsNumbered_, [this] { xmlXPathOrderDocElems(document_); });
}

xmlAttrPtr DocumentTree::MakeDetachedAttribute(const std::string& name, const std::string& value) {
    // Built by hand: xmlNewDocProp would read entity references in the value.
    xmlAttrPtr attribute = xmlNewDocProp(document_, Utf8(name), nullptr);
    if (attribute == nullptr) {
        return nullptr;
    }
    xmlNodePtr text = xmlNewDocText(document_, Utf8(value));
    if (text == nullptr) {
        xmlFreeProp(attribute);
        return nullptr;
    }
    text->parent = reinterpret_cast<xmlNodePtr>(attribute);
    attribute->children = attribute->last = text;
    return attribute;
}

void DocumentTree::AddDeclaration(
    std::string_view data, const std::vector<std::pair<std::string, std::string>>& attributes) {
    const std::string content(data);
    xmlNodePtr declaration = xmlNewDocPI(document_, BAD_CAST "xml", Utf8(content));
    if (declaration == nullptr) {
        return;
    }
    if (document_->children != nullptr) {
        xmlAddPrevSibling(document_->children, declaration);
    } else {
        xmlAddChild(reinterpret_cast<xmlNodePtr>(document_), declaration);
    }
    declaration_ = declaration;
    for (const auto& [name, value] : attributes) {
        if (xmlAttrPtr attribute = MakeDetachedAttribute(name, value)) {
            declarationAttributes_.push_back(attribute);
        }
    }
}

xmlAttrPtr DocumentTree::NamespaceAttribute(xmlNsPtr declaration) {
    if (auto found = namespaceAttributes_.find(declaration); found != namespaceAttributes_.end()) {
        return found->second;
    }
    std::string name = "xmlns";
    if (declaration->prefix != nullptr) {
        name += ':';
        name += reinterpret_cast<const char*>(declaration->prefix);
    }
    const char* uri = reinterpret_cast<const char*>(declaration->href);
    xmlAttrPtr attribute = MakeDetachedAttribute(name, uri != nullptr ? uri : "");
    if (attribute != nullptr) {
        namespaceAttributes_.emplace(declaration, attribute);
    }
    return attribute;
}

std::vector<xmlNodePtr> DocumentTree::AttributesOf(xmlNodePtr element) {
    return attributeOrder_.AttributesOf(element, [this](xmlNsPtr declaration) {
        return reinterpret_cast<xmlNodePtr>(NamespaceAttribute(declaration));
    });
}

std::vector<xmlNodePtr> DocumentTree::WrittenAttributesOf(xmlNodePtr element) {
    return attributeOrder_.AttributesOf(
        element,
        [this](xmlNsPtr declaration) {
            return reinterpret_cast<xmlNodePtr>(NamespaceAttribute(declaration));
        },
        false);
}

bool DocumentTree::MarkedDroppedBefore(const xmlNode* node) {
    return (MarksOf(node) & DroppedBefore) != 0;
}

bool DocumentTree::MarkedDroppedAtEnd(const xmlNode* node) {
    return (MarksOf(node) & DroppedAtEnd) != 0;
}

void DocumentTree::MarkDroppedBefore(xmlNodePtr node) {
    AddMark(node, DroppedBefore);
}

void DocumentTree::MarkDroppedAtEnd(xmlNodePtr node) {
    AddMark(node, DroppedAtEnd);
}

} // namespace Xml
