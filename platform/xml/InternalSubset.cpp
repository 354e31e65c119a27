#include "platform/xml/InternalSubset.h"

#include <algorithm>

namespace Xml {

namespace {

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads a well-formed prolog; every position it returns is within the text
// or at its end.
class PrologReader {
public:
    explicit PrologReader(std::string_view text)
        : text_(text) {}

    // Moves to the document type declaration; false if there is none.
    bool FindDocumentType() {
        for (;;) {
            SkipSpace();
            if (At("<!DOCTYPE")) {
                return true;
            }
            if (At("<?")) {
                SkipPast("?>");
            } else if (At("<!--")) {
                SkipPast("-->");
            } else {
                return false;
            }
        }
    }

    std::string DocumentType() {
        const std::size_t start = at_;
        at_ += 9;
        while (at_ < text_.size() && text_[at_] != '[' && text_[at_] != '>') {
            SkipLiteralOrCharacter();
        }
        std::string_view head = text_.substr(start, at_ - start);
        while (!head.empty() && IsXmlSpace(head.back())) {
            head.remove_suffix(1);
        }
        std::string written(head);
        if (at_ >= text_.size() || text_[at_] == '>') {
            return written + ">";
        }
        ++at_;
        written += " [\n";
        for (;;) {
            SkipSpace();
            if (at_ >= text_.size() || text_[at_] == ']') {
                break;
            }
            const std::size_t item = at_;
            if (At("<!--")) {
                SkipPast("-->");
            } else if (At("<?")) {
                SkipPast("?>");
            } else if (text_[at_] == '%') {
                SkipPast(";");
            } else {
                while (at_ < text_.size() && text_[at_] != '>') {
                    SkipLiteralOrCharacter();
                }
                at_ = std::min(at_ + 1, text_.size());
            }
            written.append(text_.substr(item, at_ - item)).append("\n");
        }
        return written + "]>";
    }

private:
    bool At(std::string_view what) const { return text_.substr(at_).starts_with(what); }

    void SkipSpace() {
        while (at_ < text_.size() && IsXmlSpace(text_[at_])) {
            ++at_;
        }
    }

    void SkipPast(std::string_view end) {
        const std::size_t found = text_.find(end, at_);
        at_ = found == std::string_view::npos ? text_.size() : found + end.size();
    }

    void SkipLiteralOrCharacter() {
        const char c = text_[at_++];
        if (c == '"' || c == '\'') {
            const std::size_t close = text_.find(c, at_);
            at_ = close == std::string_view::npos ? text_.size() : close + 1;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// Line ends as the parser reads them: CR LF and a lone CR become LF.
std::string WithLineFeeds(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            result += '\n';
        }
    }
    return result;
}

} // namespace

std::string DocumentTypeText(std::string_view source) {
    PrologReader reader(source);
    return reader.FindDocumentType() ? WithLineFeeds(reader.DocumentType()) : std::string();
}

} // namespace Xml
