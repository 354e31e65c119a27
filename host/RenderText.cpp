#include "host/Veritor.h"
#include "host/builtins/NumberText.h"

namespace veritor {

std::string FormatDouble(double number) {
    return host::FormatNumber(number);
}

std::vector<std::string> FlagNames(std::uint32_t flags) {
    static const char* const names[] = {"inexact", "underflow", "overflow", "division by zero",
                                        "invalid"};
    std::vector<std::string> raised;
    for (unsigned bit = 0; bit < 5; ++bit) {
        if (flags & (1u << bit)) {
            raised.emplace_back(names[bit]);
        }
    }
    return raised;
}

std::string RenderText(const Value& value) {
    switch (value.kind) {
    case Value::Kind::Boolean:
        return value.boolean ? "true" : "false";
    case Value::Kind::Integer:
        return host::FormatInteger(value.integer);
    case Value::Kind::FloatingPoint:
        return FormatDouble(value.floatingPoint.number);
    case Value::Kind::Tuple: {
        std::string text;
        for (std::size_t i = 0; i < value.components.size(); ++i) {
            text += (i == 0 ? "" : ", ") + RenderText(value.components[i]);
        }
        return text;
    }
    case Value::Kind::String:
    case Value::Kind::Library:
        return value.text;
    }
    return value.text;
}

} // namespace veritor
