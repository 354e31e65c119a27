// Splits a query into tokens: words, literals and symbols.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veritor::host {

enum class TokenKind { Word, String, Integer, Number, Symbol, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;            // a word, a symbol, or the bytes of a string literal
    std::uint64_t magnitude = 0; // an integer literal; up to 2^63, which only a '-' makes valid
    double number = 0.0;         // a floating-point literal
    std::size_t position = 0;    // byte offset in the query
};

// Throws QueryError (syntax) at the first byte that starts no token.
std::vector<Token> Lex(std::string_view query);

} // namespace veritor::host
