#include "inspectors/core/Rope.h"

#include "frame/NoSuchObject.h"
#include "inspectors/core/StreamingCopy.h"
#include "universe/buffers/Data.h"
#include "universe/searching/MatchLoop.h"
#include "universe/searching/PatternMatcher.h"

#include <array>
#include <cstddef>
#include <vector>

namespace {

// The nodes a walk has still to come back to, last in first out. Ropes of
// ordinary height fit the room inside the walk; only taller ones (a long
// chain of concatenations, walked against its grain) go on to the heap. A
// walk keeps a node pending only while it has something left to visit after
// it, so a chain built onto the end a walk finishes with keeps at most one.
class PendingNodes {
public:
    bool IsEmpty() const { return held == 0; }

    void Push(const Rope* node) {
        if (held < inlineRoom) {
            inlineNodes[held] = node;
        } else {
            beyond.push_back(node);
        }
        ++held;
    }

    const Rope* Pop() {
        --held;
        if (held < inlineRoom) {
            return inlineNodes[held];
        }
        const Rope* node = beyond.back();
        beyond.pop_back();
        return node;
    }

private:
    static constexpr std::size_t inlineRoom = 128;
    std::size_t held = 0;
    const Rope* inlineNodes[inlineRoom];
    std::vector<const Rope*> beyond;
};

// Hands each piece to `visit` in text order (Forward) or in reverse text
// order (Backward) until `visit` says stop; returns whether it did.
enum class Direction { Forward, Backward };

template <Direction direction, typename Visit>
bool VisitInOrder(const Rope& rope, Visit&& visit) {
    constexpr bool forward = direction == Direction::Forward;
    const auto before = [](const Rope* node) { return forward ? node->left : node->right; };
    const auto after = [](const Rope* node) { return forward ? node->right : node->left; };
    PendingNodes pending;
    const Rope* node = &rope;
    for (;;) {
        for (; node != nullptr; node = before(node)) {
            pending.Push(node);
        }
        if (pending.IsEmpty()) {
            return false;
        }
        node = pending.Pop();
        if (visit(node->piece)) {
            return true;
        }
        node = after(node);
    }
}

// Hands each piece to `visit` in no particular order; only nodes with two
// children leave one pending.
template <typename Visit>
void VisitInAnyOrder(const Rope& rope, Visit&& visit) {
    PendingNodes pending;
    for (const Rope* node = &rope;;) {
        visit(node->piece);
        if (node->left != nullptr && node->right != nullptr) {
            pending.Push(node->right);
            node = node->left;
        } else if (node->left != nullptr || node->right != nullptr) {
            node = node->left != nullptr ? node->left : node->right;
        } else if (!pending.IsEmpty()) {
            node = pending.Pop();
        } else {
            return;
        }
    }
}

// Writes the text of the rope, which is exactly `into.Length()` bytes long.
// The walk goes from the last piece to the first, since ropes grow by
// appending far more often than by prepending and an appended chain walks
// backwards without pending nodes. The copying still runs forward through
// memory, a batch of pieces at a time, where the processor's prefetching
// keeps up with it.
void FillBackward(const Rope& rope, Data into) {
    const bool streaming = into.Length() >= StreamingCopy::worthwhileFrom;
    std::array<ConstData, 512> batch;
    std::size_t collected = 0;
    // Where the earliest piece met so far starts.
    uint32 start = into.Length();
    const auto copyBatch = [&] {
        uint32 at = start;
        while (collected > 0) {
            const ConstData piece = batch[--collected];
            if (streaming) {
                StreamingCopy::Copy(into.Start() + at, piece.Start(), piece.Length());
            } else {
                piece.CopyInto(into.After(at));
            }
            at += piece.Length();
        }
    };
    VisitInOrder<Direction::Backward>(rope, [&](ConstData piece) {
        // Only a host that handed out no memory leaves the area short.
        if (piece.Length() > start) {
            return true;
        }
        start -= piece.Length();
        batch[collected++] = piece;
        if (collected == batch.size()) {
            copyBatch();
        }
        return false;
    });
    copyBatch();
    if (streaming) {
        StreamingCopy::Finish();
    }
}

} // namespace

uint64 RopeLength(const Rope& rope) {
    uint64 length = 0;
    VisitInAnyOrder(rope, [&](ConstData piece) { length += piece.Length(); });
    return length;
}

bool RopeContains(const Rope& rope, ConstData target) {
    if (target.IsEmpty()) {
        return true;
    }
    const PatternMatcher matcher(target);
    MatchLoop loop(&matcher);
    // Text order, so that the search ends at the first piece that completes
    // an occurrence.
    return VisitInOrder<Direction::Forward>(rope, [&](ConstData piece) {
        loop.Continue(piece);
        return loop.Found();
    });
}

void RopeWrite(const Rope& rope, Data into) {
    FillBackward(rope, into);
}

string_value RopeToString(const Rope& rope) {
    const uint64 length = RopeLength(rope);
    if (length > maxuint32) {
        throw NoSuchObject();
    }
    const auto size = static_cast<uint32>(length);
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(size));
    FillBackward(rope, Data(block, size));
    return string_value{block, size};
}
