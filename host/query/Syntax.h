// The parsed form of a query, before any type is known.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace veritor::host {

struct Syntax {
    enum class Kind {
        Boolean,
        Integer,
        Number,
        String,
        Empty,    // "()"
        List,     // parts separated by ";"
        Tuple,    // parts separated by ","
        Operator, // parts: the operands of a left-associative chain, two or more
        Not,
        Negate,
        Exists,
        NumberOf,
        Cast,  // parts: operand; name: the cast name
        Apply, // a property, iterated property or aggregate; name as written
    };

    Kind kind = Kind::Empty;
    std::size_t position = 0;
    int depth = 1; // height of the tree below and including this node

    bool boolean = false;
    std::int64_t integer = 0;
    double number = 0.0;
    std::string text; // string literal bytes, or a name
    // Operator: the operator before each part but the first, and where it stands.
    struct Step {
        int code = 0;
        std::size_t position = 0;
    };
    std::vector<Step> operators;

    std::unique_ptr<Syntax> index;              // Apply
    std::unique_ptr<Syntax> operand;            // Apply, unary kinds, Cast; null when absent
    std::vector<std::unique_ptr<Syntax>> parts; // List, Tuple, Operator
};

} // namespace veritor::host
