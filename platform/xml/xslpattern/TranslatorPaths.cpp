// The path-level rules of the translator: steps, node tests, methods,
// filters, groups, ancestor() and id().

#include "platform/xml/xslpattern/Concat.h"
#include "platform/xml/xslpattern/Signature.h"
#include "platform/xml/xslpattern/Translator.h"
#include "platform/xml/xslpattern/XPathLiteral.h"

#include <charconv>
#include <cstdint>
#include <utility>

namespace XslPattern {

namespace {

// A chain of `!` applications recurses once per method.
constexpr int MaximumApplications = 256;

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

// The step after the path so far, appended in place: a long path is written
// once, not copied at every step.
std::string Join(std::string prefix, TokenKind separator, std::string_view step) {
    std::string_view slash = separator == TokenKind::DoubleSlash ? "//" : "/";
    if (prefix.empty()) {
        return std::string(step);
    }
    if (prefix == "/") {
        return Concat(slash, step);
    }
    prefix.append(slash).append(step);
    return prefix;
}

} // namespace

Translator::Fragment Translator::Path() {
    Fragment path;
    if (groupPrefix_ && (At(TokenKind::Slash) || At(TokenKind::DoubleSlash))) {
        throw PatternError{"a group after '/' holds relative paths only"};
    }
    if (At(TokenKind::Slash)) {
        Advance();
        bool stepFollows = At(TokenKind::Dot) || At(TokenKind::DotDot) || At(TokenKind::Star) ||
                           At(TokenKind::At) || At(TokenKind::Name) || At(TokenKind::LeftParen);
        if (!stepFollows) {
            path.xpath = "/";
            path.signature = std::string(Signature::SameAsSelf);
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
        path = Step(std::move(path.xpath), separator);
    }
    return path;
}

Translator::Fragment Translator::Primary() {
    bool ancestorAllowed = ancestorAllowed_;
    ancestorAllowed_ = false;
    if (groupPrefix_) {
        // Inside a group after '/': each path continues the one before it.
        bool nodeMethod =
            At(TokenKind::Name) && next_.kind == TokenKind::LeftParen &&
            (KindStep(token_.text) || token_.text == "element" || token_.text == "attribute");
        bool stepStart = At(TokenKind::Dot) || At(TokenKind::DotDot) || At(TokenKind::Star) ||
                         At(TokenKind::At) ||
                         (At(TokenKind::Name) && next_.kind != TokenKind::LeftParen);
        if (At(TokenKind::LeftParen)) {
            return Group();
        }
        if (!stepStart && !nodeMethod) {
            throw PatternError{"a group after '/' holds relative paths only"};
        }
        return Step(groupPrefix_->first, groupPrefix_->second);
    }
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
    if (KindStep(name) || name == "element" || name == "attribute") {
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
    return MethodApplication(std::move(group));
}

Translator::Fragment Translator::GroupAfter(std::string prefix, TokenKind separator) {
    // XPath has no step made of an expression: `p/(a | b)` becomes
    // `(p/a | p/b)`, by handing the prefix to every path in the group.
    auto outer = std::exchange(groupPrefix_, std::make_pair(std::move(prefix), separator));
    Advance();
    Fragment inner = Or();
    Expect(TokenKind::RightParen, "')'");
    groupPrefix_ = std::move(outer);
    if (inner.type != Fragment::Type::Nodes || inner.accessor) {
        throw PatternError{"a group after '/' must select nodes"};
    }
    Fragment group = inner;
    group.xpath = "(" + inner.xpath + ")" + Filters(inner.signature, true, false);
    group.extensible = true;
    return MethodApplication(std::move(group));
}

Translator::Fragment Translator::Ancestor() {
    Advance();
    Expect(TokenKind::LeftParen, "'('");
    std::string match = MatchPattern();
    Expect(TokenKind::RightParen, "')'");
    Fragment ancestor;
    // The reverse axis numbers the nearest ancestor 1.
    ancestor.xpath = "ancestor::node()[" + match + "][1]";
    ancestor.signature = std::string(Signature::SameAsSelf);
    ancestor.xpath += Filters(ancestor.signature, true, false);
    ancestor.extensible = true;
    return MethodApplication(std::move(ancestor));
}

std::string Translator::MatchPattern() {
    std::string match;
    TokenKind separator = TokenKind::End;
    for (;;) {
        StepSelector selector;
        if (At(TokenKind::Star)) {
            selector = ElementStep("*", bindings_, facts_);
            Advance();
        } else if (At(TokenKind::Name) && next_.kind == TokenKind::LeftParen) {
            auto kind = StepForMethod(token_.text);
            if (!kind) {
                throw PatternError{"ancestor() matches names and node tests, not " + token_.text +
                                   "()"};
            }
            selector = *kind;
        } else if (At(TokenKind::Name)) {
            selector = ElementStep(token_.text, bindings_, facts_);
            Advance();
        } else {
            Unexpected("an element name or node test in ancestor()");
        }
        std::string self = selector.RenderOnSelf() + Filters(selector.signature, false, false);
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
    id.signature = std::string(Signature::SameAsSelf);
    id.xpath += Filters(id.signature, true, false);
    id.extensible = true;
    return MethodApplication(std::move(id));
}

std::optional<StepSelector> Translator::StepForMethod(std::string name) {
    if (auto kind = KindStep(name)) {
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
    return name == "element" ? ElementStep(selected, bindings_, facts_)
                             : AttributeStep(selected, bindings_);
}

Translator::Fragment Translator::Step(std::string prefix, TokenKind separator) {
    StepSelector selector;
    switch (token_.kind) {
    case TokenKind::Dot:
        selector = SelfStep();
        Advance();
        break;
    case TokenKind::DotDot:
        selector = ParentStep();
        Advance();
        break;
    case TokenKind::Star:
        selector = ElementStep("*", bindings_, facts_);
        Advance();
        break;
    case TokenKind::At:
        Advance();
        if (!At(TokenKind::Star) && !(At(TokenKind::Name) && next_.kind != TokenKind::LeftParen)) {
            Unexpected("an attribute name or '*' after '@'");
        }
        selector = AttributeStep(At(TokenKind::Star) ? "*" : token_.text, bindings_);
        Advance();
        break;
    case TokenKind::Name:
        if (next_.kind == TokenKind::LeftParen) {
            auto method = StepForMethod(token_.text);
            if (!method) {
                throw PatternError{token_.text + "() cannot follow '/'"};
            }
            selector = *method;
        } else {
            selector = ElementStep(token_.text, bindings_, facts_);
            Advance();
        }
        break;
    case TokenKind::LeftParen:
        if (!prefix.empty()) {
            return GroupAfter(std::move(prefix), separator);
        }
        [[fallthrough]];
    default:
        Unexpected("a step");
    }
    Fragment step;
    step.signature = selector.signature;
    step.extensible = true;
    // Positions count per parent in the DOM's order only on one XPath step
    // over the child or attribute axis: not over the two halves of a union,
    // nor on the namespace axis, which libxml2 orders its own way.
    using Declarations = StepSelector::Declarations;
    bool positional = selector.declarations == Declarations::None &&
                      (selector.axis == StepSelector::Axis::Child ||
                       selector.axis == StepSelector::Axis::Attribute);
    std::string filters =
        Filters(selector.signature, selector.declarations == Declarations::None, positional);
    switch (selector.declarations) {
    case Declarations::None:
        step.xpath = Join(std::move(prefix), separator, selector.Render(filters));
        break;
    case Declarations::Also:
        step.xpath = Concat("xslp-union(", Join(prefix, separator, selector.Render(filters)),
                            ", ", Join(prefix, separator, selector.RenderDeclarations(filters)),
                            ")");
        break;
    case Declarations::Only:
        step.xpath = Join(std::move(prefix), separator, selector.RenderDeclarations(filters));
        break;
    }
    // `@*` and groups after '/' repeat the path before them, so that the
    // translation may grow much faster than the pattern.
    if (step.xpath.size() > maximumTranslation_) {
        throw PatternError{"the pattern is too complex to translate"};
    }
    return MethodApplication(std::move(step));
}

Translator::Fragment Translator::MethodApplication(Fragment nodes) {
    if (!At(TokenKind::Bang)) {
        return nodes;
    }
    if (++applications_ > MaximumApplications) {
        throw PatternError{"the pattern applies too many methods"};
    }
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
    return Step(std::move(nodes.xpath), TokenKind::Slash);
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
    auto outerGroupPrefix = std::exchange(groupPrefix_, std::nullopt);
    Fragment condition = Or();
    Expect(TokenKind::RightBracket, "']'");
    contextSignature_ = std::move(outerSignature);
    ancestorAllowed_ = outerAncestorAllowed;
    contextPositional_ = outerPositional;
    groupPrefix_ = std::move(outerGroupPrefix);

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
            return Concat("[", std::to_string(index + 1), "]");
        }
        return Concat("[xslp-index(", XPathLiteral(signature), ")=", text, "]");
    }
    return Concat("[", AsCondition(condition), "]");
}

} // namespace XslPattern
