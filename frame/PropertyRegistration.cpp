#include "frame/PropertyRegistration.h"

PropertyRegistrationBase::PropertyRegistrationBase(const char* name, const char* pluralName,
                                                   const char* indexType,
                                                   const char* directObjectType,
                                                   const char* resultType,
                                                   PropertyCallback evaluate, HookCallback hook) {
    Register_Property(this, registrationHostAreaSize, name, pluralName, indexType, directObjectType,
                      resultType, evaluate, this, hook);
}

PropertyRegistrationBase::~PropertyRegistrationBase() {
    Unregister_Property(this);
}
