// A Buffer over N bytes of its own storage. A copy writes the original's used
// bytes into its own storage.
#pragma once

#include "universe/buffers/Buffer.h"

#include <cstddef>

template <std::size_t N>
class BufferOfCapacity : public Buffer {
    static_assert(N > 0 && N <= maxuint32, "capacity must be a positive 32-bit count");

public:
    BufferOfCapacity() noexcept
        : Buffer(Data(storage, static_cast<uint32>(N))) {}

    BufferOfCapacity(const BufferOfCapacity& other)
        : BufferOfCapacity() {
        Write(other.Used());
    }

    BufferOfCapacity& operator=(const BufferOfCapacity& other) {
        if (this != &other) {
            Reset();
            Write(other.Used());
        }
        return *this;
    }

    static constexpr uint32 Capacity() noexcept { return static_cast<uint32>(N); }

private:
    uint8 storage[N];
};
