#include "host/query/Parser.h"

#include "frame/VeritorInterface.h"
#include "host/Veritor.h"
#include "host/query/Lexer.h"
#include "host/query/Suggestion.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>
#include <vector>

namespace veritor::host {

namespace {

using Node = std::unique_ptr<Syntax>;

// Words that structure a query and so never start a name.
constexpr std::array<std::string_view, 10> reserved = {
    "of", "and", "or", "not", "mod", "contains", "as", "exists", "true", "false"};

bool IsReserved(std::string_view word) {
    return std::ranges::find(reserved, word) != reserved.end();
}

std::string Lower(std::string_view word) {
    std::string lower(word);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Words that may stand where a name is expected, for suggestions.
constexpr std::array<std::string_view, 6> operandKeywords = {"true",   "false",     "not",
                                                             "exists", "number of", "number"};

class Parser {
public:
    Parser(std::string_view query, const NameTable& names)
        : tokens(Lex(query))
        , names(names) {}

    Node Query() {
        Node node = Expression(0);
        if (Peek().kind != TokenKind::End) {
            Fail(Unexpected(Peek()));
        }
        return node;
    }

private:
    // --- token access ----------------------------------------------------------

    const Token& Peek(std::size_t ahead = 0) const {
        return tokens[std::min(at + ahead, tokens.size() - 1)];
    }
    // The parser never goes back, so a token taken is its own to move from.
    Token& Take() { return tokens[std::min(at++, tokens.size() - 1)]; }

    bool IsSymbol(std::string_view symbol, std::size_t ahead = 0) const {
        return Peek(ahead).kind == TokenKind::Symbol && Peek(ahead).text == symbol;
    }
    bool IsWord(std::string_view word, std::size_t ahead = 0) const {
        return Peek(ahead).kind == TokenKind::Word && Peek(ahead).text == word;
    }

    static std::string Describe(const Token& token) {
        switch (token.kind) {
        case TokenKind::End:
            return "end of query";
        case TokenKind::String:
            return "string literal";
        case TokenKind::Integer:
        case TokenKind::Number:
            return "number " + token.text;
        default:
            return "\"" + token.text + "\"";
        }
    }

    // A structure word written with capitals is suggested in lower case.
    static std::string Unexpected(const Token& token) {
        std::string message = "unexpected " + Describe(token);
        if (token.kind == TokenKind::Word) {
            std::string lower = Lower(token.text);
            if (lower != token.text && IsReserved(lower)) {
                message.append("; did you mean \"").append(lower).append("\"?");
            }
        }
        return message;
    }

    [[noreturn]] void Fail(const std::string& message) const { Fail(message, Peek().position); }
    [[noreturn]] static void Fail(const std::string& message, std::size_t position) {
        throw QueryError(ErrorKind::Syntax, message, position);
    }

    void Expect(std::string_view symbol) {
        if (!IsSymbol(symbol)) {
            Fail("expected \"" + std::string(symbol) + "\" but found " + Describe(Peek()));
        }
        ++at;
    }

    // --- building nodes --------------------------------------------------------

    static Node Make(Syntax::Kind kind, std::size_t position) {
        auto node = std::make_unique<Syntax>();
        node->kind = kind;
        node->position = position;
        return node;
    }

    static void Adopt(Syntax& parent, const Syntax* child) {
        if (child == nullptr) {
            return;
        }
        parent.depth = std::max(parent.depth, child->depth + 1);
        if (parent.depth > maximumDepth) {
            Fail("query nested too deeply", parent.position);
        }
    }

    static Node Unary(Syntax::Kind kind, std::size_t position, Node operand) {
        Node node = Make(kind, position);
        Adopt(*node, operand.get());
        node->operand = std::move(operand);
        return node;
    }

    // Operators of one level chain from left to right: `a - b - c` is one
    // node of three parts, so that a long chain is not a deep tree.
    static Node Chain(Node first) {
        Node node = Make(Syntax::Kind::Operator, first->position);
        Adopt(*node, first.get());
        node->parts.push_back(std::move(first));
        return node;
    }

    static void Extend(Node& chain, int code, std::size_t position, Node operand) {
        // Extending any chain keeps the meaning: it is evaluated from the
        // left, so `(a + b) * c` is the chain a, + b, * c.
        if (chain->kind != Syntax::Kind::Operator) {
            chain = Chain(std::move(chain));
        }
        Adopt(*chain, operand.get());
        chain->operators.push_back({code, position});
        chain->parts.push_back(std::move(operand));
    }

    // --- grammar ---------------------------------------------------------------

    void Enter(int depth) const {
        if (depth > maximumDepth) {
            Fail("query nested too deeply");
        }
    }

    Node Expression(int depth) {
        Enter(depth);
        return Parts(depth, ";", Syntax::Kind::List, &Parser::TupleExpression);
    }

    Node TupleExpression(int depth) {
        return Parts(depth, ",", Syntax::Kind::Tuple, &Parser::Disjunction);
    }

    // One part, or several separated by `separator`.
    Node Parts(int depth, std::string_view separator, Syntax::Kind kind,
               Node (Parser::*part)(int)) {
        std::size_t position = Peek().position;
        Node first = (this->*part)(depth);
        if (!IsSymbol(separator)) {
            return first;
        }
        Node node = Make(kind, position);
        Adopt(*node, first.get());
        node->parts.push_back(std::move(first));
        while (IsSymbol(separator)) {
            ++at;
            Node next = (this->*part)(depth);
            Adopt(*node, next.get());
            node->parts.push_back(std::move(next));
        }
        return node;
    }

    Node Disjunction(int depth) {
        Node left = Conjunction(depth);
        while (IsWord("or")) {
            std::size_t position = Take().position;
            Extend(left, OperatorOr, position, Conjunction(depth));
        }
        return left;
    }

    Node Conjunction(int depth) {
        Node left = Relation(depth);
        while (IsWord("and")) {
            std::size_t position = Take().position;
            Extend(left, OperatorAnd, position, Relation(depth));
        }
        return left;
    }

    int RelationCode() const {
        static constexpr std::pair<std::string_view, int> symbols[] = {
            {"=", OperatorEqual},        {"!=", OperatorNotEqual}, {"<", OperatorLess},
            {"<=", OperatorLessOrEqual}, {">", OperatorGreater},   {">=", OperatorGreaterOrEqual}};
        for (auto [symbol, code] : symbols) {
            if (IsSymbol(symbol)) {
                return code;
            }
        }
        return IsWord("contains") ? OperatorContains : 0;
    }

    Node Relation(int depth) {
        Node left = Sum(depth);
        if (int code = RelationCode()) {
            std::size_t position = Take().position;
            Extend(left, code, position, Sum(depth));
            if (RelationCode() != 0) {
                Fail("comparisons do not chain: use parentheses");
            }
        }
        return left;
    }

    Node Sum(int depth) {
        Node left = Product(depth);
        while (true) {
            int code = IsSymbol("&")   ? OperatorConcatenate
                       : IsSymbol("+") ? OperatorAdd
                       : IsSymbol("-") ? OperatorSubtract
                                       : 0;
            if (code == 0) {
                return left;
            }
            std::size_t position = Take().position;
            Extend(left, code, position, Product(depth));
        }
    }

    Node Product(int depth) {
        Node left = CastChain(depth);
        while (true) {
            int code = IsSymbol("*")   ? OperatorMultiply
                       : IsSymbol("/") ? OperatorDivide
                       : IsWord("mod") ? OperatorModulo
                                       : 0;
            if (code == 0) {
                return left;
            }
            std::size_t position = Take().position;
            Extend(left, code, position, CastChain(depth));
        }
    }

    Node CastChain(int depth) {
        Node operand = UnaryExpression(depth);
        while (IsWord("as")) {
            std::size_t position = Take().position;
            Node node = Unary(Syntax::Kind::Cast, position, std::move(operand));
            node->text = MatchName(names.casts, "cast", {});
            operand = std::move(node);
        }
        return operand;
    }

    Node UnaryExpression(int depth) {
        Enter(depth);
        const Token& token = Peek();
        std::size_t position = token.position;
        if (IsSymbol("-")) {
            ++at;
            if (Peek().kind == TokenKind::Integer || Peek().kind == TokenKind::Number) {
                return Literal(true);
            }
            return Unary(Syntax::Kind::Negate, position, UnaryExpression(depth + 1));
        }
        if (token.kind != TokenKind::Word || IsWord("true") || IsWord("false")) {
            return Primary(depth);
        }
        if (IsWord("not") || IsWord("exists")) {
            auto kind = token.text == "not" ? Syntax::Kind::Not : Syntax::Kind::Exists;
            ++at;
            return Unary(kind, position, UnaryExpression(depth + 1));
        }
        if (IsWord("number") && IsWord("of", 1)) {
            at += 2;
            return Unary(Syntax::Kind::NumberOf, position, UnaryExpression(depth + 1));
        }
        return Application(depth);
    }

    // NAME [index] [of unary]
    Node Application(int depth) {
        std::size_t position = Peek().position;
        Node node = Make(Syntax::Kind::Apply, position);
        node->text = MatchName(names.properties, "name", operandKeywords);
        if (names.indexed.contains(node->text) && StartsIndex()) {
            node->index = Index(depth + 1);
            Adopt(*node, node->index.get());
        }
        if (IsWord("of")) {
            ++at;
            node->operand = UnaryExpression(depth + 1);
            Adopt(*node, node->operand.get());
        }
        return node;
    }

    // A word after a name can only start an index: nothing else may follow
    // a name but `of`, an operator or punctuation.
    // NAME [index], as an index: `decoded file "a.xml"` reads as
    // `decoded (file "a.xml")`. It takes no `of`, which belongs to the outer
    // name.
    Node IndexName(int depth) {
        Enter(depth);
        Node node = Make(Syntax::Kind::Apply, Peek().position);
        node->text = MatchName(names.properties, "name", operandKeywords);
        if (names.indexed.contains(node->text) && StartsIndex()) {
            node->index = Index(depth + 1);
            Adopt(*node, node->index.get());
        }
        return node;
    }

    bool StartsIndex() const {
        const Token& token = Peek();
        return IsSymbol("-") || IsSymbol("(") || token.kind == TokenKind::String ||
               token.kind == TokenKind::Integer || token.kind == TokenKind::Number ||
               (token.kind == TokenKind::Word &&
                (!IsReserved(token.text) || IsWord("true") || IsWord("false")));
    }

    Node Index(int depth) {
        Enter(depth);
        std::size_t position = Peek().position;
        bool negative = IsSymbol("-");
        if (negative) {
            ++at;
            if (Peek().kind == TokenKind::Integer || Peek().kind == TokenKind::Number) {
                return Literal(true);
            }
        }
        Node body;
        if (IsSymbol("(")) {
            ++at;
            body = Expression(depth + 1);
            Expect(")");
        } else if (Peek().kind == TokenKind::String || Peek().kind == TokenKind::Integer ||
                   Peek().kind == TokenKind::Number || IsWord("true") || IsWord("false")) {
            body = Literal(false);
        } else if (!negative && Peek().kind == TokenKind::Word && !IsReserved(Peek().text)) {
            body = IndexName(depth + 1);
        } else {
            Fail("an index is a literal, a name with its own index or a parenthesised "
                 "expression");
        }
        return negative ? Unary(Syntax::Kind::Negate, position, std::move(body)) : std::move(body);
    }

    Node Primary(int depth) {
        const Token& token = Peek();
        if (IsSymbol("(")) {
            std::size_t position = Take().position;
            if (IsSymbol(")")) {
                ++at;
                return Make(Syntax::Kind::Empty, position);
            }
            Node inner = Expression(depth + 1);
            Expect(")");
            return inner;
        }
        if (token.kind == TokenKind::String || token.kind == TokenKind::Integer ||
            token.kind == TokenKind::Number || IsWord("true") || IsWord("false")) {
            return Literal(false);
        }
        Fail(Unexpected(token));
    }

    // The literal at the current token; `negative` when a '-' preceded it.
    Node Literal(bool negative) {
        Token& token = Take();
        std::size_t position = negative ? token.position - 1 : token.position;
        switch (token.kind) {
        case TokenKind::String: {
            Node node = Make(Syntax::Kind::String, position);
            node->text = std::move(token.text);
            return node;
        }
        case TokenKind::Integer: {
            constexpr std::uint64_t limit = std::uint64_t{1} << 63;
            if (token.magnitude == limit && !negative) {
                Fail("integer literal out of range", token.position);
            }
            Node node = Make(Syntax::Kind::Integer, position);
            node->integer = negative ? static_cast<std::int64_t>(0 - token.magnitude)
                                     : static_cast<std::int64_t>(token.magnitude);
            return node;
        }
        case TokenKind::Number: {
            Node node = Make(Syntax::Kind::Number, position);
            node->number = negative ? -token.number : token.number;
            return node;
        }
        default: {
            Node node = Make(Syntax::Kind::Boolean, position);
            node->boolean = token.text == "true";
            return node;
        }
        }
    }

    // The longest run of words from here that is a name in `table`. An
    // unknown run is refused with the closest name of the table or of
    // `keywords` as a suggestion.
    std::string MatchName(const std::set<std::string>& table, const char* what,
                          std::span<const std::string_view> keywords) {
        if (Peek().kind != TokenKind::Word || IsReserved(Peek().text)) {
            Fail(std::string("expected a ") + what + " but found " + Describe(Peek()));
        }
        std::string candidate;
        std::size_t matchedWords = 0;
        std::string matched;
        for (std::size_t n = 0; n < names.longestName && Peek(n).kind == TokenKind::Word; ++n) {
            candidate += (n == 0 ? "" : " ") + Peek(n).text;
            if (table.contains(candidate)) {
                matched = candidate;
                matchedWords = n + 1;
            }
        }
        if (matchedWords == 0) {
            FailUnknown(table, what, keywords);
        }
        at += matchedWords;
        return matched;
    }

    // Refuses the words from here as an unknown name. Names are lower-case
    // words, so the same words in lower case are the first suggestion, else
    // the closest name.
    [[noreturn]] void FailUnknown(const std::set<std::string>& table, const char* what,
                                  std::span<const std::string_view> keywords) {
        auto known = [&](const std::string& name) {
            return table.contains(name) || std::ranges::find(keywords, name) != keywords.end();
        };
        std::string suggestion;
        std::size_t words = 0;
        std::string lower;
        for (std::size_t n = 0; n <= names.longestName && Peek(n).kind == TokenKind::Word; ++n) {
            lower.append(n == 0 ? "" : " ").append(Lower(Peek(n).text));
            if (known(lower)) {
                suggestion = lower;
                words = n + 1;
            }
        }
        std::string unknown = Peek().text;
        for (std::size_t n = 1;
             Peek(n).kind == TokenKind::Word && (n < words || !IsReserved(Lower(Peek(n).text)));
             ++n) {
            unknown += " " + Peek(n).text;
        }
        if (words == 0) {
            std::vector<std::string_view> candidates(table.begin(), table.end());
            candidates.insert(candidates.end(), keywords.begin(), keywords.end());
            std::ranges::sort(candidates);
            suggestion = ClosestName(unknown, candidates).value_or("");
        }
        std::string message = std::string("unknown ") + what + " \"" + unknown + "\"";
        if (!suggestion.empty()) {
            message.append("; did you mean \"").append(suggestion).append("\"?");
        }
        Fail(message);
    }

    std::vector<Token> tokens;
    const NameTable& names;
    std::size_t at = 0;
};

} // namespace

std::unique_ptr<Syntax> Parse(std::string_view query, const NameTable& names) {
    return Parser(query, names).Query();
}

} // namespace veritor::host
