#include "host/query/Types.h"

#include "frame/TupleElement.h"

namespace veritor::host {

std::string TupleTypeName(const std::vector<std::string>& components) {
    std::string name = "(";
    for (std::size_t i = 0; i < components.size(); ++i) {
        name += i == 0 ? " " : ", ";
        name += components[i];
    }
    return name + " )";
}

std::vector<std::string> TupleComponents(std::string_view name) {
    if (name.size() < 4 || !name.starts_with("( ") || !name.ends_with(" )")) {
        return {};
    }
    std::string_view inner = name.substr(2, name.size() - 4);
    std::vector<std::string> components;
    int open = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] == '(') {
            ++open;
        } else if (inner[i] == ')') {
            --open;
        } else if (open == 0 && inner.substr(i, 2) == ", ") {
            components.emplace_back(inner.substr(start, i - start));
            start = i + 2;
        }
    }
    components.emplace_back(inner.substr(start));
    return components.size() >= 2 ? components : std::vector<std::string>{};
}

TypeTable::TypeTable(const std::vector<Registration>& vocabulary) {
    for (const Registration& r : vocabulary) {
        if (r.kind == RegistrationKind::Type) {
            types.try_emplace(r.name, TypeInfo{r.name, r.valueSize, r.destroyValue, r.baseType});
        }
    }
}

const TypeInfo* TypeTable::Find(std::string_view name) const {
    auto found = types.find(name);
    return found == types.end() ? nullptr : &found->second;
}

std::optional<unsigned> TypeTable::SizeOf(std::string_view name) const {
    if (const TypeInfo* type = Find(name)) {
        return type->size;
    }
    if (!TupleComponents(name).empty()) {
        return sizeof(TupleNode);
    }
    return std::nullopt;
}

int TypeTable::Distance(std::string_view actual, std::string_view wanted) const {
    if (actual == wanted || actual == emptyType) {
        return 0;
    }
    auto actualParts = TupleComponents(actual);
    auto wantedParts = TupleComponents(wanted);
    if (!actualParts.empty() || !wantedParts.empty()) {
        if (actualParts.size() != wantedParts.size()) {
            return -1;
        }
        int total = 0;
        for (std::size_t i = 0; i < actualParts.size(); ++i) {
            int distance = Distance(actualParts[i], wantedParts[i]);
            if (distance < 0) {
                return -1;
            }
            total += distance;
        }
        return total;
    }
    // Bounded by the number of types, so a cycle of base types ends.
    std::string_view current = actual;
    for (int steps = 1; steps <= static_cast<int>(types.size()); ++steps) {
        const TypeInfo* type = Find(current);
        if (type == nullptr || type->base.empty()) {
            return -1;
        }
        if (type->base == wanted) {
            return steps;
        }
        current = type->base;
    }
    return -1;
}

} // namespace veritor::host
