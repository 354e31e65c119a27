#include "frame/InspectorTypeNameBuilder.h"

#include "universe/exceptions/Assertion.h"

#include <initializer_list>

void InspectorTypeNameBuilder::Add(ConstData name) {
    if (!text.empty() && text.back() != ' ') {
        // A separator outside every parenthesis means a second top-level name:
        // not a type name at all. Reported, then written anyway.
        ASSERT(parentheses > 0);
        text += ", ";
    }
    text += name.AsStringView();
}

void InspectorTypeNameBuilder::Open(ConstData name) {
    Add(name);
    text += "( ";
    ++parentheses;
}

void InspectorTypeNameBuilder::Close() {
    ASSERT(parentheses > 0);
    // A surplus close wraps the count, so that Result reports it once more.
    --parentheses;
    text += " )";
}

const std::string& InspectorTypeNameBuilder::Result() const {
    ASSERT(parentheses == 0);
    return text;
}

namespace {

std::string TupleOf(std::initializer_list<ConstData> components) {
    InspectorTypeNameBuilder builder;
    builder.Open(ConstData());
    for (ConstData component : components) {
        builder.Add(component);
    }
    builder.Close();
    return builder.Result();
}

} // namespace

std::string TupleTypeName(ConstData first, ConstData second) {
    return TupleOf({first, second});
}

std::string TupleTypeName(ConstData first, ConstData second, ConstData third) {
    return TupleOf({first, second, third});
}

std::string TupleTypeName(ConstData first, ConstData second, ConstData third, ConstData fourth) {
    return TupleOf({first, second, third, fourth});
}
