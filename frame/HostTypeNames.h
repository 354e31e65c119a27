// Query-language names of the host's own value types (representations in
// frame/VeritorInterface.h).
#pragma once

inline const char* BooleanTypeName() {
    return "boolean";
}
inline const char* IntegerTypeName() {
    return "integer";
}
inline const char* StringTypeName() {
    return "string";
}
inline const char* FloatingPointTypeName() {
    return "floating point";
}
