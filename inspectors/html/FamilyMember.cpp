#include "inspectors/html/FamilyMember.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

// Forms in registration order: (attribute text from the index, content).
constexpr ElementForm contentTagForms[] = {
    {false, ElementContent::Text},
    {false, ElementContent::Html},
    {true, ElementContent::Text},
    {true, ElementContent::Html},
};

constexpr ElementForm emptyTagForms[] = {
    {false, ElementContent::None},
    {true, ElementContent::None},
};

} // namespace

FamilyMember::FamilyMember(const FamilyRow& row) {
    const std::size_t length = std::strlen(row.property);
    ASSERT(length <= longestName);
    std::memcpy(pluralName.data(), row.property, std::min(length, longestName));
    pluralName[std::min(length, longestName)] = 's';

    const std::span<const ElementForm> forms = row.kind == TagKind::Content
                                                   ? std::span<const ElementForm>(contentTagForms)
                                                   : std::span<const ElementForm>(emptyTagForms);
    for (std::size_t i = 0; i < forms.size(); ++i) {
        // Should this registration throw, `properties` is destroyed as the
        // construction unwinds, which removes the ones made before it.
        properties[i].emplace(row.property, pluralName.data(), row.element, forms[i]);
    }
}
