#pragma once

// Parses a pattern and builds its XPath translation in the same pass: each
// grammar rule returns the XPath text of what it parsed together with what
// the enclosing rules need to know about it (a node-set or a condition,
// a value method applied to it, the signature of its last step).
//
// Grammar, loosest first:
//   or        := and (("or" | "$or$" | "||") and)*
//   and       := not (("and" | "$and$" | "&&") not)*
//   not       := "$not$" not | union
//   union     := compare (("|" | "$union$" | "$intersect$") compare)*
//   compare   := ["$any$" | "$all$"] path [relation path]
//   path      := "/" [relative] | "//" relative | relative
//   relative  := step (("/" | "//") step)*
//   step      := primary filter* ["!" method]
//   primary   := "." | ".." | "*" | name | "@" name | method | "(" or ")" | literal
// A group may also follow '/' when it holds only relative paths.

#include "platform/xml/xslpattern/Comparison.h"
#include "platform/xml/xslpattern/Lexer.h"
#include "platform/xml/xslpattern/StepSelector.h"
#include "platform/xml/xslpattern/XslPattern.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace XslPattern {

class Translator {
public:
    Translator(std::string_view pattern, const std::vector<Binding>& bindings,
               const DocumentFacts& facts);

    // The XPath expression selecting what the pattern selects; throws
    // PatternError.
    std::string Translate();

private:
    struct Fragment {
        enum class Type { Nodes, Condition, Literal };
        Type type = Type::Nodes;
        std::string xpath;
        std::optional<Accessor> accessor; // a value method applied to the nodes
        std::string signature;            // of the step that selected the nodes
        TokenKind literal = TokenKind::End;
        std::string literalText;
        bool extensible = false; // further steps may follow
        // index() or end() of the context node where XPath's position()
        // gives them.
        bool positional = false;
    };

    Fragment Or();
    Fragment And();
    Fragment Not();
    Fragment Union();
    Fragment Compare();
    Fragment Path();
    Fragment Relative(std::string prefix, TokenKind separator);
    Fragment Primary();
    Fragment Group();
    Fragment GroupAfter(std::string prefix, TokenKind separator);
    Fragment Method(std::string name);
    Fragment Ancestor();
    Fragment Id();
    Fragment ValueMethod(Accessor accessor, std::string_view xpath, std::string signature);
    // The nodes, or what a method applied to them with '!' gives.
    Fragment MethodApplication(Fragment nodes);
    Fragment Step(std::string prefix, TokenKind separator);
    std::string MatchPattern();
    std::optional<StepSelector> StepForMethod(std::string name);

    // Filters after a step: rendered "[...]" texts. `positionIndexes` says
    // whether a leading numeric index may use XPath's position.
    // `positionalMethods`: whether index() and end() in the first filter may
    // use them too (per-parent steps on the child and attribute axes).
    std::string Filters(const std::string& signature, bool positionIndexes, bool positionalMethods);
    std::string Filter(const std::string& signature, bool first, bool positionIndexes,
                       bool positionalMethods);

    Fragment Comparison(Fragment left, Relation relation, bool ignoreCase, bool all,
                        Fragment right);
    // The comparison as XPath's own '=' or '!=', where that means the same.
    std::optional<std::string> PlainComparison(const Fragment& left, const Fragment& right,
                                               const ComparisonRule& rule) const;
    static Fragment Condition(std::string xpath);
    static std::string AsCondition(const Fragment& fragment);
    // The XPath of a comparison operand.
    static std::string OperandXPath(const Fragment& fragment);
    static std::string NodesOnly(Fragment&& fragment, std::string_view what);

    bool AtOr() const;
    bool AtAnd() const;
    void Advance();
    bool At(TokenKind kind) const { return token_.kind == kind; }
    bool AtWord(std::string_view word) const;
    bool AtKeyword(std::string_view word) const;
    void Expect(TokenKind kind, std::string_view what);
    [[noreturn]] void Unexpected(std::string_view expected) const;

    Lexer lexer_;
    Token token_;
    Token next_;
    const std::vector<Binding>& bindings_;
    DocumentFacts facts_;
    std::string contextSignature_;
    bool ancestorAllowed_ = true;
    bool contextPositional_ = false;
    // Set while parsing a group that follows '/': the path before it.
    std::optional<std::pair<std::string, TokenKind>> groupPrefix_;
    int depth_ = 0;
    int applications_ = 0;
    // A bound on the translation's length, which repeated prefixes could
    // otherwise make grow exponentially with the pattern's.
    std::size_t maximumTranslation_;
};

} // namespace XslPattern
