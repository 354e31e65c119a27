// Calls into registered vocabulary: operators, casts, properties, iterated
// properties and aggregates, following the protocol each kind is registered
// with.
#include "host/Veritor.h"
#include "host/builtins/StringJoin.h"
#include "host/query/Nodes.h"

#include <map>
#include <new>

namespace veritor::host {

namespace {

// The value of an optional singular operand. An absent operand is present
// with a null value (nothing to pass); an operand without a value is not.
struct Single {
    bool present = true; // false: the operand has no value
    const void* value = nullptr;
};

Single EvaluateSingle(const NodePointer& node, Evaluation& evaluation) {
    if (!node) {
        return {};
    }
    std::vector<const void*> values;
    node->Evaluate(evaluation, values);
    if (values.empty()) {
        return {false, nullptr};
    }
    return {true, values.front()};
}

// The operand values: one null for a registration without an operand.
std::vector<const void*> EvaluateOperand(const NodePointer& node, Evaluation& evaluation) {
    if (!node) {
        return {nullptr};
    }
    std::vector<const void*> values;
    node->Evaluate(evaluation, values);
    return values;
}

class Call : public Node {
public:
    Call(const Registration& r, ResultType result, bool plural)
        : Node(r.resultType, plural)
        , r(r)
        , result(result) {}

protected:
    template <typename Invoke>
    const void* Produce(Evaluation& evaluation, Invoke invoke) const {
        return evaluation.Produce(result.size, result.destroyValue, invoke);
    }

    Registration r;
    ResultType result;
};

// A call with an optional singular index and an operand: properties,
// iterated properties and aggregates.
class IndexedCall : public Call {
public:
    IndexedCall(const Registration& r, ResultType result, bool plural, NodePointer index,
                NodePointer operand)
        : Call(r, result, plural)
        , index(std::move(index))
        , operand(std::move(operand)) {}

protected:
    NodePointer index;
    NodePointer operand;
};

// The registrations of a chain are copied once each, however many steps call
// them; a run of the host's string concatenations is joined in one copy.
class OperatorChain : public Node {
public:
    OperatorChain(NodePointer first, std::vector<OperatorStep> operatorSteps)
        : Node(operatorSteps.back().registration->resultType, false)
        , first(std::move(first)) {
        std::map<const Registration*, std::size_t> numbers;
        steps.reserve(operatorSteps.size());
        for (OperatorStep& step : operatorSteps) {
            auto [at, added] = numbers.try_emplace(step.registration, calls.size());
            if (added) {
                calls.push_back({*step.registration, step.result});
            }
            steps.push_back({at->second, std::move(step.right),
                             IsStringConcatenation(step.registration->object)});
        }
    }

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        Single value = EvaluateSingle(first, evaluation);
        for (std::size_t i = 0; i < steps.size();) {
            if (steps[i].joinsStrings) {
                i = Join(evaluation, i, value);
                continue;
            }
            Single right = EvaluateSingle(steps[i].right, evaluation);
            if (value.present && right.present) {
                const Registration& r = calls[steps[i].call].r;
                const ResultType& result = calls[steps[i].call].result;
                value.value =
                    evaluation.Produce(result.size, result.destroyValue, [&](void* storage) {
                        return r.binary(storage, value.value, right.value, r.callbackObject);
                    });
            }
            value.present = value.present && right.present && value.value != nullptr;
            ++i;
        }
        if (value.present) {
            evaluation.Keep(value.value, values);
        }
    }

private:
    // The steps from `from` on that concatenate strings, with `value` as the
    // left operand of the first; answers the step after them.
    std::size_t Join(Evaluation& evaluation, std::size_t from, Single& value) const {
        std::vector<const string_value*> pieces;
        if (value.present) {
            pieces.push_back(static_cast<const string_value*>(value.value));
        }
        std::size_t at = from;
        for (; at < steps.size() && steps[at].joinsStrings; ++at) {
            Single right = EvaluateSingle(steps[at].right, evaluation);
            value.present = value.present && right.present;
            if (value.present) {
                pieces.push_back(static_cast<const string_value*>(right.value));
            }
        }
        if (value.present) {
            value.value = evaluation.Produce(sizeof(string_value), nullptr, [&](void* storage) {
                return new (storage) string_value(JoinStrings(pieces));
            });
            value.present = value.value != nullptr;
        }
        return at;
    }

    struct Callee {
        Registration r;
        ResultType result;
    };
    struct Step {
        std::size_t call; // in calls
        NodePointer right;
        bool joinsStrings;
    };

    NodePointer first;
    std::vector<Callee> calls;
    std::vector<Step> steps;
};

class CastCall : public Call {
public:
    CastCall(const Registration& r, ResultType result, NodePointer operand)
        : Call(r, result, operand->Plural())
        , operand(std::move(operand)) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        for (const void* source : EvaluateOperand(operand, evaluation)) {
            const void* value = Produce(evaluation, [&](void* storage) {
                return r.cast(storage, source, r.callbackObject);
            });
            evaluation.Keep(value, values);
        }
    }

private:
    NodePointer operand;
};

class PropertyCall : public IndexedCall {
public:
    using IndexedCall::IndexedCall;

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        Single at = EvaluateSingle(index, evaluation);
        if (!at.present) {
            return;
        }
        for (const void* object : EvaluateOperand(operand, evaluation)) {
            const void* value = Produce(evaluation, [&](void* storage) {
                return r.evaluate(storage, at.value, object, nullptr, r.callbackObject);
            });
            evaluation.Keep(value, values);
        }
    }
};

// A state in evaluation storage, destroyed when the evaluation finishes.
void* ConstructState(Evaluation& evaluation, const Registration& r) {
    void* storage = evaluation.Allocate(r.stateSize);
    void* state = nullptr;
    try {
        state = r.constructState(storage);
    } catch (const QueryError&) {
        throw;
    } catch (...) {
        throw QueryError(ErrorKind::Evaluation, CurrentExceptionText());
    }
    if (state == nullptr) {
        state = storage;
    }
    evaluation.DestroyStateLater(r.destroyState, state);
    return state;
}

class IteratedCall : public IndexedCall {
public:
    using IndexedCall::IndexedCall;

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        Single at = EvaluateSingle(index, evaluation);
        if (!at.present) {
            return;
        }
        for (const void* object : EvaluateOperand(operand, evaluation)) {
            void* state = ConstructState(evaluation, r);
            auto step = [&](IterationCallback callback) {
                return Produce(evaluation, [&](void* storage) {
                    return callback(storage, at.value, object, state, r.callbackObject);
                });
            };
            const void* value = step(r.first);
            if (value != nullptr && !Plural()) {
                if (step(r.next) != nullptr) {
                    throw QueryError(ErrorKind::Evaluation,
                                     "\"" + r.name + "\" yields more than one value");
                }
                evaluation.Keep(value, values);
                continue;
            }
            for (; value != nullptr; value = step(r.next)) {
                evaluation.Keep(value, values);
            }
        }
    }

    // In plural form each value is destroyed once counted, and all of them
    // share one block of storage.
    std::size_t Count(Evaluation& evaluation, std::size_t stopAt) const override {
        if (!Plural()) {
            return Node::Count(evaluation, stopAt);
        }
        Single at = EvaluateSingle(index, evaluation);
        if (!at.present) {
            return 0;
        }
        std::size_t count = 0;
        void* storage = evaluation.Allocate(result.size);
        for (const void* object : EvaluateOperand(operand, evaluation)) {
            void* state = ConstructState(evaluation, r);
            auto step = [&](IterationCallback callback) {
                return evaluation.ProduceTransient(storage, [&](void* into) {
                    return callback(into, at.value, object, state, r.callbackObject);
                });
            };
            for (void* value = step(r.first); value != nullptr; value = step(r.next)) {
                evaluation.Discard(result.destroyValue, value);
                evaluation.CheckCount(count);
                if (++count == stopAt) {
                    return count;
                }
            }
        }
        return count;
    }
};

class AggregateCall : public IndexedCall {
public:
    AggregateCall(const Registration& r, ResultType result, NodePointer index, NodePointer operand)
        : IndexedCall(r, result, false, std::move(index), std::move(operand)) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        Single at = EvaluateSingle(index, evaluation);
        if (!at.present) {
            return;
        }
        std::vector<const void*> elements;
        operand->Evaluate(evaluation, elements);
        void* state = ConstructState(evaluation, r);
        // begin and add answer "no value" as a rule; a value they give anyway
        // is kept alive and destroyed with the rest, but is not the result.
        Produce(evaluation, [&](void* storage) {
            return r.begin(storage, at.value, nullptr, state, r.callbackObject);
        });
        for (const void* element : elements) {
            Produce(evaluation, [&](void* storage) {
                return r.add(storage, at.value, element, state, r.callbackObject);
            });
        }
        const void* value = Produce(evaluation, [&](void* storage) {
            return r.finish(storage, at.value, nullptr, state, r.callbackObject);
        });
        evaluation.Keep(value, values);
    }
};

} // namespace

NodePointer CallOperators(NodePointer first, std::vector<OperatorStep> steps) {
    return std::make_unique<OperatorChain>(std::move(first), std::move(steps));
}

NodePointer CallCast(const Registration& r, ResultType result, NodePointer operand) {
    return std::make_unique<CastCall>(r, result, std::move(operand));
}

NodePointer CallProperty(const Registration& r, ResultType result, bool plural, NodePointer index,
                         NodePointer operand) {
    return std::make_unique<PropertyCall>(r, result, plural, std::move(index), std::move(operand));
}

NodePointer CallIterated(const Registration& r, ResultType result, bool plural, NodePointer index,
                         NodePointer operand) {
    return std::make_unique<IteratedCall>(r, result, plural, std::move(index), std::move(operand));
}

NodePointer CallAggregate(const Registration& r, ResultType result, NodePointer index,
                          NodePointer operand) {
    return std::make_unique<AggregateCall>(r, result, std::move(index), std::move(operand));
}

} // namespace veritor::host
