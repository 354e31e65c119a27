#include "inspectors/core/StreamingCopy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace StreamingCopy {

namespace {

void Plain(uint8* to, const uint8* from, std::size_t count) {
    if (count != 0) {
        std::memcpy(to, from, count);
    }
}

} // namespace

#if defined(__SSE2__)

void Copy(uint8* to, const uint8* from, std::size_t count) {
    constexpr std::size_t line = 64;
    // Streaming stores want 16-byte aligned destinations.
    const std::size_t head = std::min(count, (16 - reinterpret_cast<std::uintptr_t>(to) % 16) % 16);
    Plain(to, from, head);
    to += head;
    from += head;
    count -= head;
    for (; count >= line; count -= line, to += line, from += line) {
        const auto* source = reinterpret_cast<const __m128i*>(from);
        auto* target = reinterpret_cast<__m128i*>(to);
        const __m128i a = _mm_loadu_si128(source);
        const __m128i b = _mm_loadu_si128(source + 1);
        const __m128i c = _mm_loadu_si128(source + 2);
        const __m128i d = _mm_loadu_si128(source + 3);
        _mm_stream_si128(target, a);
        _mm_stream_si128(target + 1, b);
        _mm_stream_si128(target + 2, c);
        _mm_stream_si128(target + 3, d);
    }
    Plain(to, from, count);
}

void Finish() {
    _mm_sfence();
}

#else

void Copy(uint8* to, const uint8* from, std::size_t count) {
    Plain(to, from, count);
}

void Finish() {}

#endif

} // namespace StreamingCopy
