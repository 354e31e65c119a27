// How adapters read the operands that the host hands to a callback. Every
// operand arrives as the address of a value in the host's representation; a
// position the registration does not have carries nothing and is never read.
#pragma once

#include <type_traits>

// Stands for an index or a direct object that a registration does not have.
struct NoOperand {};

template <typename Operand>
inline constexpr bool hasOperand = !std::is_same_v<Operand, NoOperand>;

template <typename Operand>
const Operand& OperandAt(const void* address) {
    return *static_cast<const Operand*>(address);
}

// Calls `function` with the operands the registration has, in the order
// given, leaving out the positions marked NoOperand.
template <typename First, typename Second, typename Function>
decltype(auto) CallWithOperands(Function&& function, const void* first, const void* second) {
    if constexpr (hasOperand<First> && hasOperand<Second>) {
        return function(OperandAt<First>(first), OperandAt<Second>(second));
    } else if constexpr (hasOperand<First>) {
        return function(OperandAt<First>(first));
    } else if constexpr (hasOperand<Second>) {
        return function(OperandAt<Second>(second));
    } else {
        return function();
    }
}
