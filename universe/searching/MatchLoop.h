// One search for a target in a text that arrives in pieces, never joined. The
// loop remembers how much of the target the text fed so far ends with, so an
// occurrence that straddles any number of pieces (empty ones included) is
// found in the piece where it ends.
//
// Feeding a text in pieces: construct from the matcher, call Continue for each
// piece in order and check Found after each. After a hit, Next looks for the
// following (possibly overlapping) occurrence in the same piece.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"
#include "universe/searching/PatternMatcher.h"

class MatchLoop {
public:
    // No text yet and nothing carried over.
    explicit MatchLoop(const PatternMatcher* pattern);
    // Searches `source` as a whole text at once.
    MatchLoop(const PatternMatcher* pattern, ConstData source);

    // Starts a fresh search of one whole text, forgetting anything carried.
    void Search(ConstData source);
    // Feeds the next piece of the text searched so far.
    void Continue(ConstData source);
    // Looks for the next occurrence in the current piece after a found one.
    void Next();

    // Whether an occurrence ends inside the current piece.
    bool Found() const { return matchEnd <= source.Length(); }

    // End of the candidate occurrence as an offset from the start of the
    // current piece; when found, the occurrence's last byte is just before it.
    // It is kept as an offset because it may lie up to the target's length
    // beyond the piece, where no pointer may be formed.
    uint64 MatchEnd() const { return matchEnd; }
    // Leading target bytes with which the text fed before the current piece
    // ends (after an unsuccessful piece: with which the text so far ends).
    uint32 MatchedPrefix() const { return matchedPrefix; }

private:
    // Whether a candidate ending at `end` agrees with every known byte: the
    // piece, and before it the carried target prefix.
    bool Consistent(uint64 end) const;
    void Run();
    void SettleTail();

    const PatternMatcher* pattern;
    ConstData source;
    uint64 matchEnd = 0;
    uint32 matchedPrefix = 0;
};
