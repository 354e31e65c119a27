// A growable array of T whose elements never move once placed, with room for
// the first InitialCount elements inside the array object itself.
#pragma once

#include "universe/containers/ExtensibleArrayBase.h"

#include <cstddef>
#include <memory>
#include <new>
#include <utility>

template <typename T, uint32 InitialCount = 8>
class ExtensibleArray {
    static_assert(InitialCount > 0);
    // Heap sections carry the allocator's default alignment only.
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

public:
    ExtensibleArray()
        : base(sizeof(T), Data(initial, static_cast<uint32>(sizeof initial))) {}
    ExtensibleArray(const ExtensibleArray&) = delete;
    ExtensibleArray& operator=(const ExtensibleArray&) = delete;
    ~ExtensibleArray() { Clear(); }

    uint32 Length() const { return base.Length(); }
    bool IsEmpty() const { return Length() == 0; }

    T& operator[](uint32 i) { return *static_cast<T*>(base[i]); }
    const T& operator[](uint32 i) const { return *static_cast<const T*>(base[i]); }

    T& Last() { return (*this)[Length() - 1]; }

    // Constructs a new last element from the arguments.
    template <typename... Args>
    T& Append(Args&&... args) {
        void* slot = base.Append(sizeof(T));
        try {
            return *std::construct_at(static_cast<T*>(slot), std::forward<Args>(args)...);
        } catch (...) {
            base.Remove(1);
            throw;
        }
    }

    void RemoveLast() {
        T* last = &Last();
        std::destroy_at(last);
        base.RemoveLast(last);
    }

    // Destroys the last `count` elements, last first.
    void Remove(uint32 count) {
        const uint32 n = count < Length() ? count : Length();
        for (uint32 k = 0; k < n; ++k) {
            std::destroy_at(&(*this)[Length() - 1 - k]);
        }
        base.Remove(count);
    }

    void Clear() { Remove(Length()); }

    const ExtensibleArrayBase& Base() const { return base; }

private:
    alignas(T) alignas(4) uint8 initial[InitialCount * sizeof(T)];
    ExtensibleArrayBase base;
};
