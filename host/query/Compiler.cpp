#include "host/query/Compiler.h"

#include "host/Veritor.h"
#include "host/registry/Registry.h"

#include <climits>
#include <map>

namespace veritor::host {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Shown(const std::string& type) {
    return type == emptyType ? std::string("the empty plural") : type;
}

class Compiler {
public:
    explicit Compiler(const Lexicon& lexicon)
        : types(lexicon.types)
        , byName(lexicon.byName) {}

    NodePointer Compile(const Syntax& s) {
        switch (s.kind) {
        case Syntax::Kind::Boolean:
            return BooleanLiteral(s.boolean);
        case Syntax::Kind::Integer:
            return IntegerLiteral(s.integer);
        case Syntax::Kind::Number:
            return NumberLiteral(s.number);
        case Syntax::Kind::String:
            return StringLiteral(s.text);
        case Syntax::Kind::Empty:
            return EmptyPlural();
        case Syntax::Kind::List:
            return CompileList(s);
        case Syntax::Kind::Tuple:
            return CompileTuple(s);
        case Syntax::Kind::Operator:
            return CompileOperator(s);
        case Syntax::Kind::Not:
            return Not(Expect(*s.operand, "boolean", "\"not\""));
        case Syntax::Kind::Negate:
            return CompileNegate(s);
        case Syntax::Kind::Exists:
            return Exists(Compile(*s.operand));
        case Syntax::Kind::NumberOf:
            return NumberOf(Compile(*s.operand));
        case Syntax::Kind::Cast:
            return CompileCast(s);
        case Syntax::Kind::Apply:
            return CompileApply(s);
        }
        Fail("unsupported expression", s);
    }

    std::size_t StandardInputAt() const { return standardInputAt; }

private:
    [[noreturn]] static void Fail(const std::string& message, std::size_t position) {
        throw QueryError(ErrorKind::Type, message, position);
    }
    [[noreturn]] static void Fail(const std::string& message, const Syntax& at) {
        Fail(message, at.position);
    }

    NodePointer Singular(const Syntax& s, const std::string& what) {
        NodePointer node = Compile(s);
        if (node->Plural()) {
            Fail(what + " takes a single value, not a plural", s);
        }
        return node;
    }

    NodePointer Expect(const Syntax& s, const std::string& type, const std::string& what) {
        NodePointer node = Singular(s, what);
        if (types.Distance(node->Type(), type) != 0) {
            Fail(what + " takes a " + type + ", not " + Shown(node->Type()), s);
        }
        return node;
    }

    ResultType ResultOf(const Registration& r, const Syntax& at) {
        return ResultOf(r, at.position);
    }
    ResultType ResultOf(const Registration& r, std::size_t at) {
        auto size = types.SizeOf(r.resultType);
        if (!size) {
            Fail("the type " + Quoted(r.resultType) + " is not registered", at);
        }
        const TypeInfo* type = types.Find(r.resultType);
        return ResultType{*size, type == nullptr ? nullptr : type->destroyValue};
    }

    NodePointer CompileList(const Syntax& s) {
        std::vector<NodePointer> parts;
        std::string type(emptyType);
        for (const auto& part : s.parts) {
            NodePointer node = Compile(*part);
            if (node->Type() != emptyType) {
                if (type == emptyType) {
                    type = node->Type();
                } else if (node->Type() != type) {
                    Fail("the parts of a list must have one type: " + type + " and " + node->Type(),
                         *part);
                }
            }
            parts.push_back(std::move(node));
        }
        return List(type, std::move(parts));
    }

    NodePointer CompileTuple(const Syntax& s) {
        std::vector<NodePointer> components;
        std::vector<std::string> names;
        for (const auto& part : s.parts) {
            NodePointer node = Singular(*part, "a tuple component");
            names.push_back(node->Type());
            components.push_back(std::move(node));
        }
        return Tuple(TupleTypeName(names), std::move(components));
    }

    NodePointer CompileNegate(const Syntax& s) {
        NodePointer operand = Singular(*s.operand, "\"-\"");
        if (operand->Type() != "integer" && operand->Type() != "floating point") {
            Fail("\"-\" takes an integer or a floating point, not " + Shown(operand->Type()), s);
        }
        return Negate(std::move(operand));
    }

    // Among the registrations under `key`, the one with the smallest total
    // distance; the first registered among equals. `distance` answers -1 for
    // registrations that do not fit.
    template <typename Distance>
    const Registration* Best(const std::string& key, Distance distance) const {
        auto found = byName.find(key);
        if (found == byName.end()) {
            return nullptr;
        }
        const Registration* best = nullptr;
        int bestDistance = INT_MAX;
        for (const Registration* r : found->second) {
            int d = distance(*r);
            if (d >= 0 && d < bestDistance) {
                best = r;
                bestDistance = d;
            }
        }
        return best;
    }

    int Sum(int a, int b) const { return a < 0 || b < 0 ? -1 : a + b; }

    // Each step is typed on its own: its left operand is the result of the
    // steps before it.
    NodePointer CompileOperator(const Syntax& s) {
        NodePointer first = Singular(*s.parts[0], "the left operand of " +
                                                      Quoted(OperatorSymbol(s.operators[0].code)));
        std::string left = first->Type();
        std::vector<OperatorStep> steps;
        steps.reserve(s.operators.size());
        for (std::size_t i = 0; i < s.operators.size(); ++i) {
            auto [code, position] = s.operators[i];
            std::string symbol = Quoted(OperatorSymbol(code));
            NodePointer right = Singular(*s.parts[i + 1], "the right operand of " + symbol);
            const Registration* chosen =
                Best(Lexicon::OperatorKey(code), [&](const Registration& r) {
                    return Sum(types.Distance(left, r.operandType),
                               types.Distance(right->Type(), r.rightType));
                });
            if (chosen == nullptr) {
                Fail("no operator " + symbol + " for " + Shown(left) + " and " +
                         Shown(right->Type()),
                     position);
            }
            steps.push_back({chosen, ResultOf(*chosen, position), std::move(right)});
            left = chosen->resultType;
        }
        return CallOperators(std::move(first), std::move(steps));
    }

    NodePointer CompileCast(const Syntax& s) {
        NodePointer operand = Compile(*s.operand);
        const Registration* chosen = Best(Lexicon::CastKey(s.text), [&](const Registration& r) {
            return types.Distance(operand->Type(), r.operandType);
        });
        if (chosen == nullptr) {
            Fail("no cast " + Quoted(s.text) + " from " + Shown(operand->Type()), s);
        }
        return CallCast(*chosen, ResultOf(*chosen, s), std::move(operand));
    }

    NodePointer CompileApply(const Syntax& s) {
        NodePointer index = s.index ? Singular(*s.index, "an index") : nullptr;
        NodePointer operand = s.operand ? Compile(*s.operand) : nullptr;
        const Registration* chosen = Best(s.text, [&](const Registration& r) {
            if (r.indexType.empty() != (index == nullptr)) {
                return -1;
            }
            int distance = index ? types.Distance(index->Type(), r.indexType) : 0;
            bool aggregate = r.kind == RegistrationKind::AggregateProperty;
            if (!aggregate && r.operandType.empty()) {
                return operand ? -1 : distance;
            }
            if (!operand) {
                return -1;
            }
            return Sum(distance, types.Distance(operand->Type(), r.operandType));
        });
        if (chosen == nullptr) {
            std::string given = Quoted(s.text);
            if (index) {
                given += " with a " + Shown(index->Type()) + " index";
            }
            given += operand ? " of " + Shown(operand->Type()) : " without an operand";
            Fail("no " + given, s);
        }
        const Registration& r = *chosen;
        ResultType result = ResultOf(r, s);
        if (const Syntax* names = s.index ? s.index.get() : s.operand.get();
            names != nullptr && standardInputAt == QueryError::noPosition && ReadsFiles(r)) {
            standardInputAt = StandardInputName(*names);
        }
        if (r.kind == RegistrationKind::AggregateProperty) {
            return CallAggregate(r, result, std::move(index), std::move(operand));
        }
        bool pluralForm = s.text == r.pluralName && s.text != r.name;
        if (operand && operand->Plural() && !pluralForm) {
            Fail(Quoted(s.text) + " takes a single value; its plural " + Quoted(r.pluralName) +
                     " applies to each value of a plural",
                 s);
        }
        if (r.kind == RegistrationKind::IteratedProperty) {
            return CallIterated(r, result, pluralForm, std::move(index), std::move(operand));
        }
        return CallProperty(r, result, pluralForm, std::move(index), std::move(operand));
    }

    // The host's own "file", not a library's property of the same name.
    static bool ReadsFiles(const Registration& r) {
        return r.kind == RegistrationKind::Property && r.name == "file" &&
               r.library == HostLibrary();
    }

    // Where `names`, given to "file", spells standard input as a literal,
    // itself or as a part of a list.
    static std::size_t StandardInputName(const Syntax& names) {
        if (names.kind == Syntax::Kind::String && names.text == "-") {
            return names.position;
        }
        if (names.kind == Syntax::Kind::List) {
            for (const auto& part : names.parts) {
                if (std::size_t at = StandardInputName(*part); at != QueryError::noPosition) {
                    return at;
                }
            }
        }
        return QueryError::noPosition;
    }

    const TypeTable& types;
    const std::map<std::string, std::vector<const Registration*>, std::less<>>& byName;
    std::size_t standardInputAt = QueryError::noPosition;
};

} // namespace

CompiledTree CompileQuery(std::string_view query, const Lexicon& lexicon) {
    std::unique_ptr<Syntax> syntax = Parse(query, lexicon.names);
    Compiler compiler(lexicon);
    CompiledTree tree;
    tree.root = compiler.Compile(*syntax);
    tree.standardInputAt = compiler.StandardInputAt();
    tree.renderer = MakeRenderer(tree.root->Type(), lexicon.types, *lexicon.registrations);
    return tree;
}

} // namespace veritor::host
