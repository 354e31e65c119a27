#include "frame/TypeRegistration.h"

TypeRegistration::TypeRegistration(const char* typeName, unsigned valueSize,
                                   DestroyValueCallback destroyValue, const char* baseTypeName) {
    Register_Type(this, typeHostAreaSize, typeName, valueSize, destroyValue, baseTypeName, nullptr);
}

TypeRegistration::~TypeRegistration() {
    Unregister_Type(this);
}
