// Lists, tuples and the operations the host performs itself.
#include "frame/TupleElement.h"
#include "host/arithmetic/FloatingPointArithmetic.h"
#include "host/query/Nodes.h"

#include <algorithm>
#include <limits>
#include <new>

namespace veritor::host {

namespace {

template <typename T>
const void* Store(Evaluation& evaluation, const T& value) {
    return new (evaluation.Allocate(sizeof(T))) T(value);
}

class ListNode : public Node {
public:
    ListNode(std::string type, std::vector<NodePointer> parts)
        : Node(std::move(type), true)
        , parts(std::move(parts)) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        for (const auto& part : parts) {
            part->Evaluate(evaluation, values);
            evaluation.Check(values);
        }
    }

private:
    std::vector<NodePointer> parts;
};

// A tuple value is the first node of a chain in evaluation storage; it has no
// value when any component has none.
class TupleNodeBuilder : public Node {
public:
    TupleNodeBuilder(std::string type, std::vector<NodePointer> components)
        : Node(std::move(type), false)
        , components(std::move(components)) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        std::vector<const void*> parts;
        for (const auto& component : components) {
            std::size_t before = parts.size();
            component->Evaluate(evaluation, parts);
            if (parts.size() == before) {
                return;
            }
        }
        const TupleNode* next = nullptr;
        for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
            next = static_cast<const TupleNode*>(Store(evaluation, TupleNode{*it, next}));
        }
        values.push_back(next);
    }

private:
    std::vector<NodePointer> components;
};

// Applies `compute` to the value of a singular operand; `compute` returns
// null for "no value".
template <typename Compute>
class HostUnary : public Node {
public:
    HostUnary(std::string type, NodePointer operand, Compute compute)
        : Node(std::move(type), false)
        , operand(std::move(operand))
        , compute(compute) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        std::vector<const void*> operands;
        operand->Evaluate(evaluation, operands);
        if (operands.empty()) {
            return;
        }
        if (const void* result = compute(evaluation, operands.front())) {
            values.push_back(result);
        }
    }

private:
    NodePointer operand;
    Compute compute;
};

template <typename Compute>
NodePointer MakeUnary(std::string type, NodePointer operand, Compute compute) {
    return std::make_unique<HostUnary<Compute>>(std::move(type), std::move(operand), compute);
}

// Looks at how many values its operand has, plural or not, counting up to
// `stopAt`.
template <typename Summarise>
class Summary : public Node {
public:
    Summary(std::string type, NodePointer operand, std::size_t stopAt, Summarise summarise)
        : Node(std::move(type), false)
        , operand(std::move(operand))
        , summarise(summarise)
        , stopAt(stopAt) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        values.push_back(summarise(evaluation, operand->Count(evaluation, stopAt)));
    }

private:
    NodePointer operand;
    Summarise summarise;
    std::size_t stopAt;
};

template <typename Summarise>
NodePointer MakeSummary(std::string type, NodePointer operand, std::size_t stopAt,
                        Summarise summarise) {
    return std::make_unique<Summary<Summarise>>(std::move(type), std::move(operand), stopAt,
                                                summarise);
}

} // namespace

std::size_t Node::Count(Evaluation& evaluation, std::size_t stopAt) const {
    std::vector<const void*> values;
    Evaluate(evaluation, values);
    return std::min(values.size(), stopAt);
}

NodePointer List(std::string type, std::vector<NodePointer> parts) {
    return std::make_unique<ListNode>(std::move(type), std::move(parts));
}

NodePointer Tuple(std::string type, std::vector<NodePointer> components) {
    return std::make_unique<TupleNodeBuilder>(std::move(type), std::move(components));
}

NodePointer Not(NodePointer operand) {
    return MakeUnary("boolean", std::move(operand), [](Evaluation& e, const void* value) {
        return Store(e, boolean_value(*static_cast<const boolean_value*>(value) == 0));
    });
}

NodePointer Negate(NodePointer operand) {
    if (operand->Type() == "integer") {
        return MakeUnary("integer", std::move(operand),
                         [](Evaluation& e, const void* value) -> const void* {
                             std::int64_t number = static_cast<const integer*>(value)->Value();
                             if (number == std::numeric_limits<std::int64_t>::min()) {
                                 return nullptr;
                             }
                             return Store(e, integer(-number));
                         });
    }
    return MakeUnary("floating point", std::move(operand), [](Evaluation& e, const void* value) {
        return Store(e, host::Negate(*static_cast<const floating_point*>(value)));
    });
}

NodePointer Exists(NodePointer operand) {
    // The first value answers; later ones are not asked for.
    return MakeSummary("boolean", std::move(operand), 1, [](Evaluation& e, std::size_t count) {
        return Store(e, boolean_value(count != 0));
    });
}

NodePointer NumberOf(NodePointer operand) {
    return MakeSummary("integer", std::move(operand), std::numeric_limits<std::size_t>::max(),
                       [](Evaluation& e, std::size_t count) {
        return Store(e, integer(static_cast<std::int64_t>(count)));
    });
}

} // namespace veritor::host
