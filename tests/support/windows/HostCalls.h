// The host functions of a recording host, handed to the stand-in veritor.dll
// that a loaded inspector library imports them from. A Windows DLL binds its
// imports to a named module, not to the program that loads it; the stand-in
// carries each call over to the test program's own definitions.
#pragma once

#include "frame/VeritorInterface.h"

struct HostCalls {
    decltype(&Register_Type) registerType;
    decltype(&Register_Property) registerProperty;
    decltype(&Register_Iterated_Property) registerIteratedProperty;
    decltype(&Register_Aggregate_Property) registerAggregateProperty;
    decltype(&Register_Binary_Operator) registerBinaryOperator;
    decltype(&Register_Cast) registerCast;
    decltype(&Unregister_Type) unregisterType;
    decltype(&Unregister_Property) unregisterProperty;
    decltype(&Unregister_Binary_Operator) unregisterBinaryOperator;
    decltype(&Unregister_Cast) unregisterCast;
    decltype(&Allocate_Inspector_Memory) allocateInspectorMemory;
    integer (*addIntegers)(integer, integer);
    floating_point (*addFloatingPoints)(floating_point, floating_point);
    floating_point (*multiplyFloatingPoints)(floating_point, floating_point);
    floating_point (*divideFloatingPoint)(floating_point, integer);
    floating_point (*floatingPointOf)(integer);
};

// The stand-in's one function of its own, looked up by name.
using ForwardHostCalls = void (*)(const HostCalls* calls);
inline constexpr const char* forwardHostCallsName = "Forward_Host_Calls";
