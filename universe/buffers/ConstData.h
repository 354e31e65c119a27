// A read-only, non-owning view of a run of bytes. Views are two pointers,
// passed and returned by value; the bytes must outlive every view of them.
//
// A failed precondition is reported through ASSERT and the operation then
// keeps within the view (an index past the end reads 0, a position past the
// end is taken as the end), so a programming fault never reads foreign memory.
#pragma once

#include "universe/exceptions/Assertion.h"
#include "universe/integers/IntegerTypes.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

class Data;

namespace BufferDetail {

// Lengths are 32-bit counts; wider or signed arguments are checked.
template <std::integral N>
uint32 CheckedLength(N theLength) {
    if constexpr (std::is_signed_v<N>) {
        ASSERT(theLength >= 0);
        if (theLength < 0) {
            return 0;
        }
    }
    if constexpr (std::numeric_limits<N>::max() > maxuint32) {
        ASSERT(std::cmp_less_equal(theLength, maxuint32));
    }
    return static_cast<uint32>(theLength);
}

// The bytes from `from` up to `to`, which must not lie before it. Taken as a
// difference of addresses, not of pointers: on a 32-bit system a view may
// span more than 2 GiB, beyond what a pointer difference (ptrdiff_t) holds.
inline std::size_t Distance(const uint8* from, const uint8* to) noexcept {
    return reinterpret_cast<std::uintptr_t>(to) - reinterpret_cast<std::uintptr_t>(from);
}

inline const uint8* AsBytes(const char* text) noexcept {
    return reinterpret_cast<const uint8*>(text);
}

} // namespace BufferDetail

class ConstData {
public:
    constexpr ConstData() noexcept = default;

    // The distance is checked like a length: it must fit 32 bits.
    ConstData(const uint8* theStart, const uint8* theEnd)
        : start(theStart)
        , end(theStart) {
        ASSERT(theEnd >= theStart);
        ASSERT(theStart != 0 || theEnd == 0); // NOLINT(modernize-use-nullptr): reported text
        if (theEnd >= theStart && theStart != nullptr) {
            end = theStart + BufferDetail::CheckedLength(BufferDetail::Distance(theStart, theEnd));
        }
    }

    template <std::integral N>
    ConstData(const uint8* theStart, N theLength)
        : start(theStart)
        , end(theStart) {
        ASSERT(theStart != 0 || theLength == 0); // NOLINT(modernize-use-nullptr)
        if (theStart != nullptr) {
            end = theStart + BufferDetail::CheckedLength(theLength);
        }
    }

    // The host's strings and C++ text come as char.
    ConstData(const char* theStart, const char* theEnd)
        : ConstData(BufferDetail::AsBytes(theStart), BufferDetail::AsBytes(theEnd)) {}

    template <std::integral N>
    ConstData(const char* theStart, N theLength)
        : ConstData(BufferDetail::AsBytes(theStart), theLength) {}

    // A character array: the text up to its first zero byte (for a literal,
    // the whole literal without its terminator).
    template <std::size_t N>
    ConstData(const char (&text)[N]) // NOLINT: implicit by design
        : ConstData(text, static_cast<uint32>(std::find(text, text + N, '\0') - text)) {}

    explicit ConstData(std::string_view text)
        : ConstData(text.data(), text.size()) {}

    const uint8* Start() const noexcept { return start; }
    const uint8* End() const noexcept { return end; }
    uint32 Length() const noexcept {
        return static_cast<uint32>(BufferDetail::Distance(start, end));
    }
    bool IsEmpty() const noexcept { return start == end; }
    bool Exhausted() const noexcept { return start == end; }
    bool Valid() const noexcept { return (start == nullptr) == (end == nullptr) && start <= end; }

    uint8 operator[](uint32 i) const {
        ASSERT(i < Length());
        return i < Length() ? start[i] : uint8{0};
    }

    // The first `position` bytes.
    ConstData First(uint32 position) const {
        ASSERT(position <= Length());
        return ConstData(start, start + std::min(position, Length()));
    }

    // The bytes after the first `position`.
    ConstData After(uint32 position) const {
        ASSERT(position <= Length());
        return ConstData(start + std::min(position, Length()), end);
    }

    // The bytes from index s up to (not including) index e.
    ConstData Range(uint32 s, uint32 e) const {
        ASSERT(s <= e);
        ASSERT(e <= Length());
        e = std::min(e, Length());
        s = std::min(s, e);
        return ConstData(start + s, start + e);
    }

    void Advance(uint32 amount) {
        ASSERT(amount <= Length());
        start += std::min(amount, Length());
    }

    // Copies as many bytes as fit into r, first to last; returns the bytes of
    // this view that did not fit.
    ConstData CopyInto(Data r) const;

    bool StartsWith(ConstData b) const;
    bool EndsWith(ConstData b) const;
    // An empty b is contained in every view.
    bool Contains(ConstData b) const;

    std::string AsString() const {
        return std::string(reinterpret_cast<const char*>(start), Length());
    }
    std::string_view AsStringView() const noexcept {
        return std::string_view(reinterpret_cast<const char*>(start), Length());
    }

private:
    const uint8* start = nullptr;
    const uint8* end = nullptr;
};

// Three-way comparison of the bytes as unsigned values: at the first
// difference, (byte of a) - (byte of b); otherwise -1, 0 or 1 by length.
int Compare(ConstData a, ConstData b);

// As Compare, walking both views backwards from their ends.
int CompareFromEnd(ConstData a, ConstData b);

bool operator==(ConstData a, ConstData b);
bool operator<(ConstData a, ConstData b);
bool operator<=(ConstData a, ConstData b);
inline bool operator!=(ConstData a, ConstData b) {
    return !(a == b);
}
inline bool operator>(ConstData a, ConstData b) {
    return b < a;
}
inline bool operator>=(ConstData a, ConstData b) {
    return b <= a;
}
