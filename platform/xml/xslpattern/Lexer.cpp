#include "platform/xml/xslpattern/Lexer.h"

namespace XslPattern {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes of multi-byte UTF-8 sequences count as name characters: the
// evaluator checks names against the document, so accepting every non-ASCII
// letter here costs nothing.
bool IsNameStart(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u >= 0x80;
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c) || c == '-' || c == '.';
}

} // namespace

Token Lexer::Next() {
    while (position_ < pattern_.size() && IsSpace(pattern_[position_])) {
        ++position_;
    }
    std::size_t start = position_;
    if (start == pattern_.size()) {
        return {TokenKind::End, "", start};
    }
    char c = pattern_[start];
    char following = start + 1 < pattern_.size() ? pattern_[start + 1] : '\0';
    auto single = [&](TokenKind kind, std::size_t length) {
        position_ += length;
        return Token{kind, std::string(pattern_.substr(start, length)), start};
    };
    switch (c) {
    case '/':
        return following == '/' ? single(TokenKind::DoubleSlash, 2) : single(TokenKind::Slash, 1);
    case '.':
        if (following == '.') {
            return single(TokenKind::DotDot, 2);
        }
        return IsDigit(following) ? Numeral(start) : single(TokenKind::Dot, 1);
    case '*':
        return single(TokenKind::Star, 1);
    case '@':
        return single(TokenKind::At, 1);
    case '(':
        return single(TokenKind::LeftParen, 1);
    case ')':
        return single(TokenKind::RightParen, 1);
    case '[':
        return single(TokenKind::LeftBracket, 1);
    case ']':
        return single(TokenKind::RightBracket, 1);
    case ',':
        return single(TokenKind::Comma, 1);
    case '!':
        return following == '=' ? single(TokenKind::NotEqual, 2) : single(TokenKind::Bang, 1);
    case '|':
        return following == '|' ? single(TokenKind::DoublePipe, 2) : single(TokenKind::Pipe, 1);
    case '&':
        if (following == '&') {
            return single(TokenKind::DoubleAmp, 2);
        }
        break;
    case '=':
        return single(TokenKind::Equal, 1);
    case '<':
        return following == '=' ? single(TokenKind::LessEqual, 2) : single(TokenKind::Less, 1);
    case '>':
        return following == '=' ? single(TokenKind::GreaterEqual, 2)
                                : single(TokenKind::Greater, 1);
    case '"':
    case '\'':
        return Quoted(start);
    case '$':
        return Dollar(start);
    default:
        if (IsDigit(c)) {
            return Numeral(start);
        }
        if (IsNameStart(c)) {
            return Word(start);
        }
        break;
    }
    throw PatternError{"unexpected character '" + std::string(1, c) + "' at offset " +
                       std::to_string(start)};
}

Token Lexer::Word(std::size_t start) {
    auto scan = [&] {
        while (position_ < pattern_.size() && IsNameChar(pattern_[position_])) {
            ++position_;
        }
    };
    scan();
    // A colon joins a prefix to a local name only when nothing separates them.
    if (position_ + 1 < pattern_.size() && pattern_[position_] == ':') {
        char after = pattern_[position_ + 1];
        if (after == '*') {
            position_ += 2;
        } else if (IsNameStart(after)) {
            ++position_;
            scan();
        }
    }
    return {TokenKind::Name, std::string(pattern_.substr(start, position_ - start)), start};
}

Token Lexer::Quoted(std::size_t start) {
    char quote = pattern_[start];
    std::size_t close = pattern_.find(quote, start + 1);
    if (close == std::string_view::npos) {
        throw PatternError{"unterminated string literal at offset " + std::to_string(start)};
    }
    position_ = close + 1;
    return {TokenKind::String, std::string(pattern_.substr(start + 1, close - start - 1)), start};
}

Token Lexer::Numeral(std::size_t start) {
    bool decimal = false;
    while (position_ < pattern_.size()) {
        char c = pattern_[position_];
        if (c == '.' && !decimal) {
            decimal = true;
        } else if (!IsDigit(c)) {
            break;
        }
        ++position_;
    }
    return {decimal ? TokenKind::Decimal : TokenKind::Integer,
            std::string(pattern_.substr(start, position_ - start)), start};
}

Token Lexer::Dollar(std::size_t start) {
    std::size_t close = pattern_.find('$', start + 1);
    if (close == std::string_view::npos) {
        throw PatternError{"unterminated $ operator at offset " + std::to_string(start)};
    }
    position_ = close + 1;
    return {TokenKind::Keyword, std::string(pattern_.substr(start + 1, close - start - 1)), start};
}

std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::End:
        return "end of pattern";
    case TokenKind::Keyword:
        return "'$" + token.text + "$' at offset " + std::to_string(token.offset);
    case TokenKind::String:
        return "string literal at offset " + std::to_string(token.offset);
    default:
        return "'" + token.text + "' at offset " + std::to_string(token.offset);
    }
}

} // namespace XslPattern
