#include "platform/xml/AttributeOrder.h"

#include <string_view>

namespace Xml {

namespace {

bool IsXmlSpace(xmlChar c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads the attribute names of a start tag that the parser has accepted.
class StartTagReader {
public:
    // `tag` starts after the '<' and ends where the parser stands.
    StartTagReader(const xmlChar* tag, const xmlChar* end)
        : at_(tag)
        , end_(end) {
        Name();
    }

    // The next attribute's written name, or false at the end of the tag.
    bool Next(std::string_view& name) {
        while (at_ < end_ && IsXmlSpace(*at_)) {
            ++at_;
        }
        if (at_ == end_ || *at_ == '/' || *at_ == '>') {
            return false;
        }
        name = Name();
        while (at_ < end_ && (IsXmlSpace(*at_) || *at_ == '=')) {
            ++at_;
        }
        if (at_ == end_ || (*at_ != '"' && *at_ != '\'')) {
            return false;
        }
        const xmlChar quote = *at_++;
        while (at_ < end_ && *at_ != quote) {
            ++at_;
        }
        if (at_ == end_) {
            return false;
        }
        ++at_;
        return true;
    }

private:
    std::string_view Name() {
        const xmlChar* start = at_;
        while (at_ < end_ && !IsXmlSpace(*at_) && *at_ != '=' && *at_ != '/' && *at_ != '>') {
            ++at_;
        }
        return {reinterpret_cast<const char*>(start), static_cast<std::size_t>(at_ - start)};
    }

    const xmlChar* at_;
    const xmlChar* end_;
};

std::string_view PrefixOf(const xmlNs* declaration) {
    return declaration->prefix != nullptr
               ? std::string_view(reinterpret_cast<const char*>(declaration->prefix))
               : std::string_view();
}

} // namespace

void AttributeOrder::Note(xmlParserCtxtPtr context, const xmlNode* element) {
    if (element == nullptr || element->nsDef == nullptr || element->properties == nullptr ||
        context->input == nullptr) {
        return;
    }
    // The whole tag is still in the input; no '<' occurs in attribute values.
    const xmlChar* end = context->input->cur;
    const xmlChar* start = end;
    while (start > context->input->base && *start != '<') {
        --start;
    }
    if (*start != '<') {
        return;
    }
    // Declarations are in nsDef in written order, but for any that libxml2
    // leaves out (the xml prefix's) and, last, any a DTD supplies.
    std::vector<std::uint32_t> before;
    bool interleaved = false;
    const xmlNs* declaration = element->nsDef;
    std::uint32_t attributes = 0;
    StartTagReader reader(start + 1, end);
    std::string_view name;
    while (declaration != nullptr && reader.Next(name)) {
        const bool isDeclaration = name == "xmlns" || name.starts_with("xmlns:");
        if (!isDeclaration) {
            ++attributes;
        } else if (name.substr(name.size() > 5 ? 6 : 5) == PrefixOf(declaration)) {
            before.push_back(attributes);
            interleaved = interleaved || attributes > 0;
            declaration = declaration->next;
        }
    }
    if (!interleaved) {
        return;
    }
    for (; declaration != nullptr; declaration = declaration->next) {
        before.push_back(attributes);
    }
    attributesBefore_.emplace(element, std::move(before));
}

void AttributeOrder::NoteCopy(const xmlNode* element, const xmlNode* copy) {
    if (const auto found = attributesBefore_.find(element); found != attributesBefore_.end()) {
        std::vector<std::uint32_t> before = found->second;
        attributesBefore_.emplace(copy, std::move(before));
    }
}

} // namespace Xml
