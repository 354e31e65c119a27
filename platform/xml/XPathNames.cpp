#include "platform/xml/XPathNames.h"

namespace Xml {

namespace {

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0x80;
}

bool IsNameCharacter(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-';
}

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// A literal for `text`, or "" if it holds both quotation marks.
std::string Literal(std::string_view text) {
    const char quote = text.find('\'') == std::string_view::npos ? '\'' : '"';
    if (text.find(quote) != std::string_view::npos) {
        return {};
    }
    return std::string(1, quote).append(text) + quote;
}

class Rewriter {
public:
    Rewriter(std::string_view text, const std::vector<XslPattern::Binding>& bindings)
        : text_(text)
        , bindings_(bindings) {}

    std::string Result() && {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"' || c == '\'') {
                const std::size_t close = text_.find(c, at_ + 1);
                Copy(close == std::string_view::npos ? text_.size() : close + 1);
            } else if (c == '$') {
                // A variable's name is no name test.
                std::size_t end = at_ + 1;
                while (end < text_.size() && (IsNameCharacter(text_[end]) || text_[end] == ':')) {
                    ++end;
                }
                Copy(end);
            } else if (IsNameStart(c)) {
                QualifiedName();
            } else if (c >= '0' && c <= '9') {
                std::size_t end = at_;
                while (end < text_.size() && (IsNameCharacter(text_[end]))) {
                    ++end;
                }
                Copy(end);
            } else {
                Copy(at_ + 1);
            }
        }
        return std::move(out_);
    }

private:
    void Copy(std::size_t end) {
        out_.append(text_.substr(at_, end - at_));
        at_ = end;
    }

    std::size_t NameEnd(std::size_t from) const {
        while (from < text_.size() && IsNameCharacter(text_[from])) {
            ++from;
        }
        return from;
    }

    void QualifiedName() {
        const std::size_t start = at_;
        std::size_t end = NameEnd(at_);
        std::string_view prefix;
        std::string_view local = text_.substr(start, end - start);
        if (end + 1 < text_.size() && text_[end] == ':' && text_[end + 1] != ':') {
            const std::size_t localStart = end + 1;
            const std::size_t localEnd =
                text_[localStart] == '*' ? localStart + 1 : NameEnd(localStart);
            if (localEnd > localStart) {
                prefix = local;
                local = text_.substr(localStart, localEnd - localStart);
                end = localEnd;
            }
        }
        std::size_t after = end;
        while (after < text_.size() && IsXmlSpace(text_[after])) {
            ++after;
        }
        const bool functionOrAxis =
            after < text_.size() &&
            (text_[after] == '(' || text_.substr(after).starts_with("::"));
        std::string test;
        if (!functionOrAxis && !(IsAscii(prefix) && IsAscii(local))) {
            test = NameTest(prefix, local);
        }
        if (test.empty()) {
            Copy(end);
        } else {
            out_ += test;
            at_ = end;
        }
    }

    // The test for the name, or "" if it cannot be written.
    std::string NameTest(std::string_view prefix, std::string_view local) const {
        std::string uri;
        if (!prefix.empty()) {
            const XslPattern::Binding* bound = nullptr;
            for (const XslPattern::Binding& binding : bindings_) {
                if (binding.prefix == prefix) {
                    bound = &binding;
                }
            }
            if (bound == nullptr) {
                return {};
            }
            uri = bound->uri;
        }
        const std::string uriLiteral = Literal(uri);
        if (uriLiteral.empty()) {
            return {};
        }
        std::string test = "*[";
        if (local != "*") {
            test.append("local-name()=").append(Literal(local)).append(" and ");
        }
        return test.append("namespace-uri()=").append(uriLiteral).append("]");
    }

    std::string_view text_;
    const std::vector<XslPattern::Binding>& bindings_;
    std::size_t at_ = 0;
    std::string out_;
};

} // namespace

std::string WithReadableNames(std::string_view expression,
                              const std::vector<XslPattern::Binding>& bindings) {
    if (IsAscii(expression)) {
        return std::string(expression);
    }
    return Rewriter(expression, bindings).Result();
}

} // namespace Xml
