#pragma once

// Splits a pattern into tokens. Words are not classified here: whether
// "and" is an operator or an element name depends on where it stands, which
// only the parser knows.

#include <cstddef>
#include <string>
#include <string_view>

namespace XslPattern {

enum class TokenKind {
    End,
    Slash,        // /
    DoubleSlash,  // //
    Dot,          // .
    DotDot,       // ..
    Star,         // *
    At,           // @
    LeftParen,    // (
    RightParen,   // )
    LeftBracket,  // [
    RightBracket, // ]
    Comma,        // ,
    Bang,         // ! (method application)
    Pipe,         // |
    DoublePipe,   // ||
    DoubleAmp,    // &&
    Equal,        // =
    NotEqual,     // !=
    Less,         // <
    LessEqual,    // <=
    Greater,      // >
    GreaterEqual, // >=
    Keyword,      // $word$; text holds the word without the dollars
    Name,         // NCName, prefix:name or prefix:*
    String,       // quoted literal; text holds the content
    Integer,      // digits
    Decimal,      // digits with a decimal point
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    std::size_t offset = 0;
};

// Thrown for any pattern that cannot be translated; the message is for
// diagnostics.
struct PatternError {
    std::string message;
};

class Lexer {
public:
    explicit Lexer(std::string_view pattern)
        : pattern_(pattern) {}

    // The next token; End repeatedly once the pattern is used up.
    Token Next();

private:
    Token Word(std::size_t start);
    Token Quoted(std::size_t start);
    Token Numeral(std::size_t start);
    Token Dollar(std::size_t start);

    std::string_view pattern_;
    std::size_t position_ = 0;
};

// A readable rendering of a token for error messages.
std::string Describe(const Token& token);

} // namespace XslPattern
