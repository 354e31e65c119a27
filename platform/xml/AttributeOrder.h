// Where an element's namespace declarations stand among its attributes as
// they were written. libxml2 keeps the two apart (nsDef and properties), each
// list in written order; the DOM shows them as one list in written order.
#pragma once

#include <cstdint>
#include <libxml/parser.h>
#include <unordered_map>
#include <vector>

namespace Xml {

class AttributeOrder {
public:
    // Notes the start tag that the parser has just read, up to its current
    // position in `context`'s input, for `element`, built from that tag.
    void Note(xmlParserCtxtPtr context, const xmlNode* element);
    // Notes that `copy`, a copy of `element` with the same declarations but
    // any unbound ones, shows its attributes in the same order.
    void NoteCopy(const xmlNode* element, const xmlNode* copy);

    // The attributes `element` shows, in written order: its namespace
    // declarations, each as the node `presented` gives for it, among its
    // attributes. Declarations come first where nothing was noted.
    template <class Presented>
    std::vector<xmlNodePtr> AttributesOf(const xmlNode* element, Presented presented) const;

private:
    // Per declaration of the element, in nsDef order: how many of its
    // attributes precede it. Only elements with a declaration after an
    // attribute are kept.
    std::unordered_map<const xmlNode*, std::vector<std::uint32_t>> attributesBefore_;
};

template <class Presented>
std::vector<xmlNodePtr> AttributeOrder::AttributesOf(const xmlNode* element,
                                                     Presented presented) const {
    const auto found = attributesBefore_.find(element);
    const std::vector<std::uint32_t>* before =
        found != attributesBefore_.end() ? &found->second : nullptr;
    std::vector<xmlNodePtr> attributes;
    xmlAttrPtr attribute = element->properties;
    std::uint32_t written = 0;
    std::size_t index = 0;
    for (xmlNsPtr declaration = element->nsDef; declaration != nullptr;
         declaration = declaration->next, ++index) {
        for (; before != nullptr && index < before->size() && attribute != nullptr &&
               written < (*before)[index];
             attribute = attribute->next, ++written) {
            attributes.push_back(reinterpret_cast<xmlNodePtr>(attribute));
        }
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
