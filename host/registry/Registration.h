// One registration as the host records it: the arguments of the Register_*
// call that made it, and which library made it.
#pragma once

#include "frame/VeritorInterface.h"

#include <cstdint>
#include <string>

namespace veritor::host {

enum class RegistrationKind { Type, Property, IteratedProperty, AggregateProperty, Operator, Cast };

const char* RegistrationKindName(RegistrationKind kind);

struct Registration {
    RegistrationKind kind = RegistrationKind::Type;
    const void* object = nullptr; // key; handed back to callbacks as `registration`
    const void* callbackObject = nullptr;
    std::uint64_t sequence = 0; // order of registration
    std::string library;        // file that holds the object; empty when unknown

    std::string name;        // type, property, aggregate or cast name
    std::string pluralName;  // properties and aggregates
    std::string indexType;   // empty: no index
    std::string operandType; // direct object (empty: none), element, left operand, cast source
    std::string rightType;   // operators
    std::string resultType;  // properties, aggregates, operators; cast target
    std::string baseType;    // types; empty: none
    int operatorCode = 0;
    unsigned valueSize = 0; // types
    unsigned stateSize = 0; // iterated properties and aggregates

    DestroyValueCallback destroyValue = nullptr;
    PropertyCallback evaluate = nullptr;
    ConstructStateCallback constructState = nullptr;
    DestroyStateCallback destroyState = nullptr;
    IterationCallback first = nullptr;
    IterationCallback next = nullptr;
    AggregateCallback begin = nullptr;
    AggregateCallback beginAlt = nullptr;
    AggregateCallback add = nullptr;
    AggregateCallback addAlt = nullptr;
    AggregateCallback finish = nullptr;
    AggregateCallback finishAlt = nullptr;
    BinaryOperatorCallback binary = nullptr;
    CastCallback cast = nullptr;
};

// The text of a host operator code ("+", "contains", ...); "?" when unknown.
const char* OperatorSymbol(int code);

} // namespace veritor::host
