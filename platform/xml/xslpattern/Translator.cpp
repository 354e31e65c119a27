#include "platform/xml/xslpattern/Translator.h"

#include "platform/xml/xslpattern/Concat.h"
#include "platform/xml/xslpattern/Signature.h"
#include "platform/xml/xslpattern/XPathLiteral.h"

#include <algorithm>
#include <utility>

namespace XslPattern {

namespace {

// Deeper nesting than any real pattern needs; it keeps hostile input from
// exhausting the stack.
constexpr int MaximumNesting = 256;

struct RelationForm {
    TokenKind kind;
    std::string_view keyword;
    Relation relation;
    bool ignoreCase;
};

constexpr RelationForm relationForms[] = {
    {TokenKind::Equal, "eq", Relation::Equal, false},
    {TokenKind::NotEqual, "ne", Relation::NotEqual, false},
    {TokenKind::Less, "lt", Relation::Less, false},
    {TokenKind::LessEqual, "le", Relation::LessEqual, false},
    {TokenKind::Greater, "gt", Relation::Greater, false},
    {TokenKind::GreaterEqual, "ge", Relation::GreaterEqual, false},
    {TokenKind::End, "ieq", Relation::Equal, true},
    {TokenKind::End, "ine", Relation::NotEqual, true},
    {TokenKind::End, "ilt", Relation::Less, true},
    {TokenKind::End, "ile", Relation::LessEqual, true},
    {TokenKind::End, "igt", Relation::Greater, true},
    {TokenKind::End, "ige", Relation::GreaterEqual, true},
};

bool IsNumeric(Accessor accessor) {
    return accessor == Accessor::Type || accessor == Accessor::Index || accessor == Accessor::End ||
           accessor == Accessor::Number;
}

struct NestingGuard {
    explicit NestingGuard(int& depth)
        : depth_(depth) {
        if (++depth_ > MaximumNesting) {
            throw PatternError{"the pattern is nested too deeply"};
        }
    }
    ~NestingGuard() { --depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    int& depth_;
};

// libxml2 evaluates a chain of `and` or `or`, and a function's arguments,
// recursively, one level per operand, and gives up at a few thousand levels.
// A chain is therefore flat up to this many operands, and longer ones become
// groups of at most this many, nested as deeply as they must be.
constexpr std::size_t ChainFanout = 1000;

void AppendChain(std::string& out, const std::vector<std::string>& operands, std::size_t begin,
                 std::size_t end, std::string_view separator, std::string_view opening) {
    std::size_t count = end - begin;
    std::size_t groupSize = 1;
    while (count > groupSize * ChainFanout) {
        groupSize *= ChainFanout;
    }
    out.append(opening);
    for (std::size_t at = begin; at < end; at += groupSize) {
        if (at != begin) {
            out.append(separator);
        }
        if (groupSize == 1) {
            out.append(operands[at]);
        } else {
            AppendChain(out, operands, at, std::min(end, at + groupSize), separator, opening);
        }
    }
    out += ')';
}

// The operands joined by `separator` into one chain, each group opened by
// `opening` (a parenthesis or a function's name and one), written once into
// one buffer.
std::string JoinChain(const std::vector<std::string>& operands, std::string_view separator,
                      std::string_view opening = "(") {
    std::size_t size = 0;
    for (const std::string& operand : operands) {
        size += operand.size() + separator.size() + opening.size() + 1;
    }
    std::string out;
    out.reserve(size + (opening.size() + 1) * (operands.size() / ChainFanout + 1));
    AppendChain(out, operands, 0, operands.size(), separator, opening);
    return out;
}

// The union of node sets: by the extension function, which takes linear time
// where libxml2's `|` in parentheses compares every node with every other.
std::string UnionChain(const std::vector<std::string>& operands) {
    return JoinChain(operands, ", ", "xslp-union(");
}

} // namespace

Translator::Fragment Translator::Condition(std::string xpath) {
    Fragment condition;
    condition.type = Fragment::Type::Condition;
    condition.xpath = std::move(xpath);
    return condition;
}

Translator::Translator(std::string_view pattern, const std::vector<Binding>& bindings,
                       const DocumentFacts& facts)
    : lexer_(pattern)
    , bindings_(bindings)
    , facts_(facts)
    , contextSignature_(Signature::SameAsSelf)
    // Every construct translates to at most a small multiple of its own
    // length; only repetition can exceed this.
    , maximumTranslation_(std::max<std::size_t>(1 << 20, 16 * pattern.size())) {
    token_ = lexer_.Next();
    next_ = lexer_.Next();
}

std::string Translator::Translate() {
    if (At(TokenKind::End)) {
        throw PatternError{"the pattern is empty"};
    }
    Fragment result = Or();
    if (!At(TokenKind::End)) {
        Unexpected("an operator or the end of the pattern");
    }
    if (result.type != Fragment::Type::Nodes || result.accessor) {
        throw PatternError{"the pattern does not select nodes"};
    }
    return result.xpath;
}

void Translator::Advance() {
    token_ = std::move(next_);
    next_ = lexer_.Next();
}

bool Translator::AtWord(std::string_view word) const {
    return token_.kind == TokenKind::Name && token_.text == word;
}

bool Translator::AtKeyword(std::string_view word) const {
    return token_.kind == TokenKind::Keyword && token_.text == word;
}

void Translator::Expect(TokenKind kind, std::string_view what) {
    if (!At(kind)) {
        Unexpected(what);
    }
    Advance();
}

void Translator::Unexpected(std::string_view expected) const {
    throw PatternError{"expected " + std::string(expected) + ", found " + Describe(token_)};
}

Translator::Fragment Translator::Or() {
    NestingGuard guard(depth_);
    Fragment first = And();
    if (!AtOr()) {
        return first;
    }
    std::vector<std::string> operands{AsCondition(first)};
    while (AtOr()) {
        Advance();
        operands.push_back(AsCondition(And()));
    }
    return Condition(JoinChain(operands, " or "));
}

Translator::Fragment Translator::And() {
    Fragment first = Not();
    if (!AtAnd()) {
        return first;
    }
    std::vector<std::string> operands{AsCondition(first)};
    while (AtAnd()) {
        Advance();
        operands.push_back(AsCondition(Not()));
    }
    return Condition(JoinChain(operands, " and "));
}

bool Translator::AtOr() const {
    return AtWord("or") || AtKeyword("or") || At(TokenKind::DoublePipe);
}

bool Translator::AtAnd() const {
    return AtWord("and") || AtKeyword("and") || At(TokenKind::DoubleAmp);
}

Translator::Fragment Translator::Not() {
    if (!AtKeyword("not")) {
        return Union();
    }
    NestingGuard guard(depth_);
    Advance();
    Fragment operand = Not();
    Fragment negation = Condition("not(" + AsCondition(operand) + ")");
    return negation;
}

Translator::Fragment Translator::Union() {
    Fragment left = Compare();
    // The operands of the run of unions being read, joined once at its end.
    std::vector<std::string> united;
    while (At(TokenKind::Pipe) || AtKeyword("union") || AtKeyword("intersect")) {
        bool intersect = AtKeyword("intersect");
        Advance();
        Fragment right = Compare();
        Fragment joined;
        joined.signature =
            left.signature == right.signature ? left.signature : Signature::SameAsSelf;
        if (united.empty()) {
            united.push_back(NodesOnly(std::move(left), "a set operation"));
        }
        united.push_back(NodesOnly(std::move(right), "a set operation"));
        if (intersect) {
            std::string second = std::move(united.back());
            united.pop_back();
            std::string first =
                united.size() == 1 ? std::move(united.front()) : UnionChain(united);
            united.clear();
            joined.xpath = Concat("xslp-intersect(", first, ", ", second, ")");
        }
        left = std::move(joined);
    }
    if (!united.empty()) {
        left.xpath = UnionChain(united);
    }
    return left;
}

Translator::Fragment Translator::Compare() {
    std::optional<bool> all;
    if (AtKeyword("any") || AtKeyword("all")) {
        all = AtKeyword("all");
        Advance();
    }
    Fragment left = Path();
    for (const RelationForm& form : relationForms) {
        bool matches = form.kind == TokenKind::End ? AtKeyword(form.keyword)
                                                   : At(form.kind) || AtKeyword(form.keyword);
        if (matches) {
            Advance();
            Fragment right = Path();
            return Comparison(std::move(left), form.relation, form.ignoreCase, all.value_or(false),
                              std::move(right));
        }
    }
    if (all) {
        throw PatternError{"$any$ and $all$ must be followed by a comparison"};
    }
    return left;
}

Translator::Fragment Translator::Comparison(Fragment left, Relation relation, bool ignoreCase,
                                            bool all, Fragment right) {
    if (left.type == Fragment::Type::Literal) {
        throw PatternError{"a comparison cannot start with a literal"};
    }
    if (left.type == Fragment::Type::Condition || right.type == Fragment::Type::Condition) {
        throw PatternError{"a condition cannot be compared"};
    }
    ComparisonRule rule;
    rule.relation = relation;
    rule.ignoreCase = ignoreCase;
    rule.all = all;
    rule.leftAccessor = left.accessor.value_or(Accessor::Value);
    rule.leftSignature = left.signature;
    bool rightLiteral = right.type == Fragment::Type::Literal;
    if (!rightLiteral) {
        rule.rightAccessor = right.accessor.value_or(Accessor::Value);
        rule.rightSignature = right.signature;
    }
    // A typed method decides before the literal does.
    auto typedBy = [&](Accessor accessor) {
        return rule.leftAccessor == accessor || (!rightLiteral && rule.rightAccessor == accessor);
    };
    if (typedBy(Accessor::Date)) {
        rule.compareAs = CompareAs::Date;
    } else if (typedBy(Accessor::Number)) {
        rule.compareAs = CompareAs::Double;
    } else if (rightLiteral) {
        rule.compareAs = right.literal == TokenKind::String    ? CompareAs::Text
                         : right.literal == TokenKind::Integer ? CompareAs::Integer
                                                               : CompareAs::Double;
    } else if (IsNumeric(rule.leftAccessor) || IsNumeric(rule.rightAccessor)) {
        rule.compareAs = CompareAs::Double;
    }
    if (auto plain = PlainComparison(left, right, rule)) {
        return Condition(std::move(*plain));
    }
    Fragment comparison = Condition("xslp-compare(" + OperandXPath(left) + ", " +
                                    OperandXPath(right) + ", " + XPathLiteral(rule.Encode()) + ")");
    return comparison;
}

std::optional<std::string> Translator::PlainComparison(const Fragment& left, const Fragment& right,
                                                       const ComparisonRule& rule) const {
    // XPath compares a node-set with a string, or two node-sets, by the
    // nodes' string-values, and holds when some node (pair) satisfies the
    // relation: the "any" comparison of text, case and all.
    bool textValues = rule.compareAs == CompareAs::Text && !rule.ignoreCase && !rule.all &&
                      rule.leftAccessor == Accessor::Value;
    bool rightText = right.type == Fragment::Type::Literal ? right.literal == TokenKind::String
                                                           : rule.rightAccessor == Accessor::Value;
    bool equality = rule.relation == Relation::Equal || rule.relation == Relation::NotEqual;
    if (!facts_.noEntityReferences || !textValues || !rightText || !equality) {
        return std::nullopt;
    }
    // The root alone is the one path XPath would try to extend by a step.
    auto operand = [](const std::string& xpath) { return xpath == "/" ? "(/)" : xpath; };
    return operand(left.xpath) + (rule.relation == Relation::Equal ? "=" : "!=") +
           operand(right.xpath);
}

std::string Translator::AsCondition(const Fragment& fragment) {
    switch (fragment.type) {
    case Fragment::Type::Condition:
        return fragment.xpath;
    case Fragment::Type::Literal:
        return "boolean(" + fragment.xpath + ")";
    case Fragment::Type::Nodes:
        break;
    }
    if (!fragment.accessor) {
        return fragment.xpath;
    }
    if (fragment.positional && *fragment.accessor == Accessor::End) {
        return "(position()=last())";
    }
    if (fragment.positional && *fragment.accessor == Accessor::Index) {
        return "(position()!=1)";
    }
    std::string signature = XPathLiteral(fragment.signature);
    std::string test;
    if (*fragment.accessor == Accessor::End) {
        test = "xslp-end(" + signature + ")";
    } else if (*fragment.accessor == Accessor::Index) {
        test = "xslp-index(" + signature + ") != 0";
    } else {
        return "boolean(" + fragment.xpath + ")";
    }
    return fragment.xpath == "." ? "(" + test + ")"
                                 : "boolean((" + fragment.xpath + ")[" + test + "])";
}

std::string Translator::OperandXPath(const Fragment& fragment) {
    if (fragment.positional && fragment.accessor == Accessor::Index) {
        return "(position()-1)";
    }
    if (fragment.positional && fragment.accessor == Accessor::End) {
        return "(position()=last())";
    }
    return fragment.xpath;
}

std::string Translator::NodesOnly(Fragment&& fragment, std::string_view what) {
    if (fragment.type != Fragment::Type::Nodes || fragment.accessor) {
        throw PatternError{std::string(what) + " needs node sets on both sides"};
    }
    return std::move(fragment.xpath);
}

} // namespace XslPattern
