#include "universe/exceptions/DebuggableException.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <mutex>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

namespace {

// Readable class names, demangled once per class and kept for the life of
// the process, so what() hands out a pointer that stays valid.
class ReadableTypeNames {
public:
    const char* Of(const std::type_info& type) noexcept {
        try {
            std::lock_guard guard(lock);
            auto [entry, added] = names.try_emplace(std::type_index(type));
            if (added) {
                entry->second = Demangled(type.name());
            }
            return entry->second.c_str();
        } catch (...) {
            return type.name();
        }
    }

private:
    static std::string Demangled(const char* mangled) {
        int status = 0;
        std::unique_ptr<char, decltype(&std::free)> readable(
            abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
        return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
    }

    std::mutex lock;
    std::unordered_map<std::type_index, std::string> names;
};

} // namespace

const char* DebuggableException::what() const noexcept {
    static ReadableTypeNames names;
    return names.Of(typeid(*this));
}
