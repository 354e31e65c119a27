// The registration functions that inspector libraries import from the host.
// They only record their arguments: nothing is checked against the rest of
// the vocabulary here, because libraries name types they register later.
#include "frame/VeritorInterface.h"
#include "host/registry/Registry.h"

namespace {

using veritor::host::Registration;
using veritor::host::RegistrationKind;
using veritor::host::Registry;

std::string Text(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

bool Named(const char* text) {
    return text != nullptr && *text != '\0';
}

// The library that registers is the file holding the registration object;
// an object that no file holds (built at run time) is attributed to the file
// holding its callback.
int Record(Registration registration, const void* callback) {
    registration.library = veritor::host::LibraryHolding(registration.object);
    if (registration.library.empty()) {
        registration.library = veritor::host::LibraryHolding(callback);
    }
    return Registry::Instance().Add(std::move(registration)) ? 1 : 0;
}

// The host keeps its bookkeeping in its own tables, not in the area the
// object reserves for it, so the area's size does not matter here.
Registration Start(RegistrationKind kind, void* object, const void* callbackObject) {
    Registration registration;
    registration.kind = kind;
    registration.object = object;
    registration.callbackObject = callbackObject;
    return registration;
}

// What every kind of property registers: its names and the types around it.
Registration StartProperty(RegistrationKind kind, void* object, const void* callbackObject,
                           const char* name, const char* pluralName, const char* indexType,
                           const char* resultType) {
    Registration registration = Start(kind, object, callbackObject);
    registration.name = name;
    registration.pluralName = Text(pluralName);
    registration.indexType = Text(indexType);
    registration.resultType = resultType;
    return registration;
}

bool IsType(RegistrationKind kind) {
    return kind == RegistrationKind::Type;
}
bool IsProperty(RegistrationKind kind) {
    return kind == RegistrationKind::Property || kind == RegistrationKind::IteratedProperty ||
           kind == RegistrationKind::AggregateProperty;
}
bool IsOperator(RegistrationKind kind) {
    return kind == RegistrationKind::Operator;
}
bool IsCast(RegistrationKind kind) {
    return kind == RegistrationKind::Cast;
}

} // namespace

extern "C" {

int Register_Type(void* object, unsigned /*hostAreaSize*/, const char* typeName, unsigned valueSize,
                  DestroyValueCallback destroyValue, const char* baseTypeName,
                  const void* /*reserved*/) {
    if (object == nullptr || !Named(typeName)) {
        return 0;
    }
    Registration r = Start(RegistrationKind::Type, object, object);
    r.name = typeName;
    r.valueSize = valueSize;
    r.destroyValue = destroyValue;
    r.baseType = Text(baseTypeName);
    return Record(std::move(r), reinterpret_cast<const void*>(destroyValue));
}

int Register_Property(void* object, unsigned /*hostAreaSize*/, const char* name,
                      const char* pluralName, const char* indexType, const char* directObjectType,
                      const char* resultType, PropertyCallback evaluate, const void* registration,
                      HookCallback /*hook*/) {
    if (object == nullptr || !Named(name) || !Named(resultType) || evaluate == nullptr) {
        return 0;
    }
    Registration r = StartProperty(RegistrationKind::Property, object, registration, name,
                                   pluralName, indexType, resultType);
    r.operandType = Text(directObjectType);
    r.evaluate = evaluate;
    return Record(std::move(r), reinterpret_cast<const void*>(evaluate));
}

int Register_Iterated_Property(void* object, unsigned /*hostAreaSize*/, const char* name,
                               const char* pluralName, const char* indexType,
                               const char* directObjectType, const char* resultType,
                               unsigned stateSize, ConstructStateCallback constructState,
                               DestroyStateCallback destroyState, IterationCallback first,
                               IterationCallback next, const void* registration,
                               HookCallback /*hook*/) {
    if (object == nullptr || !Named(name) || !Named(resultType) || constructState == nullptr ||
        destroyState == nullptr || first == nullptr || next == nullptr) {
        return 0;
    }
    Registration r = StartProperty(RegistrationKind::IteratedProperty, object, registration, name,
                                   pluralName, indexType, resultType);
    r.operandType = Text(directObjectType);
    r.stateSize = stateSize;
    r.constructState = constructState;
    r.destroyState = destroyState;
    r.first = first;
    r.next = next;
    return Record(std::move(r), reinterpret_cast<const void*>(first));
}

int Register_Aggregate_Property(void* object, unsigned /*hostAreaSize*/, const char* name,
                                const char* pluralName, const char* indexType,
                                const char* elementType, const char* resultType, unsigned stateSize,
                                ConstructStateCallback constructState,
                                DestroyStateCallback destroyState, AggregateCallback begin,
                                AggregateCallback beginAlt, AggregateCallback add,
                                AggregateCallback addAlt, AggregateCallback finish,
                                AggregateCallback finishAlt, const void* registration,
                                HookCallback /*hook*/) {
    if (object == nullptr || !Named(name) || !Named(elementType) || !Named(resultType) ||
        constructState == nullptr || destroyState == nullptr || begin == nullptr ||
        add == nullptr || finish == nullptr) {
        return 0;
    }
    Registration r = StartProperty(RegistrationKind::AggregateProperty, object, registration, name,
                                   pluralName, indexType, resultType);
    r.operandType = elementType;
    r.stateSize = stateSize;
    r.constructState = constructState;
    r.destroyState = destroyState;
    r.begin = begin;
    r.beginAlt = beginAlt;
    r.add = add;
    r.addAlt = addAlt;
    r.finish = finish;
    r.finishAlt = finishAlt;
    return Record(std::move(r), reinterpret_cast<const void*>(finish));
}

int Register_Binary_Operator(void* object, unsigned /*hostAreaSize*/, int operatorCode,
                             const char* leftType, const char* rightType, const char* resultType,
                             BinaryOperatorCallback evaluate, const void* registration,
                             HookCallback /*hook*/) {
    if (object == nullptr || operatorCode < OperatorAdd || operatorCode > OperatorOr ||
        !Named(leftType) || !Named(rightType) || !Named(resultType) || evaluate == nullptr) {
        return 0;
    }
    Registration r = Start(RegistrationKind::Operator, object, registration);
    r.name = veritor::host::OperatorSymbol(operatorCode);
    r.operatorCode = operatorCode;
    r.operandType = leftType;
    r.rightType = rightType;
    r.resultType = resultType;
    r.binary = evaluate;
    return Record(std::move(r), reinterpret_cast<const void*>(evaluate));
}

int Register_Cast(void* object, unsigned /*hostAreaSize*/, const char* castName,
                  const char* sourceType, const char* targetType, CastCallback evaluate,
                  const void* registration, HookCallback /*hook*/) {
    if (object == nullptr || !Named(castName) || !Named(sourceType) || !Named(targetType) ||
        evaluate == nullptr) {
        return 0;
    }
    Registration r = Start(RegistrationKind::Cast, object, registration);
    r.name = castName;
    r.operandType = sourceType;
    r.resultType = targetType;
    r.cast = evaluate;
    return Record(std::move(r), reinterpret_cast<const void*>(evaluate));
}

int Unregister_Type(void* object) {
    return Registry::Instance().Remove(object, IsType) ? 1 : 0;
}

int Unregister_Property(void* object) {
    return Registry::Instance().Remove(object, IsProperty) ? 1 : 0;
}

int Unregister_Binary_Operator(void* object) {
    return Registry::Instance().Remove(object, IsOperator) ? 1 : 0;
}

int Unregister_Cast(void* object) {
    return Registry::Instance().Remove(object, IsCast) ? 1 : 0;
}

} // extern "C"
