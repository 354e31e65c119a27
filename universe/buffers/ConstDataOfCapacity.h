// A self-contained copy of at most N bytes, always followed by a zero byte so
// that the content is also a zero-terminated string.
#pragma once

#include "universe/buffers/BufferExceptions.h"
#include "universe/buffers/ConstData.h"

#include <cstddef>
#include <cstring>

template <std::size_t N>
class ConstDataOfCapacity {
    static_assert(N <= maxuint32 - 1, "capacity must fit a 32-bit count");

public:
    ConstDataOfCapacity() noexcept = default;
    ConstDataOfCapacity(ConstData bytes) { *this = bytes; } // NOLINT: a copy of the bytes

    ConstDataOfCapacity& operator=(ConstData bytes) {
        if (bytes.Length() > N) {
            ASSERT(false);
            throw ConstDataCapacityExceeded();
        }
        length = bytes.Length();
        if (length != 0) {
            std::memmove(storage, bytes.Start(), length);
        }
        storage[length] = 0;
        return *this;
    }

    operator ConstData() const noexcept { // NOLINT: the stored bytes
        return ConstData(storage, length);
    }
    ConstData Bytes() const noexcept { return *this; }
    const char* CString() const noexcept { return reinterpret_cast<const char*>(storage); }
    uint32 Length() const noexcept { return length; }

    static constexpr uint32 Capacity() noexcept { return static_cast<uint32>(N); }

private:
    uint32 length = 0;
    uint8 storage[N + 1] = {};
};
