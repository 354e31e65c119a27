#include "universe/searching/MatchLoop.h"

#include "universe/exceptions/Assertion.h"

#include <cstring>

namespace {

// memcmp must not see a null pointer, which an empty view may hold. The
// comparisons at the ends of pieces are a few bytes long, where a call to
// memcmp would cost more than the loop; a text fed in small pieces makes
// several per piece.
bool SameBytes(const uint8* a, const uint8* b, uint64 count) {
    if (count >= 32) {
        return std::memcmp(a, b, count) == 0;
    }
    for (uint64 i = 0; i < count; ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

MatchLoop::MatchLoop(const PatternMatcher* pattern)
    : pattern(pattern) {
    ASSERT(pattern != nullptr);
}

MatchLoop::MatchLoop(const PatternMatcher* pattern, ConstData source)
    : pattern(pattern) {
    ASSERT(pattern != nullptr);
    Search(source);
}

void MatchLoop::Search(ConstData piece) {
    matchedPrefix = 0;
    Continue(piece);
}

void MatchLoop::Continue(ConstData piece) {
    source = piece;
    matchEnd = pattern->Length() - matchedPrefix;
    Run();
}

void MatchLoop::Next() {
    ASSERT(Found());
    matchEnd += pattern->Shift(source.Start()[matchEnd - 1]);
    Run();
}

bool MatchLoop::Consistent(uint64 end) const {
    const uint64 length = pattern->Length();
    const uint8* target = pattern->Target().Start();
    ASSERT_REPORTING(length > 0, "pattern->Target().End() > pattern->Target().Start()");
    ASSERT_REPORTING(end + matchedPrefix >= length,
                     "matchEnd >= source.Start() + ( pattern->Length() - matchedPrefix )");
    ASSERT_REPORTING(end <= source.Length() + length,
                     "matchEnd <= source.End() + pattern->Length()");

    // The candidate covers [end - length, end) of the piece's coordinates;
    // bytes past the piece are not known yet and bytes before it are the
    // carried target prefix.
    const uint64 pieceEnd = end < source.Length() ? end : source.Length();
    if (end >= length) {
        const uint64 begin = end - length;
        return SameBytes(source.Start() + begin, target, pieceEnd - begin);
    }
    const uint64 carried = length - end;
    ASSERT_REPORTING(carried <= matchedPrefix,
                     "matchedPrefix >= Asuint32( targetPosition - pattern->Target().Start() )");
    if (!SameBytes(source.Start(), target + carried, pieceEnd)) {
        return false;
    }
    // The text before the piece ends with the first `matchedPrefix` target
    // bytes, so its last `carried` bytes are the target's bytes just before
    // that point.
    return SameBytes(target + (matchedPrefix - carried), target, carried);
}

void MatchLoop::Run() {
    const uint64 length = pattern->Length();
    const uint64 size = source.Length();
    ASSERT_REPORTING(length > 0, "pattern->Target().End() > pattern->Target().Start()");
    ASSERT_REPORTING(matchEnd + matchedPrefix >= length,
                     "matchEnd >= source.Start() + ( pattern->Length() - matchedPrefix )");
    ASSERT_REPORTING(matchEnd <= size + length, "matchEnd <= source.End() + pattern->Length()");

    // Candidates that begin before the piece lean on the carried prefix.
    while (matchEnd <= size && matchEnd < length) {
        if (Consistent(matchEnd)) {
            return;
        }
        matchEnd += pattern->Shift(source.Start()[matchEnd - 1]);
    }
    // The rest lie wholly inside the piece and take the fast path.
    if (matchEnd <= size) {
        const auto offset = pattern->FirstIn(source.After(static_cast<uint32>(matchEnd - length)));
        if (offset) {
            matchEnd += *offset;
            return;
        }
        matchEnd = size + 1;
    }
    SettleTail();
}

// No occurrence ends in this piece: find the longest target prefix that the
// text now ends with, so the next piece can finish it.
void MatchLoop::SettleTail() {
    const uint64 length = pattern->Length();
    const uint64 size = source.Length();
    ASSERT_REPORTING(matchEnd > size, "matchEnd > source.End()");
    ASSERT_REPORTING(matchEnd <= size + length, "matchEnd <= source.End() + pattern->Length()");

    // A piece as long as the target (less one) holds every prefix it could
    // end with: the matcher finds the longest by looking at the piece alone,
    // once per piece of a rope, so this is the common case.
    if (size + 1 >= length) {
        matchedPrefix = pattern->LongestPrefixEnding(source);
        matchEnd = size + length - matchedPrefix;
        return;
    }
    // Each tail byte rules out every end closer than its Horspool shift.
    for (uint64 p = size; p > 0 && p + length > matchEnd; --p) {
        const uint64 possibleEnd = p + pattern->Shift(source.Start()[p - 1]);
        ASSERT_REPORTING(possibleEnd <= size + length,
                         "possibleEnd <= source.End() + pattern->Length()");
        if (possibleEnd > matchEnd) {
            matchEnd = possibleEnd;
        }
    }
    ASSERT_REPORTING(matchEnd > size, "matchEnd > source.End()");
    ASSERT_REPORTING(matchEnd <= size + length, "matchEnd <= source.End() + pattern->Length()");
    // An end a full target length past the piece compares nothing, so this
    // stops there at the latest.
    while (!Consistent(matchEnd)) {
        ++matchEnd;
    }
    matchedPrefix = static_cast<uint32>(length + size - matchEnd);
}
