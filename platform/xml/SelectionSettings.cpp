#include "platform/xml/SelectionSettings.h"

namespace Xml {

namespace {

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool IsNameCharacter(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

class DeclarationReader {
public:
    explicit DeclarationReader(std::string_view text)
        : text_(text) {}

    bool AtEnd() {
        SkipSpace();
        return at_ == text_.size();
    }

    // One declaration; `prefix` is empty for a default declaration.
    bool Read(std::string& prefix, std::string& uri) {
        if (text_.substr(at_, 5) != "xmlns") {
            return false;
        }
        at_ += 5;
        prefix.clear();
        if (at_ < text_.size() && text_[at_] == ':') {
            ++at_;
            if (at_ >= text_.size() || !IsNameStart(static_cast<unsigned char>(text_[at_]))) {
                return false;
            }
            while (at_ < text_.size() && IsNameCharacter(static_cast<unsigned char>(text_[at_]))) {
                prefix += text_[at_++];
            }
        }
        SkipSpace();
        if (at_ >= text_.size() || text_[at_] != '=') {
            return false;
        }
        ++at_;
        SkipSpace();
        if (at_ >= text_.size() || (text_[at_] != '\'' && text_[at_] != '"')) {
            return false;
        }
        const char quote = text_[at_++];
        const std::size_t end = text_.find(quote, at_);
        if (end == std::string_view::npos) {
            return false;
        }
        uri = std::string(text_.substr(at_, end - at_));
        at_ = end + 1;
        // Declarations are separated by white space.
        return at_ == text_.size() || IsXmlSpace(text_[at_]);
    }

private:
    void SkipSpace() {
        while (at_ < text_.size() && IsXmlSpace(text_[at_])) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

bool ParseSelectionNamespaces(std::string_view text, std::vector<XslPattern::Binding>& bindings) {
    std::vector<XslPattern::Binding> result;
    DeclarationReader reader(text);
    while (!reader.AtEnd()) {
        std::string prefix;
        std::string uri;
        if (!reader.Read(prefix, uri)) {
            return false;
        }
        if (prefix.empty()) {
            continue;
        }
        if (uri.empty() || prefix == "xml" || prefix == "xmlns") {
            return false;
        }
        for (const XslPattern::Binding& earlier : result) {
            if (earlier.prefix == prefix) {
                return false;
            }
        }
        result.push_back({std::move(prefix), std::move(uri)});
    }
    bindings = std::move(result);
    return true;
}

} // namespace Xml
