// Unions that libxml2's XPath would evaluate in quadratic time. Its union
// operator merges each node of the right operand into the left by comparing
// it with every node already there, so `(//a | //b)` over many nodes costs
// the product of their numbers. Each chain of `|` is rewritten as a call of
// the union extension function, which looks members up in a hash set and
// sorts once:
//   (//a | //b)[1]     ->  (u(//a, //b))[1]
//   x[a | b | c]/d     ->  x[u(a, b, c)]/d
//   count(a | b) > 1   ->  count(u(a, b)) > 1
// The function yields the same node-set in document order, and fails as the
// operator does for an operand that is not a node-set, so the rewritten
// expression selects exactly what the original would.
#pragma once

#include <string>
#include <string_view>

namespace Xml {

struct UnionRewrite {
    std::string xpath;
    // The name the calls use, which occurs nowhere in the original text, so
    // that no call the expression makes itself can reach the function; ""
    // when the expression holds no union to rewrite.
    std::string function;
};

// `expression` with every chain of unions rewritten. An expression that does
// not read as XPath (an unterminated literal, an operand missing) is left as
// it is, for the evaluation to reject.
UnionRewrite WithLinearUnions(std::string_view expression);

} // namespace Xml
