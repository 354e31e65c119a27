// The stand-in veritor.dll of the recording host: every host function calls
// the test program's definition it was handed.
#include "tests/support/windows/HostCalls.h"

namespace {
HostCalls host{};
} // namespace

extern "C" __declspec(dllexport) void Forward_Host_Calls(const HostCalls* calls) {
    host = *calls;
}

extern "C" {

int Register_Type(void* object, unsigned hostAreaSize, const char* typeName, unsigned valueSize,
                  DestroyValueCallback destroyValue, const char* baseTypeName,
                  const void* reserved) {
    return host.registerType(object, hostAreaSize, typeName, valueSize, destroyValue, baseTypeName,
                             reserved);
}

int Register_Property(void* object, unsigned hostAreaSize, const char* name, const char* pluralName,
                      const char* indexType, const char* directObjectType, const char* resultType,
                      PropertyCallback evaluate, const void* registration, HookCallback hook) {
    return host.registerProperty(object, hostAreaSize, name, pluralName, indexType,
                                 directObjectType, resultType, evaluate, registration, hook);
}

int Register_Iterated_Property(void* object, unsigned hostAreaSize, const char* name,
                               const char* pluralName, const char* indexType,
                               const char* directObjectType, const char* resultType,
                               unsigned stateSize, ConstructStateCallback constructState,
                               DestroyStateCallback destroyState, IterationCallback first,
                               IterationCallback next, const void* registration,
                               HookCallback hook) {
    return host.registerIteratedProperty(object, hostAreaSize, name, pluralName, indexType,
                                         directObjectType, resultType, stateSize, constructState,
                                         destroyState, first, next, registration, hook);
}

int Register_Aggregate_Property(void* object, unsigned hostAreaSize, const char* name,
                                const char* pluralName, const char* indexType,
                                const char* elementType, const char* resultType, unsigned stateSize,
                                ConstructStateCallback constructState,
                                DestroyStateCallback destroyState, AggregateCallback begin,
                                AggregateCallback beginAlt, AggregateCallback add,
                                AggregateCallback addAlt, AggregateCallback finish,
                                AggregateCallback finishAlt, const void* registration,
                                HookCallback hook) {
    return host.registerAggregateProperty(object, hostAreaSize, name, pluralName, indexType,
                                          elementType, resultType, stateSize, constructState,
                                          destroyState, begin, beginAlt, add, addAlt, finish,
                                          finishAlt, registration, hook);
}

int Register_Binary_Operator(void* object, unsigned hostAreaSize, int operatorCode,
                             const char* leftType, const char* rightType, const char* resultType,
                             BinaryOperatorCallback evaluate, const void* registration,
                             HookCallback hook) {
    return host.registerBinaryOperator(object, hostAreaSize, operatorCode, leftType, rightType,
                                       resultType, evaluate, registration, hook);
}

int Register_Cast(void* object, unsigned hostAreaSize, const char* castName, const char* sourceType,
                  const char* targetType, CastCallback evaluate, const void* registration,
                  HookCallback hook) {
    return host.registerCast(object, hostAreaSize, castName, sourceType, targetType, evaluate,
                             registration, hook);
}

int Unregister_Type(void* object) {
    return host.unregisterType(object);
}
int Unregister_Property(void* object) {
    return host.unregisterProperty(object);
}
int Unregister_Binary_Operator(void* object) {
    return host.unregisterBinaryOperator(object);
}
int Unregister_Cast(void* object) {
    return host.unregisterCast(object);
}

void* Allocate_Inspector_Memory(unsigned size) {
    return host.allocateInspectorMemory(size);
}

} // extern "C"

integer operator+(integer a, integer b) {
    return host.addIntegers(a, b);
}
floating_point operator+(floating_point a, floating_point b) {
    return host.addFloatingPoints(a, b);
}
floating_point operator*(floating_point a, floating_point b) {
    return host.multiplyFloatingPoints(a, b);
}
floating_point operator/(floating_point a, integer b) {
    return host.divideFloatingPoint(a, b);
}
floating_point asFloatingPoint(integer a) {
    return host.floatingPointOf(a);
}
