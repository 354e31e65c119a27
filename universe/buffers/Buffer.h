// An output area with a write position. The unused part is the leading
// member and is handed out by reference, so any routine that writes into a
// Data& advances the buffer's position as it writes.
#pragma once

#include "universe/buffers/Data.h"

class Buffer {
public:
    explicit Buffer(Data area) noexcept
        : unused(area)
        , start(area.Start()) {}

    Data& Unused() noexcept { return unused; }
    const Data& Unused() const noexcept { return unused; }
    operator Data&() noexcept { return unused; } // NOLINT: a buffer is written as its free part

    uint32 UnusedLength() const noexcept { return unused.Length(); }

    // What has been written so far.
    ConstData Used() const {
        return start == nullptr ? ConstData() : ConstData(start, unused.Start());
    }

    bool Exhausted() const noexcept { return unused.Exhausted(); }

    void Reset() { unused = Data(start, unused.End()); }

    // Moves the write position past n bytes written by other means.
    void Advance(uint32 n) { unused = unused.After(n); }

    void Write(ConstData bytes) { unused.Write(bytes); }
    void Put(uint8 byte) { unused.Put(byte); }

private:
    Data unused;
    uint8* start;
};
