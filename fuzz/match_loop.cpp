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
#include <string_view>
#include <vector>

namespace {

struct Input {
    std::string_view target;
    std::vector<std::string_view> pieces;
};

bool Split(std::string_view data, Input& input) {
    if (data.size() < 3) {
        return false;
    }
    const auto length =
        1 + (static_cast<unsigned char>(data[0]) | static_cast<unsigned char>(data[1]) << 8) % 320;
    data.remove_prefix(2);
    input.target = data.substr(0, length);
    data.remove_prefix(input.target.size());
    while (!data.empty()) {
        const std::size_t size = static_cast<unsigned char>(data[0]);
        input.pieces.push_back(data.substr(1, size));
        data.remove_prefix(1 + input.pieces.back().size());
    }
    return true;
}

[[noreturn]] void Differ(const char* what, std::uint64_t expected, std::uint64_t actual) {
    std::fprintf(stderr, "MatchLoop differs from memmem: %s: expected %llu, got %llu\n", what,
                 static_cast<unsigned long long>(expected),
                 static_cast<unsigned long long>(actual));
    std::abort();
}

void Expect(const char* what, std::uint64_t expected, std::uint64_t actual) {
    if (expected != actual) {
        Differ(what, expected, actual);
    }
}

ConstData View(std::string_view text) {
    return ConstData(reinterpret_cast<const uint8*>(text.data()), text.size());
}

// Ends (one past the last byte) of every occurrence, overlapping ones too.
std::vector<std::size_t> OccurrenceEnds(std::string_view text, std::string_view target) {
    std::vector<std::size_t> ends;
    for (std::size_t from = 0; from + target.size() <= text.size();) {
        const void* hit =
            memmem(text.data() + from, text.size() - from, target.data(), target.size());
        if (hit == nullptr) {
            break;
        }
        const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        ends.push_back(at + target.size());
        from = at + 1;
    }
    return ends;
}

// The longest proper prefix of the target that the text fed so far ends
// with, kept as Knuth-Morris-Pratt does, so a long text in many pieces stays
// linear.
class CarriedPrefix {
public:
    explicit CarriedPrefix(std::string_view target)
        : target(target)
        , border(target.size() + 1, 0) {
        for (std::size_t i = 1, k = 0; i < target.size(); ++i) {
            while (k > 0 && target[i] != target[k]) {
                k = border[k];
            }
            border[i + 1] = target[i] == target[k] ? ++k : 0;
        }
    }

    void Feed(std::string_view text) {
        for (char c : text) {
            if (state == target.size()) {
                state = border[state];
            }
            while (state > 0 && c != target[state]) {
                state = border[state];
            }
            state += c == target[state] ? 1 : 0;
        }
    }

    std::size_t Length() const { return state == target.size() ? border[state] : state; }

private:
    std::string_view target;
    std::vector<std::size_t> border; // border[i]: longest border of the first i bytes
    std::size_t state = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input;
    if (!Split({reinterpret_cast<const char*>(data), size}, input)) {
        return 0;
    }
    std::string text;
    for (std::string_view piece : input.pieces) {
        text.append(piece);
    }
    const std::vector<std::size_t> expected = OccurrenceEnds(text, input.target);
    const PatternMatcher matcher(View(input.target));

    MatchLoop whole(&matcher, View(text));
    Expect("found in the whole text", !expected.empty(), whole.Found());
    if (whole.Found()) {
        Expect("first end in the whole text", expected.front(), whole.MatchEnd());
    }

    MatchLoop loop(&matcher);
    CarriedPrefix carried(input.target);
    std::size_t next = 0; // the next expected occurrence
    std::size_t pieceStart = 0;
    for (std::string_view piece : input.pieces) {
        loop.Continue(View(piece));
        for (; loop.Found(); loop.Next()) {
            Expect("an occurrence", next < expected.size(), true);
            Expect("occurrence end", expected[next++], pieceStart + loop.MatchEnd());
        }
        pieceStart += piece.size();
        Expect(
            "occurrences up to a piece's end",
            static_cast<std::size_t>(
                std::upper_bound(expected.begin(), expected.end(), pieceStart) - expected.begin()),
            next);
        carried.Feed(piece);
        Expect("carried prefix", carried.Length(), loop.MatchedPrefix());
    }
    return 0;
}
