#include "frame/BinaryOperatorRegistration.h"

BinaryOperatorRegistrationBase::BinaryOperatorRegistrationBase(
    int operatorCode, const char* leftType, const char* rightType, const char* resultType,
    BinaryOperatorCallback evaluate, HookCallback hook) {
    Register_Binary_Operator(this, registrationHostAreaSize, operatorCode, leftType, rightType,
                             resultType, evaluate, this, hook);
}

BinaryOperatorRegistrationBase::~BinaryOperatorRegistrationBase() {
    Unregister_Binary_Operator(this);
}
