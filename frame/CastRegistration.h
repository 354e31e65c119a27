// A cast of the query language: the cast name is the word the language uses
// for it ("string", "trimmed string", ...), the target type is fixed per
// registration.
#pragma once

#include "frame/HostArea.h"
#include "frame/ResultStorage.h"
#include "frame/VeritorInterface.h"

class CastRegistrationBase {
public:
    CastRegistrationBase(const char* castName, const char* sourceType, const char* targetType,
                         CastCallback evaluate, HookCallback hook);
    ~CastRegistrationBase();

    CastRegistrationBase(const CastRegistrationBase&) = delete;
    CastRegistrationBase& operator=(const CastRegistrationBase&) = delete;

private:
    HostArea<registrationHostAreaSize> hostArea;
};
static_assert(sizeof(CastRegistrationBase) == registrationHostAreaSize);

template <typename Target, typename Source>
class CastRegistration : public CastRegistrationBase {
public:
    using ValueFunction = Target (*)(const Source&);

    CastRegistration(const char* castName, const char* sourceType, const char* targetType,
                     ValueFunction valueFunction, HookCallback hook)
        : CastRegistrationBase(castName, sourceType, targetType, &Evaluate, hook)
        , valueFunction(valueFunction) {}

private:
    static void* Evaluate(void* resultStorage, const void* source, const void* registration) {
        auto& self = *static_cast<const CastRegistration*>(
            static_cast<const CastRegistrationBase*>(registration));
        return ConstructResult<Target>(
            resultStorage, [&] { return self.valueFunction(*static_cast<const Source*>(source)); });
    }

    ValueFunction valueFunction;
};
static_assert(sizeof(CastRegistration<int, int>) == registrationHostAreaSize + sizeof(void*));
