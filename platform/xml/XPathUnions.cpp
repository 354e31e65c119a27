#include "platform/xml/XPathUnions.h"

#include <optional>
#include <vector>

namespace Xml {

namespace {

// What the rewrite needs to know of a token: where an operand of `|` ends.
enum class Role {
    Open,     // ( [
    Close,    // ) ]
    Comma,    // ,
    Pipe,     // |
    Operator, // an operator that binds looser than `|`: or and = != < <= > >= + - * div mod
    Part,     // anything that belongs to a path: names, literals, numbers, / // . .. @ :: $v
};

struct Token {
    Role role;
    std::size_t begin; // text from the end of the token before, white space included
    std::size_t end;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0x80;
}

bool IsNameCharacter(char c) {
    return IsNameStart(c) || IsDigit(c) || c == '.' || c == '-';
}

// Splits XPath text into tokens; nothing for an unterminated literal or
// brackets nested too deep.
class Tokenizer {
public:
    static constexpr std::size_t MaxDepth = 1000;

    explicit Tokenizer(std::string_view text)
        : text_(text) {}

    std::optional<std::vector<Token>> Tokens() && {
        std::size_t from = 0;
        std::size_t depth = 0;
        while (true) {
            while (at_ < text_.size() && IsSpace(text_[at_])) {
                ++at_;
            }
            if (at_ == text_.size()) {
                return std::move(tokens_);
            }
            const std::optional<Role> role = Next();
            if (!role) {
                return std::nullopt;
            }
            // The rewrite recurses once per level of brackets: deeper text
            // is left as written, for libxml2 to evaluate or refuse.
            if (*role == Role::Open && ++depth > MaxDepth) {
                return std::nullopt;
            }
            if (*role == Role::Close && depth > 0) {
                --depth;
            }
            tokens_.push_back({*role, from, at_});
            from = at_;
        }
    }

private:
    // Reads the token at at_; whether the one before it ended an operand
    // decides between a name and an operator name, and between `*` as a
    // name test and as multiplication.
    std::optional<Role> Next() {
        const char c = text_[at_];
        const bool afterOperand = afterOperand_;
        afterOperand_ = false;
        if (c == '"' || c == '\'') {
            const std::size_t close = text_.find(c, at_ + 1);
            if (close == std::string_view::npos) {
                return std::nullopt;
            }
            at_ = close + 1;
            afterOperand_ = true;
            return Role::Part;
        }
        if (IsDigit(c) || (c == '.' && Following(1, IsDigit))) {
            while (at_ < text_.size() && (IsDigit(text_[at_]) || text_[at_] == '.')) {
                ++at_;
            }
            afterOperand_ = true;
            return Role::Part;
        }
        if (IsNameStart(c)) {
            const std::size_t start = at_;
            QualifiedName();
            const std::string_view word = text_.substr(start, at_ - start);
            if (afterOperand &&
                (word == "and" || word == "or" || word == "div" || word == "mod")) {
                return Role::Operator;
            }
            afterOperand_ = true;
            return Role::Part;
        }
        if (c == '$') {
            ++at_;
            QualifiedName();
            afterOperand_ = true;
            return Role::Part;
        }
        ++at_;
        switch (c) {
        case '(':
        case '[':
            return Role::Open;
        case ')':
        case ']':
            afterOperand_ = true;
            return Role::Close;
        case ',':
            return Role::Comma;
        case '|':
            return Role::Pipe;
        case '*':
            afterOperand_ = !afterOperand;
            return afterOperand ? Role::Operator : Role::Part;
        case '.':
            if (at_ < text_.size() && text_[at_] == '.') {
                ++at_;
            }
            afterOperand_ = true;
            return Role::Part;
        case '=':
        case '+':
        case '-':
            return Role::Operator;
        case '!':
        case '<':
        case '>':
            if (at_ < text_.size() && text_[at_] == '=') {
                ++at_;
            }
            return c == '!' && text_[at_ - 1] != '=' ? Role::Part : Role::Operator;
        case '/':
            if (at_ < text_.size() && text_[at_] == '/') {
                ++at_;
            }
            return Role::Part;
        case ':':
            if (at_ < text_.size() && text_[at_] == ':') {
                ++at_;
            }
            return Role::Part;
        case '@':
            return Role::Part;
        default:
            // No XPath character: kept as a part, for the evaluation to reject.
            afterOperand_ = true;
            return Role::Part;
        }
    }

    template <class Test>
    bool Following(std::size_t offset, Test test) const {
        return at_ + offset < text_.size() && test(text_[at_ + offset]);
    }

    // A name, `prefix:name` or `prefix:*`, from at_.
    void QualifiedName() {
        while (at_ < text_.size() && IsNameCharacter(text_[at_])) {
            ++at_;
        }
        if (at_ + 1 < text_.size() && text_[at_] == ':' &&
            (text_[at_ + 1] == '*' || IsNameStart(text_[at_ + 1]))) {
            at_ += 2;
            while (text_[at_ - 1] != '*' && at_ < text_.size() && IsNameCharacter(text_[at_])) {
                ++at_;
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool afterOperand_ = false;
    std::vector<Token> tokens_;
};

bool IsBlank(std::string_view text) {
    for (char c : text) {
        if (!IsSpace(c)) {
            return false;
        }
    }
    return true;
}

// The rewrite of one level of brackets after another; the function's name
// is settled at the end, once the whole text is known, so calls are written
// with a placeholder byte that XPath text cannot hold.
class Rewriter {
public:
    static constexpr char Call = '\x01';

    Rewriter(std::string_view text, const std::vector<Token>& tokens)
        : text_(text)
        , tokens_(tokens) {}

    std::string Result() {
        std::string out;
        while (at_ < tokens_.size()) {
            out += Level();
            if (at_ < tokens_.size()) {
                out += TextOf(tokens_[at_++]); // a closer without an opener
            }
        }
        return out;
    }

    bool Rewrote() const { return rewrote_; }

private:
    std::string_view TextOf(const Token& token) const {
        return text_.substr(token.begin, token.end - token.begin);
    }

    // The text up to the closer of this level (or the end), rewritten; at_
    // is left at the closer.
    std::string Level() {
        std::string out;
        std::vector<std::string> operands; // of the chain being read
        std::string current;
        const auto settle = [&] {
            if (!operands.empty()) {
                operands.push_back(std::move(current));
                out += Chain(operands);
                operands.clear();
            } else {
                out += current;
            }
            current.clear();
        };
        while (at_ < tokens_.size()) {
            const Token& token = tokens_[at_];
            switch (token.role) {
            case Role::Close:
                settle();
                return out;
            case Role::Comma:
            case Role::Operator:
                settle();
                out += TextOf(token);
                ++at_;
                break;
            case Role::Pipe:
                operands.push_back(std::move(current));
                current.clear();
                ++at_;
                break;
            case Role::Open:
                current += TextOf(token);
                ++at_;
                current += Level();
                if (at_ < tokens_.size()) {
                    current += TextOf(tokens_[at_++]);
                }
                break;
            case Role::Part:
                current += TextOf(token);
                ++at_;
                break;
            }
        }
        settle();
        return out;
    }

    // The call for a chain, or the chain as written if an operand is missing.
    std::string Chain(const std::vector<std::string>& operands) {
        bool complete = true;
        for (const std::string& operand : operands) {
            complete = complete && !IsBlank(operand);
        }
        std::string out;
        std::size_t start = 0;
        if (complete) {
            // The white space before the chain stays before the call, apart
            // from an operator name such as `div` before it.
            rewrote_ = true;
            while (IsSpace(operands.front()[start])) {
                ++start;
            }
            out.append(operands.front(), 0, start).append(1, Call).append("(");
        }
        for (std::size_t i = 0; i < operands.size(); ++i) {
            if (i > 0) {
                out += complete ? "," : "|";
            }
            out.append(operands[i], i == 0 ? start : 0);
        }
        if (complete) {
            out += ")";
        }
        return out;
    }

    std::string_view text_;
    const std::vector<Token>& tokens_;
    std::size_t at_ = 0;
    bool rewrote_ = false;
};

// A function name that does not occur in `text`.
std::string UnusedName(std::string_view text) {
    std::string name = "union";
    for (int n = 2; text.find(name) != std::string_view::npos; ++n) {
        name = "union" + std::to_string(n);
    }
    return name;
}

} // namespace

UnionRewrite WithLinearUnions(std::string_view expression) {
    if (expression.find('|') == std::string_view::npos ||
        expression.find(Rewriter::Call) != std::string_view::npos) {
        return {std::string(expression), {}};
    }
    std::optional<std::vector<Token>> tokens = Tokenizer(expression).Tokens();
    if (!tokens) {
        return {std::string(expression), {}};
    }
    Rewriter rewriter(expression, *tokens);
    std::string rewritten = rewriter.Result();
    if (!rewriter.Rewrote()) {
        return {std::string(expression), {}};
    }
    UnionRewrite result{{}, UnusedName(expression)};
    result.xpath.reserve(rewritten.size() + 8);
    for (char c : rewritten) {
        if (c == Rewriter::Call) {
            result.xpath += result.function;
        } else {
            result.xpath += c;
        }
    }
    return result;
}

} // namespace Xml
