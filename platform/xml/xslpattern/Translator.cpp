#include "platform/xml/xslpattern/Translator.h"

#include "platform/xml/xslpattern/Signature.h"
#include "platform/xml/xslpattern/XPathLiteral.h"

#include <charconv>
#include <cstdint>
#include <utility>

namespace XslPattern {

namespace {

// Deeper nesting than any real pattern needs; it keeps hostile input from
// exhausting the stack.
constexpr int MaximumNesting = 256;

std::optional<Accessor> ValueMethodNamed(std::string_view name) {
    struct Entry {
        std::string_view name;
        Accessor accessor;
    };
    static constexpr Entry methods[] = {
        {"nodeName", Accessor::Name}, {"nodeType", Accessor::Type}, {"value", Accessor::Value},
        {"number", Accessor::Number}, {"date", Accessor::Date},     {"index", Accessor::Index},
        {"end", Accessor::End},
    };
    for (const Entry& method : methods) {
        if (method.name == name) {
            return method.accessor;
        }
    }
    return std::nullopt;
}

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

std::string Join(const std::string& prefix, TokenKind separator, const std::string& step) {
    if (prefix.empty()) {
        return step;
    }
    std::string slash = separator == TokenKind::DoubleSlash ? "//" : "/";
    return prefix == "/" ? slash + step : prefix + slash + step;
}

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

} // namespace

Translator::Fragment Translator::Condition(std::string xpath) {
    Fragment condition;
    condition.type = Fragment::Type::Condition;
    condition.xpath = std::move(xpath);
    return condition;
}

Translator::Translator(std::string_view pattern, const std::vector<Binding>& bindings)
    : lexer_(pattern)
    , bindings_(bindings)
    , contextSignature_(Signature::SameAsSelf) {
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
    Fragment left = And();
    while (AtWord("or") || AtKeyword("or") || At(TokenKind::DoublePipe)) {
        Advance();
        Fragment right = And();
        Fragment joined = Condition("(" + AsCondition(left) + " or " + AsCondition(right) + ")");
        left = std::move(joined);
    }
    return left;
}

Translator::Fragment Translator::And() {
    Fragment left = Not();
    while (AtWord("and") || AtKeyword("and") || At(TokenKind::DoubleAmp)) {
        Advance();
        Fragment right = Not();
        Fragment joined = Condition("(" + AsCondition(left) + " and " + AsCondition(right) + ")");
        left = std::move(joined);
    }
    return left;
}

Translator::Fragment Translator::Not() {
    if (!AtKeyword("not")) {
        return Union();
    }
    Advance();
    Fragment operand = Not();
    Fragment negation = Condition("not(" + AsCondition(operand) + ")");
    return negation;
}

Translator::Fragment Translator::Union() {
    Fragment left = Compare();
    while (At(TokenKind::Pipe) || AtKeyword("union") || AtKeyword("intersect")) {
        bool intersect = AtKeyword("intersect");
        Advance();
        Fragment right = Compare();
        std::string first = NodesOnly(left, "a set operation");
        std::string second = NodesOnly(right, "a set operation");
        Fragment joined;
        joined.xpath = intersect ? "xslp-intersect(" + first + ", " + second + ")"
                                 : "(" + first + " | " + second + ")";
        joined.signature =
            left.signature == right.signature ? left.signature : Signature::SameAsSelf;
        left = std::move(joined);
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

Translator::Fragment Translator::Path() {
    Fragment path;
    if (At(TokenKind::Slash)) {
        Advance();
        bool stepFollows = At(TokenKind::Dot) || At(TokenKind::DotDot) || At(TokenKind::Star) ||
                           At(TokenKind::At) || At(TokenKind::Name);
        if (!stepFollows) {
            path.xpath = "/";
            path.signature = Signature::SameAsSelf;
            return path;
        }
        path = Step("/", TokenKind::Slash);
    } else if (At(TokenKind::DoubleSlash)) {
        Advance();
        path = Step("/", TokenKind::DoubleSlash);
    } else {
        path = Primary();
    }
    while (At(TokenKind::Slash) || At(TokenKind::DoubleSlash)) {
        if (path.type != Fragment::Type::Nodes || path.accessor || !path.extensible) {
            throw PatternError{"a path cannot continue at " + Describe(token_)};
        }
        TokenKind separator = token_.kind;
        Advance();
        path = Step(path.xpath, separator);
    }
    return path;
}

Translator::Fragment Translator::Primary() {
    bool ancestorAllowed = ancestorAllowed_;
    ancestorAllowed_ = false;
    Fragment fragment;
    switch (token_.kind) {
    case TokenKind::String:
    case TokenKind::Integer:
    case TokenKind::Decimal:
        fragment.type = Fragment::Type::Literal;
        fragment.literal = token_.kind;
        fragment.literalText = token_.text;
        fragment.xpath = At(TokenKind::String) ? XPathLiteral(token_.text) : token_.text;
        Advance();
        return fragment;
    case TokenKind::LeftParen:
        return Group();
    case TokenKind::Name:
        if (next_.kind != TokenKind::LeftParen) {
            return Step("", TokenKind::End);
        }
        if (token_.text == "ancestor") {
            if (!ancestorAllowed) {
                throw PatternError{"ancestor() may only start a pattern or a filter"};
            }
            return Ancestor();
        }
        return Method(token_.text);
    case TokenKind::Dot:
    case TokenKind::DotDot:
    case TokenKind::Star:
    case TokenKind::At:
        return Step("", TokenKind::End);
    default:
        Unexpected("a path, a literal or a method");
    }
}

Translator::Fragment Translator::Method(std::string name) {
    if (KindTest(name) || name == "element" || name == "attribute") {
        return Step("", TokenKind::End);
    }
    if (auto accessor = ValueMethodNamed(name)) {
        Advance();
        Expect(TokenKind::LeftParen, "'('");
        Expect(TokenKind::RightParen, "')': " + name + "() takes no argument");
        Fragment value = ValueMethod(*accessor, ".", contextSignature_);
        // In the first filter of a child or attribute step, XPath's position
        // counts exactly the step's nodes under the parent: index() and end()
        // need not walk the siblings.
        value.positional = contextPositional_;
        return value;
    }
    if (name == "id") {
        return Id();
    }
    if (name == "not") {
        Advance();
        Expect(TokenKind::LeftParen, "'('");
        Fragment operand = Or();
        Expect(TokenKind::RightParen, "')'");
        Fragment negation = Condition("not(" + AsCondition(operand) + ")");
        return negation;
    }
    if (name == "last" || name == "position") {
        throw PatternError{name + "() belongs to XPath; patterns use index() and end()"};
    }
    throw PatternError{"unknown method " + name + "() at offset " + std::to_string(token_.offset)};
}

Translator::Fragment Translator::ValueMethod(Accessor accessor, std::string_view xpath,
                                             std::string signature) {
    Fragment fragment;
    fragment.xpath = xpath;
    fragment.accessor = accessor;
    fragment.signature = std::move(signature);
    return fragment;
}

Translator::Fragment Translator::Group() {
    Advance();
    Fragment inner = Or();
    Expect(TokenKind::RightParen, "')'");
    Fragment group = inner;
    group.xpath = "(" + inner.xpath + ")";
    if (inner.type != Fragment::Type::Nodes || inner.accessor) {
        return group;
    }
    // Filters on a group count the whole set, not each parent's nodes.
    group.xpath += Filters(inner.signature, true, false);
    group.extensible = true;
    return At(TokenKind::Bang) ? MethodApplication(std::move(group)) : group;
}

Translator::Fragment Translator::Ancestor() {
    Advance();
    Expect(TokenKind::LeftParen, "'('");
    std::string match = MatchPattern();
    Expect(TokenKind::RightParen, "')'");
    Fragment ancestor;
    // The reverse axis numbers the nearest ancestor 1.
    ancestor.xpath = "ancestor::node()[" + match + "][1]";
    ancestor.signature = Signature::SameAsSelf;
    ancestor.xpath += Filters(ancestor.signature, true, false);
    ancestor.extensible = true;
    return At(TokenKind::Bang) ? MethodApplication(std::move(ancestor)) : ancestor;
}

std::string Translator::MatchPattern() {
    std::string match;
    TokenKind separator = TokenKind::End;
    for (;;) {
        StepTest test;
        if (At(TokenKind::Star)) {
            test = ElementTest("*", bindings_);
            Advance();
        } else if (At(TokenKind::Name) && next_.kind == TokenKind::LeftParen) {
            auto kind = TestForMethod(token_.text);
            if (!kind) {
                throw PatternError{"ancestor() matches names and node tests, not " + token_.text +
                                   "()"};
            }
            test = *kind;
        } else if (At(TokenKind::Name)) {
            test = ElementTest(token_.text, bindings_);
            Advance();
        } else {
            Unexpected("an element name or node test in ancestor()");
        }
        std::string self = test.RenderOnSelf() + Filters(test.signature, false, false);
        if (!match.empty()) {
            std::string axis =
                separator == TokenKind::Slash ? "parent::node()" : "ancestor::node()";
            self += "[" + axis + "[" + match + "]]";
        }
        match = std::move(self);
        if (!At(TokenKind::Slash) && !At(TokenKind::DoubleSlash)) {
            return match;
        }
        separator = token_.kind;
        Advance();
    }
}

Translator::Fragment Translator::Id() {
    Advance();
    Expect(TokenKind::LeftParen, "'('");
    Fragment argument = Or();
    Expect(TokenKind::RightParen, "')'");
    if (argument.type == Fragment::Type::Condition || argument.accessor) {
        throw PatternError{"id() takes a literal or a path"};
    }
    Fragment id;
    id.xpath = "id(" + argument.xpath + ")";
    id.signature = Signature::SameAsSelf;
    id.xpath += Filters(id.signature, true, false);
    id.extensible = true;
    return At(TokenKind::Bang) ? MethodApplication(std::move(id)) : id;
}

std::optional<StepTest> Translator::TestForMethod(std::string name) {
    if (auto kind = KindTest(name)) {
        Advance();
        Expect(TokenKind::LeftParen, "'('");
        Expect(TokenKind::RightParen, "')': " + name + "() takes no argument");
        return kind;
    }
    if (name != "element" && name != "attribute") {
        return std::nullopt;
    }
    Advance();
    Expect(TokenKind::LeftParen, "'('");
    std::string selected = "*";
    if (At(TokenKind::String)) {
        selected = token_.text;
        Advance();
        if (selected.empty() || selected == "*") {
            throw PatternError{name + "() needs a name"};
        }
    } else if (!At(TokenKind::RightParen)) {
        throw PatternError{name + "() takes a quoted name, found " + Describe(token_)};
    }
    Expect(TokenKind::RightParen, "')'");
    return name == "element" ? ElementTest(selected, bindings_)
                             : AttributeTest(selected, bindings_);
}

Translator::Fragment Translator::Step(const std::string& prefix, TokenKind separator) {
    StepTest test;
    switch (token_.kind) {
    case TokenKind::Dot:
        test = SelfTest();
        Advance();
        break;
    case TokenKind::DotDot:
        test = ParentTest();
        Advance();
        break;
    case TokenKind::Star:
        test = ElementTest("*", bindings_);
        Advance();
        break;
    case TokenKind::At:
        Advance();
        if (!At(TokenKind::Star) && !(At(TokenKind::Name) && next_.kind != TokenKind::LeftParen)) {
            Unexpected("an attribute name or '*' after '@'");
        }
        test = AttributeTest(At(TokenKind::Star) ? "*" : token_.text, bindings_);
        Advance();
        break;
    case TokenKind::Name:
        if (next_.kind == TokenKind::LeftParen) {
            auto method = TestForMethod(token_.text);
            if (!method) {
                throw PatternError{token_.text + "() cannot follow '/'"};
            }
            test = *method;
        } else {
            test = ElementTest(token_.text, bindings_);
            Advance();
        }
        break;
    default:
        Unexpected("a step");
    }
    Fragment step;
    step.signature = test.signature;
    step.extensible = true;
    // A per-parent index over attributes and declarations together cannot be
    // a position in either half of the union.
    bool childOrAttribute =
        test.axis == StepTest::Axis::Child || test.axis == StepTest::Axis::Attribute;
    std::string filters =
        Filters(test.signature, !test.withDeclarations, childOrAttribute && !test.withDeclarations);
    if (test.withDeclarations) {
        step.xpath = "(" + Join(prefix, separator, test.Render(filters)) + " | " +
                     Join(prefix, separator, test.RenderDeclarations(filters)) + ")";
    } else {
        step.xpath = Join(prefix, separator, test.Render(filters));
    }
    return At(TokenKind::Bang) ? MethodApplication(std::move(step)) : step;
}

Translator::Fragment Translator::MethodApplication(Fragment nodes) {
    Advance();
    if (!At(TokenKind::Name) || next_.kind != TokenKind::LeftParen) {
        Unexpected("a method after '!'");
    }
    if (auto accessor = ValueMethodNamed(token_.text)) {
        std::string name = token_.text;
        Advance();
        Expect(TokenKind::LeftParen, "'('");
        Expect(TokenKind::RightParen, "')': " + name + "() takes no argument");
        return ValueMethod(*accessor, nodes.xpath, nodes.signature);
    }
    return Step(nodes.xpath, TokenKind::Slash);
}

std::string Translator::Filters(const std::string& signature, bool positionIndexes,
                                bool positionalMethods) {
    std::string filters;
    for (bool first = true; At(TokenKind::LeftBracket); first = false) {
        filters += Filter(signature, first, positionIndexes, positionalMethods && first);
    }
    return filters;
}

std::string Translator::Filter(const std::string& signature, bool first, bool positionIndexes,
                               bool positionalMethods) {
    std::size_t offset = token_.offset;
    Advance();
    if (At(TokenKind::RightBracket)) {
        throw PatternError{"empty filter '[]' at offset " + std::to_string(offset)};
    }
    std::string outerSignature = std::exchange(contextSignature_, signature);
    bool outerAncestorAllowed = std::exchange(ancestorAllowed_, true);
    bool outerPositional = std::exchange(contextPositional_, positionalMethods);
    Fragment condition = Or();
    Expect(TokenKind::RightBracket, "']'");
    contextSignature_ = std::move(outerSignature);
    ancestorAllowed_ = outerAncestorAllowed;
    contextPositional_ = outerPositional;

    if (condition.type == Fragment::Type::Literal && condition.literal == TokenKind::Decimal) {
        throw PatternError{"an index must be a whole number, found " + condition.literalText};
    }
    if (condition.type == Fragment::Type::Literal && condition.literal == TokenKind::Integer) {
        const std::string& text = condition.literalText;
        std::uint64_t index = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
        if (error != std::errc() || end != text.data() + text.size() ||
            index >= (std::uint64_t{1} << 53)) {
            throw PatternError{"index " + text + " is out of range"};
        }
        if (positionIndexes || !first) {
            return "[" + std::to_string(index + 1) + "]";
        }
        return "[xslp-index(" + XPathLiteral(signature) + ")=" + text + "]";
    }
    return "[" + AsCondition(condition) + "]";
}

Translator::Fragment Translator::Comparison(Fragment left, Relation relation, bool ignoreCase,
                                            bool all, Fragment right) {
    if (left.type == Fragment::Type::Literal) {
        throw PatternError{"a comparison cannot start with a literal"};
    }
    if (left.type == Fragment::Type::Condition || right.type == Fragment::Type::Condition) {
        throw PatternError{"a condition cannot be compared"};
    }
    ComparisonSpec spec;
    spec.relation = relation;
    spec.ignoreCase = ignoreCase;
    spec.all = all;
    spec.leftAccessor = left.accessor.value_or(Accessor::Value);
    spec.leftSignature = left.signature;
    bool rightLiteral = right.type == Fragment::Type::Literal;
    if (!rightLiteral) {
        spec.rightAccessor = right.accessor.value_or(Accessor::Value);
        spec.rightSignature = right.signature;
    }
    // A typed method decides before the literal does.
    auto typedBy = [&](Accessor accessor) {
        return spec.leftAccessor == accessor || (!rightLiteral && spec.rightAccessor == accessor);
    };
    if (typedBy(Accessor::Date)) {
        spec.compareAs = CompareAs::Date;
    } else if (typedBy(Accessor::Number)) {
        spec.compareAs = CompareAs::Double;
    } else if (rightLiteral) {
        spec.compareAs = right.literal == TokenKind::String    ? CompareAs::Text
                         : right.literal == TokenKind::Integer ? CompareAs::Integer
                                                               : CompareAs::Double;
    } else if (IsNumeric(spec.leftAccessor) || IsNumeric(spec.rightAccessor)) {
        spec.compareAs = CompareAs::Double;
    }
    Fragment comparison = Condition("xslp-compare(" + OperandXPath(left) + ", " +
                                    OperandXPath(right) + ", " + XPathLiteral(spec.Encode()) + ")");
    return comparison;
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

std::string Translator::NodesOnly(const Fragment& fragment, std::string_view what) {
    if (fragment.type != Fragment::Type::Nodes || fragment.accessor) {
        throw PatternError{std::string(what) + " needs node sets on both sides"};
    }
    return fragment.xpath;
}

} // namespace XslPattern
