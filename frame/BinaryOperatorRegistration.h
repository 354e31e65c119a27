// A binary operator of the query language over a pair of operand types.
#pragma once

#include "frame/HostArea.h"
#include "frame/ResultStorage.h"
#include "frame/VeritorInterface.h"

class BinaryOperatorRegistrationBase {
public:
    BinaryOperatorRegistrationBase(int operatorCode, const char* leftType, const char* rightType,
                                   const char* resultType, BinaryOperatorCallback evaluate,
                                   HookCallback hook);
    ~BinaryOperatorRegistrationBase();

    BinaryOperatorRegistrationBase(const BinaryOperatorRegistrationBase&) = delete;
    BinaryOperatorRegistrationBase& operator=(const BinaryOperatorRegistrationBase&) = delete;

private:
    HostArea<registrationHostAreaSize> hostArea;
};
static_assert(sizeof(BinaryOperatorRegistrationBase) == registrationHostAreaSize);

template <typename Result, typename Left, typename Right>
class BinaryOperatorRegistration : public BinaryOperatorRegistrationBase {
public:
    using ValueFunction = Result (*)(const Left&, const Right&);

    BinaryOperatorRegistration(int operatorCode, const char* leftType, const char* rightType,
                               const char* resultType, ValueFunction valueFunction,
                               HookCallback hook)
        : BinaryOperatorRegistrationBase(operatorCode, leftType, rightType, resultType, &Evaluate,
                                         hook)
        , valueFunction(valueFunction) {}

private:
    static void* Evaluate(void* resultStorage, const void* left, const void* right,
                          const void* registration) {
        auto& self = *static_cast<const BinaryOperatorRegistration*>(
            static_cast<const BinaryOperatorRegistrationBase*>(registration));
        return ConstructResult<Result>(resultStorage, [&] {
            return self.valueFunction(*static_cast<const Left*>(left),
                                      *static_cast<const Right*>(right));
        });
    }

    ValueFunction valueFunction;
};
static_assert(sizeof(BinaryOperatorRegistration<int, int, int>) ==
              registrationHostAreaSize + sizeof(void*));
