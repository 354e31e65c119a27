// Where an element's namespace declarations stand among its attributes as
// they were written, and which of both the document type supplied. libxml2
// keeps declarations and attributes apart (nsDef and properties), each list
// in written order with what the internal subset's defaults add at its end;
// the DOM shows them as one list: the written ones in written order, then
// the defaulted ones, declarations first.
#pragma once

#include <cstdint>
#include <libxml/parser.h>
#include <unordered_map>
#include <vector>

namespace Xml {

class AttributeOrder {
public:
    // Notes the start tag that the parser has just read, up to its current
    // position in `context`'s input, for `element`, built from that tag with
    // `defaulted` attributes (not declarations) taken from the document type.
    void Note(xmlParserCtxtPtr context, const xmlNode* element, int defaulted);
    // Notes that `copy`, a copy of `element` with the same declarations but
    // any unbound ones, shows its attributes in the same order.
    void NoteCopy(const xmlNode* element, const xmlNode* copy);

    // The attributes `element` shows: its namespace declarations, each as
    // the node `presented` gives for it, among its attributes, in the order
    // above; without the defaulted ones unless `withDefaulted`. Declarations
    // come first where nothing was noted.
    template <class Presented>
    std::vector<xmlNodePtr> AttributesOf(const xmlNode* element, Presented presented,
                                         bool withDefaulted = true) const;

private:
    struct Shape {
        // Per written declaration, in nsDef order: how many of the
        // element's attributes precede it; empty when all come first.
        std::vector<std::uint32_t> attributesBefore;
        std::uint32_t defaultedDeclarations = 0;
        std::uint32_t defaultedAttributes = 0;
    };
    // Only elements with a declaration after an attribute, or with
    // defaults, are kept.
    std::unordered_map<const xmlNode*, Shape> shapes_;
};

template <class Presented>
std::vector<xmlNodePtr> AttributeOrder::AttributesOf(const xmlNode* element, Presented presented,
                                                     bool withDefaulted) const {
    const auto found = shapes_.find(element);
    const Shape* shape = found != shapes_.end() ? &found->second : nullptr;
    std::size_t declarations = 0;
    for (const xmlNs* declaration = element->nsDef; declaration != nullptr;
         declaration = declaration->next) {
        ++declarations;
    }
    std::size_t attributeCount = 0;
    for (const xmlAttr* attribute = element->properties; attribute != nullptr;
         attribute = attribute->next) {
        ++attributeCount;
    }
    const std::size_t writtenDeclarations =
        declarations - (shape != nullptr ? shape->defaultedDeclarations : 0);
    const std::size_t writtenAttributes =
        attributeCount - (shape != nullptr ? shape->defaultedAttributes : 0);
    std::vector<xmlNodePtr> attributes;
    attributes.reserve(withDefaulted ? declarations + attributeCount
                                     : writtenDeclarations + writtenAttributes);
    xmlAttrPtr attribute = element->properties;
    std::size_t written = 0;
    std::size_t index = 0;
    xmlNsPtr declaration = element->nsDef;
    for (; declaration != nullptr && index < writtenDeclarations;
         declaration = declaration->next, ++index) {
        for (; shape != nullptr && index < shape->attributesBefore.size() &&
               written < shape->attributesBefore[index];
             attribute = attribute->next, ++written) {
            attributes.push_back(reinterpret_cast<xmlNodePtr>(attribute));
        }
        if (xmlNodePtr node = presented(declaration)) {
            attributes.push_back(node);
        }
    }
    for (; attribute != nullptr && written < writtenAttributes; attribute = attribute->next) {
        attributes.push_back(reinterpret_cast<xmlNodePtr>(attribute));
        ++written;
    }
    if (!withDefaulted) {
        return attributes;
    }
    for (; declaration != nullptr; declaration = declaration->next) {
        if (xmlNodePtr node = presented(declaration)) {
            attributes.push_back(node);
        }
    }
    for (; attribute != nullptr; attribute = attribute->next) {
        attributes.push_back(reinterpret_cast<xmlNodePtr>(attribute));
    }
    return attributes;
}

} // namespace Xml
