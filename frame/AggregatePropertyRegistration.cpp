#include "frame/AggregatePropertyRegistration.h"

AggregatePropertyRegistrationBase::AggregatePropertyRegistrationBase(
    const char* name, const char* pluralName, const char* indexType, const char* elementType,
    const char* resultType, unsigned stateSize, ConstructStateCallback constructState,
    DestroyStateCallback destroyState, AggregateCallback begin, AggregateCallback beginAlt,
    AggregateCallback add, AggregateCallback addAlt, AggregateCallback finish,
    AggregateCallback finishAlt, HookCallback hook) {
    Register_Aggregate_Property(this, registrationHostAreaSize, name, pluralName, indexType,
                                elementType, resultType, stateSize, constructState, destroyState,
                                begin, beginAlt, add, addAlt, finish, finishAlt, this, hook);
}

AggregatePropertyRegistrationBase::~AggregatePropertyRegistrationBase() {
    Unregister_Property(this);
}
