#include "host/registry/Registration.h"

namespace veritor::host {

const char* RegistrationKindName(RegistrationKind kind) {
    switch (kind) {
    case RegistrationKind::Type:
        return "type";
    case RegistrationKind::Property:
        return "property";
    case RegistrationKind::IteratedProperty:
        return "iterated property";
    case RegistrationKind::AggregateProperty:
        return "aggregate";
    case RegistrationKind::Operator:
        return "operator";
    case RegistrationKind::Cast:
        return "cast";
    }
    return "?";
}

const char* OperatorSymbol(int code) {
    static const char* const byCode[] = {"?", "+",  "-", "*",        "/",  "&",   "=",   "!=",
                                         "<", "<=", ">", "contains", ">=", "mod", "and", "or"};
    if (code < 1 || code > 15) {
        return "?";
    }
    return byCode[code];
}

} // namespace veritor::host
