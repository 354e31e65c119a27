// Type names of the query language: the registered types with their base
// types, tuple types "( t1, t2 )", and which type may stand where another is
// expected.
#pragma once

#include "host/registry/Registration.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veritor::host {

// The type of "()", which has no values and so fits wherever a plural fits.
inline constexpr std::string_view emptyType = "()";

// "( a, b )" from a and b; tuples nest: "( a, ( b, c ) )".
std::string TupleTypeName(const std::vector<std::string>& components);

// The components of a tuple type name; empty when the name is not a tuple's.
std::vector<std::string> TupleComponents(std::string_view name);

struct TypeInfo {
    std::string name;
    unsigned size = 0;
    DestroyValueCallback destroyValue = nullptr;
    std::string base;
};

class TypeTable {
public:
    explicit TypeTable(const std::vector<Registration>& vocabulary);

    // A registered type; the first registration of a name wins.
    const TypeInfo* Find(std::string_view name) const;

    // Bytes of result storage for a value of the type: registered types,
    // tuples (a chain node) and nothing else.
    std::optional<unsigned> SizeOf(std::string_view name) const;

    // How far `actual` is from `wanted`: 0 when they are the same, the number
    // of base-type steps from actual up to wanted, or -1 when a value of type
    // `actual` cannot stand where `wanted` is expected. Tuples compare
    // component by component.
    int Distance(std::string_view actual, std::string_view wanted) const;

private:
    std::map<std::string, TypeInfo, std::less<>> types;
};

} // namespace veritor::host
