#include "platform/xml/AttributeOrder.h"

#include <algorithm>
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

} // namespace

void AttributeOrder::Note(xmlParserCtxtPtr context, const xmlNode* element, int defaulted) {
    // Most elements have nothing to note.
    if (element == nullptr || (element->nsDef == nullptr && defaulted <= 0)) {
        return;
    }
    Shape shape;
    shape.defaultedAttributes = static_cast<std::uint32_t>(std::max(defaulted, 0));
    if (element->nsDef != nullptr && context->input != nullptr) {
        // The whole tag is still in the input; no '<' occurs in attribute values.
        const xmlChar* end = context->input->cur;
        const xmlChar* start = end;
        while (start > context->input->base && *start != '<') {
            --start;
        }
        if (*start == '<') {
            // libxml2 keeps every written declaration but the xml prefix's,
            // in written order; what follows them in nsDef are defaults.
            std::vector<std::uint32_t> before;
            bool interleaved = false;
            std::uint32_t attributes = 0;
            StartTagReader reader(start + 1, end);
            std::string_view name;
            while (reader.Next(name)) {
                if (name != "xmlns" && !name.starts_with("xmlns:")) {
                    ++attributes;
                } else if (name != "xmlns:xml") {
                    before.push_back(attributes);
                    interleaved = interleaved || attributes > 0;
                }
            }
            // Declarations without a URI stand for prefixes that entity
            // content uses unbound (EntityExpansion); copies leave them out.
            std::uint32_t declarations = 0;
            for (const xmlNs* declaration = element->nsDef; declaration != nullptr;
                 declaration = declaration->next) {
                declarations += declaration->href != nullptr ? 1 : 0;
            }
            const auto written = static_cast<std::uint32_t>(before.size());
            shape.defaultedDeclarations = declarations > written ? declarations - written : 0;
            if (interleaved) {
                shape.attributesBefore = std::move(before);
            }
        }
    }
    if (!shape.attributesBefore.empty() || shape.defaultedDeclarations != 0 ||
        shape.defaultedAttributes != 0) {
        shapes_.emplace(element, std::move(shape));
    }
}

void AttributeOrder::NoteCopy(const xmlNode* element, const xmlNode* copy) {
    if (const auto found = shapes_.find(element); found != shapes_.end()) {
        Shape shape = found->second;
        shapes_.emplace(copy, std::move(shape));
    }
}

} // namespace Xml
