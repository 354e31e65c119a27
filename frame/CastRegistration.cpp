#include "frame/CastRegistration.h"

CastRegistrationBase::CastRegistrationBase(const char* castName, const char* sourceType,
                                           const char* targetType, CastCallback evaluate,
                                           HookCallback hook) {
    Register_Cast(this, registrationHostAreaSize, castName, sourceType, targetType, evaluate, this,
                  hook);
}

CastRegistrationBase::~CastRegistrationBase() {
    Unregister_Cast(this);
}
