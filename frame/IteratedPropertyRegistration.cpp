#include "frame/IteratedPropertyRegistration.h"

IteratedPropertyRegistrationBase::IteratedPropertyRegistrationBase(
    const char* name, const char* pluralName, const char* indexType, const char* directObjectType,
    const char* resultType, unsigned stateSize, ConstructStateCallback constructState,
    DestroyStateCallback destroyState, IterationCallback first, IterationCallback next,
    HookCallback hook) {
    Register_Iterated_Property(this, registrationHostAreaSize, name, pluralName, indexType,
                               directObjectType, resultType, stateSize, constructState,
                               destroyState, first, next, this, hook);
}

IteratedPropertyRegistrationBase::~IteratedPropertyRegistrationBase() {
    Unregister_Property(this);
}
