#include "host/query/Lexer.h"

#include "host/Veritor.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace veritor::host {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// Names are lower case, but a word with capitals is read as one so that it
// can be refused with its lower-case spelling as a suggestion.
bool IsWordStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsWordPart(char c) {
    return IsWordStart(c) || IsDigit(c);
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexDigit(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

[[noreturn]] void Fail(const std::string& message, std::size_t position) {
    throw QueryError(ErrorKind::Syntax, message, position);
}

std::string Shown(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7f) {
        return std::string("\"") + c + "\"";
    }
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return std::string("byte ") + text;
}

class Lexer {
public:
    explicit Lexer(std::string_view query)
        : query(query) {}

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        while (true) {
            while (at < query.size() && IsSpace(query[at])) {
                ++at;
            }
            if (at == query.size()) {
                tokens.push_back(Token{TokenKind::End, {}, 0, 0.0, at});
                return tokens;
            }
            tokens.push_back(Next());
        }
    }

private:
    Token Next() {
        char c = query[at];
        if (IsWordStart(c)) {
            return Word();
        }
        if (IsDigit(c)) {
            return NumberLiteral();
        }
        if (c == '"') {
            return StringLiteral();
        }
        return SymbolToken();
    }

    Token Word() {
        std::size_t start = at;
        while (at < query.size() && IsWordPart(query[at])) {
            ++at;
        }
        return Token{TokenKind::Word, std::string(query.substr(start, at - start)), 0, 0.0, start};
    }

    Token NumberLiteral() {
        std::size_t start = at;
        while (at < query.size() && IsDigit(query[at])) {
            ++at;
        }
        bool floating = false;
        if (at + 1 < query.size() && query[at] == '.' && IsDigit(query[at + 1])) {
            floating = true;
            at += 2;
            while (at < query.size() && IsDigit(query[at])) {
                ++at;
            }
        }
        if (at < query.size() && (query[at] == 'e' || query[at] == 'E')) {
            std::size_t exponent = at + 1;
            if (exponent < query.size() && (query[exponent] == '-' || query[exponent] == '+')) {
                ++exponent;
            }
            if (exponent < query.size() && IsDigit(query[exponent])) {
                floating = true;
                at = exponent;
                while (at < query.size() && IsDigit(query[at])) {
                    ++at;
                }
            }
        }
        if (at < query.size() && (IsWordPart(query[at]) || query[at] == '.')) {
            Fail("malformed number", start);
        }
        const char* first = query.data() + start;
        const char* last = query.data() + at;
        Token token{floating ? TokenKind::Number : TokenKind::Integer, std::string(first, last), 0,
                    0.0, start};
        if (floating) {
            auto [end, error] = std::from_chars(first, last, token.number);
            if (error != std::errc() || end != last) {
                Fail("floating-point literal out of range", start);
            }
        } else {
            auto [end, error] = std::from_chars(first, last, token.magnitude);
            if (error != std::errc() || end != last || token.magnitude > (1ULL << 63)) {
                Fail("integer literal out of range", start);
            }
        }
        return token;
    }

    Token StringLiteral() {
        std::size_t start = at++;
        std::string bytes;
        while (true) {
            // Plain bytes up to the next quote or escape go in at once: a
            // literal may be megabytes long.
            const std::size_t plain = std::min(query.find_first_of("\"\\", at), query.size());
            bytes.append(query.substr(at, plain - at));
            at = plain;
            if (at == query.size()) {
                Fail("unterminated string literal", start);
            }
            char c = query[at++];
            if (c == '"') {
                return Token{TokenKind::String, std::move(bytes), 0, 0.0, start};
            }
            std::size_t escape = at - 1;
            if (at == query.size()) {
                Fail("unterminated string literal", start);
            }
            switch (query[at++]) {
            case '"':
                bytes.push_back('"');
                break;
            case '\\':
                bytes.push_back('\\');
                break;
            case 'n':
                bytes.push_back('\n');
                break;
            case 'r':
                bytes.push_back('\r');
                break;
            case 't':
                bytes.push_back('\t');
                break;
            case '0':
                bytes.push_back('\0');
                break;
            case 'x': {
                int high = at < query.size() ? HexDigit(query[at]) : -1;
                int low = at + 1 < query.size() ? HexDigit(query[at + 1]) : -1;
                if (high < 0 || low < 0) {
                    Fail("\\x needs two hexadecimal digits", escape);
                }
                bytes.push_back(static_cast<char>(high * 16 + low));
                at += 2;
                break;
            }
            default:
                Fail("unknown escape sequence", escape);
            }
        }
    }

    Token SymbolToken() {
        static constexpr std::string_view twoByte[] = {"!=", "<=", ">="};
        static constexpr std::string_view oneByte = ";,()=<>&+-*/";
        std::size_t start = at;
        for (std::string_view symbol : twoByte) {
            if (query.substr(at, 2) == symbol) {
                at += 2;
                return Token{TokenKind::Symbol, std::string(symbol), 0, 0.0, start};
            }
        }
        if (oneByte.find(query[at]) != std::string_view::npos) {
            ++at;
            return Token{TokenKind::Symbol, std::string(1, query[start]), 0, 0.0, start};
        }
        Fail("unexpected " + Shown(query[at]), start);
    }

    std::string_view query;
    std::size_t at = 0;
};

} // namespace

std::vector<Token> Lex(std::string_view query) {
    return Lexer(query).Run();
}

} // namespace veritor::host
