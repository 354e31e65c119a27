// A writable, non-owning view of bytes: the part of an output area that is
// still free. Every write leaves behind (or returns) the remainder after the
// bytes written. Runs are truncated silently to the room available; a single
// byte written past the end throws DataOverflow.
#pragma once

#include "universe/buffers/BufferExceptions.h"
#include "universe/buffers/ConstData.h"

class Data {
public:
    constexpr Data() noexcept = default;

    // The distance is checked like a length: it must fit 32 bits.
    Data(uint8* theStart, uint8* theEnd)
        : start(theStart)
        , end(theStart) {
        ASSERT(theEnd >= theStart);
        ASSERT(theStart != 0 || theEnd == 0); // NOLINT(modernize-use-nullptr): reported text
        if (theEnd >= theStart && theStart != nullptr) {
            end = theStart + BufferDetail::CheckedLength(BufferDetail::Distance(theStart, theEnd));
        }
    }

    template <std::integral N>
    Data(uint8* theStart, N theLength)
        : start(theStart)
        , end(theStart) {
        ASSERT(theStart != 0 || theLength == 0); // NOLINT(modernize-use-nullptr)
        if (theStart != nullptr) {
            end = theStart + BufferDetail::CheckedLength(theLength);
        }
    }

    Data(char* theStart, char* theEnd)
        : Data(reinterpret_cast<uint8*>(theStart), reinterpret_cast<uint8*>(theEnd)) {}

    template <std::integral N>
    Data(char* theStart, N theLength)
        : Data(reinterpret_cast<uint8*>(theStart), theLength) {}

    uint8* Start() const noexcept { return start; }
    uint8* End() const noexcept { return end; }
    uint32 Length() const noexcept {
        return static_cast<uint32>(BufferDetail::Distance(start, end));
    }
    bool IsEmpty() const noexcept { return start == end; }
    bool Exhausted() const noexcept { return !(start < end); }
    bool Valid() const noexcept { return (start == nullptr) == (end == nullptr) && start <= end; }

    operator ConstData() const noexcept { // NOLINT: a writable view is also a readable one
        return ConstData(start, end);
    }

    // Nothing is written out of range: the index is reported and refused.
    uint8& operator[](uint32 i) const {
        if (i >= Length()) {
            ASSERT(0);
            throw DataOverflow();
        }
        return start[i];
    }

    // The first `position` bytes.
    Data First(uint32 position) const {
        ASSERT(position <= Length());
        return Data(start, start + std::min(position, Length()));
    }

    // The bytes after the first `position`.
    Data After(uint32 position) const {
        ASSERT(position <= Length());
        return Data(start + std::min(position, Length()), end);
    }

    void Advance(uint32 position) { *this = After(position); }

    // Shortens the view to at most n bytes.
    void Limit(uint32 n) noexcept {
        if (n < Length()) {
            end = start + n;
        }
    }

    // Copies as much of r as fits, safely for overlapping bytes in either
    // direction; returns the free remainder after the copied bytes.
    Data CopyFrom(ConstData r) const;

    // As CopyFrom, and this view becomes the free remainder.
    void Write(ConstData r) { *this = CopyFrom(r); }

    // Writes b at the first position (DataOverflow when there is none) and
    // moves past it.
    void Put(uint8 b) {
        (*this)[0] = b;
        ++start;
    }

private:
    uint8* start = nullptr;
    uint8* end = nullptr;
};

// Copies from `from` into `to` as much as fits and advances both past the
// copied bytes; afterwards at least one of them is exhausted.
void Copy(Data& to, ConstData& from);
