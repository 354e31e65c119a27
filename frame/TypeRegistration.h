// A type of the query language contributed by the library. Value sizes are
// `sizeof` of the library's C++ representations, so on a 64-bit build a value
// holding pointers is larger than on the original 32-bit platform.
#pragma once

#include "frame/HostArea.h"
#include "frame/VeritorInterface.h"

class TypeRegistration {
public:
    // Registers the type at once; a null base type name means "no base".
    TypeRegistration(const char* typeName, unsigned valueSize, DestroyValueCallback destroyValue,
                     const char* baseTypeName = nullptr);
    ~TypeRegistration();

    TypeRegistration(const TypeRegistration&) = delete;
    TypeRegistration& operator=(const TypeRegistration&) = delete;

private:
    HostArea<typeHostAreaSize> hostArea;
};
static_assert(sizeof(TypeRegistration) == typeHostAreaSize);

// Destroys a value in place; the storage stays the host's.
template <typename Value>
void DestroyValueInPlace(void* value) {
    static_cast<Value*>(value)->~Value();
}

// A type whose values are C++ objects of class Value.
template <typename Value>
class ValueTypeRegistration : public TypeRegistration {
public:
    explicit ValueTypeRegistration(const char* typeName, const char* baseTypeName = nullptr)
        : TypeRegistration(typeName, sizeof(Value), &DestroyValueInPlace<Value>, baseTypeName) {}
};
