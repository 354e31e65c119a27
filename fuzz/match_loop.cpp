// libFuzzer target, differential: MatchLoop fed a text in pieces must report
// exactly the occurrences (overlapping ones included) that memmem finds in the
// joined text, each in the piece where it ends, and after each piece the
// longest target prefix the text ends with; a search of the whole text at
// once must agree too. Any difference aborts.
//
// Input layout: two bytes, little-endian, give the target length
// (1 + value % 320, so long targets reach the 255-byte cap of the shifts);
// then the target's bytes; then the pieces, each one length byte followed
// by that many text bytes (the last piece takes what is left). Empty pieces
// are allowed.
#include "universe/searching/MatchLoop.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Expect(const char* what, std::uint64_t expected, std::uint64_t actual) {
    if (expected != actual) {
        std::fprintf(stderr, "MatchLoop differs from memmem: %s: expected %llu, got %llu\n", what,
                     static_cast<unsigned long long>(expected),
                     static_cast<unsigned long long>(actual));
        std::abort();
    }
}

ConstData View(std::string_view text) {
    return ConstData(reinterpret_cast<const uint8*>(text.data()), text.size());
}

// Ends (one past the last byte) of every occurrence, overlapping ones too.
std::vector<std::size_t> OccurrenceEnds(std::string_view text, std::string_view target) {
    std::vector<std::size_t> ends;
    for (std::size_t from = 0;;) {
        const void* hit =
            memmem(text.data() + from, text.size() - from, target.data(), target.size());
        if (hit == nullptr) {
            return ends;
        }
        from = static_cast<const char*>(hit) - text.data() + 1;
        ends.push_back(from - 1 + target.size());
    }
}

// The longest proper target prefix that the text ends with. Longest first, so
// a mismatch usually ends each comparison at its first byte.
std::size_t CarriedPrefix(std::string_view text, std::string_view target) {
    std::size_t length = std::min(text.size(), target.size() - 1);
    while (!text.ends_with(target.substr(0, length))) {
        --length;
    }
    return length;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (size < 3) {
        return 0;
    }
    const std::string_view target = input.substr(2, 1 + (data[0] | data[1] << 8) % 320);
    input.remove_prefix(2 + target.size());
    std::vector<std::string_view> pieces;
    std::string text;
    for (; !input.empty(); input.remove_prefix(1 + pieces.back().size())) {
        pieces.push_back(input.substr(1, static_cast<unsigned char>(input[0])));
        text.append(pieces.back());
    }
    const std::vector<std::size_t> expected = OccurrenceEnds(text, target);
    const PatternMatcher matcher(View(target));

    const MatchLoop whole(&matcher, View(text));
    // 0, which no occurrence ends at, stands for none.
    Expect("first end in the whole text", expected.empty() ? 0 : expected.front(),
           whole.Found() ? whole.MatchEnd() : 0);

    MatchLoop loop(&matcher);
    std::size_t next = 0; // the next expected occurrence
    std::size_t pieceStart = 0;
    for (std::string_view piece : pieces) {
        for (loop.Continue(View(piece)); loop.Found(); loop.Next()) {
            Expect("an occurrence", next < expected.size(), true);
            Expect("occurrence end", expected[next++], pieceStart + loop.MatchEnd());
        }
        pieceStart += piece.size();
        Expect("carried prefix",
               CarriedPrefix(std::string_view(text).substr(0, pieceStart), target),
               loop.MatchedPrefix());
    }
    Expect("occurrences", expected.size(), next);
    return 0;
}
