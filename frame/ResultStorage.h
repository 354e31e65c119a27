// Results are constructed in storage the host provides for them.
#pragma once

#include <new>
#include <utility>

// The common tail of every evaluation adapter. A null `resultStorage` means the
// host wants nothing computed. Otherwise the value is computed first and only
// then copied into the storage, so an exception (NoSuchObject: no value)
// leaves the storage exactly as the host handed it over.
template <typename Result, typename Compute>
void* ConstructResult(void* resultStorage, Compute&& compute) {
    if (resultStorage == nullptr) {
        return nullptr;
    }
    Result value = std::forward<Compute>(compute)();
    return ::new (resultStorage) Result(std::move(value));
}
