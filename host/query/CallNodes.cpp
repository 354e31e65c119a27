// Calls into registered vocabulary: operators, casts, properties, iterated
// properties and aggregates, following the protocol each kind is registered
// with.
#include "host/Veritor.h"
#include "host/query/Nodes.h"

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

class OperatorCall : public Call {
public:
    OperatorCall(const Registration& r, ResultType result, NodePointer left, NodePointer right)
        : Call(r, result, false)
        , left(std::move(left))
        , right(std::move(right)) {}

    void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const override {
        Single a = EvaluateSingle(left, evaluation);
        Single b = EvaluateSingle(right, evaluation);
        if (!a.present || !b.present) {
            return;
        }
        const void* value = Produce(evaluation, [&](void* storage) {
            return r.binary(storage, a.value, b.value, r.callbackObject);
        });
        evaluation.Keep(value, values);
    }

private:
    NodePointer left;
    NodePointer right;
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

NodePointer CallOperator(const Registration& r, ResultType result, NodePointer left,
                         NodePointer right) {
    return std::make_unique<OperatorCall>(r, result, std::move(left), std::move(right));
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
