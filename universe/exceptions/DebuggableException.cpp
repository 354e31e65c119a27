#include "universe/exceptions/DebuggableException.h"

#include <cstddef>
#include <cstring>
#include <typeinfo>

namespace {

// The name of a class as the type information gives it. A class at global
// scope is stored as the length of its identifier and the identifier
// ("12DataOverflow"), so its readable name is the tail of that text and needs
// no storage of its own. That matters: what() must work without a lock and
// from a static destructor, when no other static can be relied on. Other
// names (classes in namespaces or functions) are returned as they are stored.
const char* ClassName(const std::type_info& type) noexcept {
    const char* stored = type.name();
    std::size_t length = 0;
    const char* identifier = stored;
    for (; *identifier >= '0' && *identifier <= '9'; ++identifier) {
        length = length * 10 + static_cast<std::size_t>(*identifier - '0');
    }
    const bool globalClass =
        identifier != stored && length > 0 && std::strlen(identifier) == length;
    return globalClass ? identifier : stored;
}

} // namespace

const char* DebuggableException::what() const noexcept {
    return ClassName(typeid(*this));
}
