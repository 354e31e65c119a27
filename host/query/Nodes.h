// Compiled expressions: a tree of nodes, each with its static type, that
// produce their values (as addresses of host representations) in order. A
// singular node produces at most one value; none means "no value".
#pragma once

#include "host/query/Evaluation.h"
#include "host/registry/Registration.h"

#include <memory>
#include <string>
#include <vector>

namespace veritor::host {

class Node {
public:
    Node(std::string type, bool plural)
        : type(std::move(type))
        , plural(plural) {}
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    virtual ~Node() = default;

    virtual void Evaluate(Evaluation& evaluation, std::vector<const void*>& values) const = 0;

    // How many values Evaluate produces, with the same errors, or `stopAt`
    // once that many have come. A node that can produce its values one at a
    // time counts them without keeping them alive.
    virtual std::size_t Count(Evaluation& evaluation, std::size_t stopAt) const;

    const std::string& Type() const { return type; }
    bool Plural() const { return plural; }

private:
    std::string type;
    bool plural;
};

using NodePointer = std::unique_ptr<Node>;

// The type of values a registration produces: its storage size and how to
// destroy one.
struct ResultType {
    unsigned size = 0;
    DestroyValueCallback destroyValue = nullptr;
};

NodePointer BooleanLiteral(bool value);
NodePointer IntegerLiteral(std::int64_t value);
NodePointer NumberLiteral(double value);
NodePointer StringLiteral(std::string bytes);
NodePointer EmptyPlural();

NodePointer List(std::string type, std::vector<NodePointer> parts);
NodePointer Tuple(std::string type, std::vector<NodePointer> components);

NodePointer Not(NodePointer operand);
NodePointer Negate(NodePointer operand); // "integer" or "floating point"
NodePointer Exists(NodePointer operand);
NodePointer NumberOf(NodePointer operand);

// One operator of a chain: applied to the value of the chain so far and to
// the value of `right`.
struct OperatorStep {
    const Registration* registration;
    ResultType result;
    NodePointer right;
};
// A left-associative chain of operators, evaluated from the left without
// recursion however long it is: `first`, then each step in turn.
NodePointer CallOperators(NodePointer first, std::vector<OperatorStep> steps);
// Applies to each value of a plural operand.
NodePointer CallCast(const Registration& r, ResultType result, NodePointer operand);
// `index` and `operand` may be null; the result is plural when written in the
// plural form.
NodePointer CallProperty(const Registration& r, ResultType result, bool plural, NodePointer index,
                         NodePointer operand);
// In singular form an iterated property must yield at most one value.
NodePointer CallIterated(const Registration& r, ResultType result, bool plural, NodePointer index,
                         NodePointer operand);
NodePointer CallAggregate(const Registration& r, ResultType result, NodePointer index,
                          NodePointer operand);

} // namespace veritor::host
