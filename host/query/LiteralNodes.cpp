// Literals keep their value in the compiled query, which outlives every
// evaluation of it.
#include "host/arithmetic/FloatingPointArithmetic.h"
#include "host/query/Nodes.h"

namespace veritor::host {

namespace {

template <typename T>
class Literal : public Node {
public:
    Literal(std::string type, T value)
        : Node(std::move(type), false)
        , value(value) {}

    void Evaluate(Evaluation&, std::vector<const void*>& values) const override {
        values.push_back(&value);
    }

private:
    T value;
};

class String : public Node {
public:
    explicit String(std::string bytes)
        : Node("string", false)
        , bytes(std::move(bytes))
        , value{this->bytes.data(), static_cast<std::uint32_t>(this->bytes.size())} {}

    void Evaluate(Evaluation&, std::vector<const void*>& values) const override {
        values.push_back(&value);
    }

private:
    std::string bytes;
    string_value value;
};

class Empty : public Node {
public:
    Empty()
        : Node("()", true) {}

    void Evaluate(Evaluation&, std::vector<const void*>&) const override {}
};

} // namespace

NodePointer BooleanLiteral(bool value) {
    return std::make_unique<Literal<boolean_value>>("boolean", value ? 1 : 0);
}

NodePointer IntegerLiteral(std::int64_t value) {
    return std::make_unique<Literal<integer>>("integer", integer(value));
}

NodePointer NumberLiteral(double value) {
    return std::make_unique<Literal<floating_point>>("floating point", FromDouble(value));
}

NodePointer StringLiteral(std::string bytes) {
    return std::make_unique<String>(std::move(bytes));
}

NodePointer EmptyPlural() {
    return std::make_unique<Empty>();
}

} // namespace veritor::host
