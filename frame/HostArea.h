// The leading bytes of every registration object. They belong to the host,
// which may keep the object's address and use the area for its own
// bookkeeping from the registration call until the matching removal call. The
// library never reads or writes them; it only tells the host their size.
#pragma once

#include <cstddef>

// A type reserves more than the other kinds: the host keeps a type's whole
// description in it.
inline constexpr unsigned typeHostAreaSize = 512;
inline constexpr unsigned registrationHostAreaSize = 128;

template <unsigned Size>
struct HostArea {
    static constexpr unsigned size = Size;

    // Deliberately left uninitialised: the bytes are the host's, not ours.
    alignas(void*) std::byte bytes[Size];
};
