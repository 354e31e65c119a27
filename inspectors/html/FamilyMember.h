// A member of the tag family: the properties named after one element, four
// for an element with content (text or html, each with or without attribute
// text) and two for an element closed in its start tag (with or without
// attribute text). The plural name is the property name followed by "s",
// without exception ("addresss", "bodys").
#pragma once

#include "inspectors/html/ElementProperty.h"

#include <array>
#include <optional>

enum class TagKind { Content, Empty };

// One row of the family: the property name, the name of the element it
// renders and whether the element has content.
struct FamilyRow {
    const char* property;
    const char* element;
    TagKind kind;
};

class FamilyMember {
public:
    // Longest property name the plural name has room for.
    static constexpr std::size_t longestName = 14;

    // Makes the member's registrations in order. If one fails, those already
    // made are removed again, last first, before the failure propagates.
    explicit FamilyMember(const FamilyRow& row);
    FamilyMember(const FamilyMember&) = delete;
    FamilyMember& operator=(const FamilyMember&) = delete;

private:
    std::array<char, longestName + 2> pluralName{};
    // Destroyed, and so removed, in reverse order.
    std::array<std::optional<ElementProperty>, 4> properties;
};
