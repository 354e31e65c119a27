#include "platform/xml/NodeText.h"

#include "platform/xml/DocumentTree.h"
#include "platform/xml/Navigation.h"
#include "platform/xml/NodeFacts.h"

#include <algorithm>

namespace Xml {

namespace {

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class TextCollector {
public:
    void Children(const xmlNode* node) {
        for (const xmlNode* child = FirstChildOf(node); child != nullptr;
             child = NextSiblingOf(child)) {
            if (DocumentTree::MarkedDroppedBefore(child)) {
                spacePending_ = true;
            }
            Visit(child);
        }
        if (DocumentTree::MarkedDroppedAtEnd(node)) {
            spacePending_ = true;
        }
    }

    std::string Result(bool trim) && {
        if (!trim) {
            return std::move(text_);
        }
        std::size_t first = 0;
        const std::size_t firstLimit = std::min(protectedFrom_, text_.size());
        while (first < firstLimit && IsXmlSpace(text_[first])) {
            ++first;
        }
        std::size_t last = text_.size();
        const std::size_t lastLimit = std::max(protectedTo_, first);
        while (last > lastLimit && IsXmlSpace(text_[last - 1])) {
            --last;
        }
        // Trimmed in place: the text may be megabytes long.
        text_.erase(last);
        text_.erase(0, first);
        return std::move(text_);
    }

    void Visit(const xmlNode* node) {
        switch (node->type) {
        case XML_TEXT_NODE:
            Append(node->content, false);
            break;
        case XML_CDATA_SECTION_NODE:
            Append(node->content, true);
            break;
        case XML_ELEMENT_NODE:
        case XML_ENTITY_REF_NODE:
            Children(node);
            break;
        default:
            break;
        }
    }

private:
    // An empty CDATA section adds nothing, yet still keeps trimming away
    // from the white space beside it.
    void Append(const xmlChar* content, bool isCdata) {
        const bool empty = content == nullptr || *content == 0;
        if (empty && !isCdata) {
            return;
        }
        if (!empty) {
            if (spacePending_ && !text_.empty()) {
                text_ += ' ';
            }
            spacePending_ = false;
        }
        if (isCdata) {
            protectedFrom_ = std::min(protectedFrom_, text_.size());
        }
        if (!empty) {
            text_ += reinterpret_cast<const char*>(content);
        }
        if (isCdata) {
            protectedTo_ = text_.size();
        }
    }

    std::string text_;
    bool spacePending_ = false;
    std::size_t protectedFrom_ = std::string::npos;
    std::size_t protectedTo_ = 0;
};

bool PreserveApplies(const xmlNode* node) {
    const xmlNode* element = node;
    while (element != nullptr && element->type != XML_ELEMENT_NODE) {
        element = element->parent;
    }
    return element != nullptr && xmlNodeGetSpacePreserve(element) == 1;
}

std::string DeclarationText(const DocumentTree& tree) {
    std::string text;
    for (const xmlAttr* attribute : tree.DeclarationAttributes()) {
        const auto* pseudo = reinterpret_cast<const xmlNode*>(attribute);
        if (!text.empty()) {
            text += ' ';
        }
        text.append(NameOf(pseudo)).append("=\"").append(ValueOf(pseudo)).append("\"");
    }
    return text;
}

} // namespace

std::string TextOf(const DocumentTree& tree, const xmlNode* node, bool preserveWhiteSpace) {
    if (node == tree.Declaration()) {
        return DeclarationText(tree);
    }
    switch (node->type) {
    case XML_ATTRIBUTE_NODE:
    case XML_COMMENT_NODE:
    case XML_PI_NODE:
        return ValueOf(node);
    default:
        break;
    }
    TextCollector collector;
    if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
        collector.Visit(node);
    } else {
        collector.Children(node);
    }
    bool trim = !preserveWhiteSpace && !PreserveApplies(node);
    if (node->type == XML_DOCUMENT_NODE) {
        const xmlNode* root = xmlDocGetRootElement(reinterpret_cast<const xmlDoc*>(node));
        trim = !preserveWhiteSpace && (root == nullptr || xmlNodeGetSpacePreserve(root) != 1);
    }
    return std::move(collector).Result(trim);
}

} // namespace Xml
