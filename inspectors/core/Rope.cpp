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

// Walks that keep their pending nodes on the heap. A node whose other child
// is null is left behind rather than kept pending, so a chain built onto the
// end a walk finishes with needs no pending entries at all.

// Hands each piece to `visit` in text order (Forward) or in reverse text
// order (Backward) until `visit` says stop; returns whether it did.
enum class Direction { Forward, Backward };

template <Direction direction, typename Visit>
bool VisitInOrder(const Rope& rope, Visit&& visit) {
    constexpr bool forward = direction == Direction::Forward;
    const auto before = [](const Rope* node) { return forward ? node->left : node->right; };
    const auto after = [](const Rope* node) { return forward ? node->right : node->left; };
    std::vector<const Rope*> pending;
    const Rope* node = &rope;
    for (;;) {
        for (; node != nullptr; node = before(node)) {
            pending.push_back(node);
        }
        if (pending.empty()) {
            return false;
        }
        node = pending.back();
        pending.pop_back();
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
    std::vector<const Rope*> pending;
    for (const Rope* node = &rope;;) {
        visit(node->piece);
        if (node->left != nullptr && node->right != nullptr) {
            pending.push_back(node->right);
            node = node->left;
        } else if (node->left != nullptr || node->right != nullptr) {
            node = node->left != nullptr ? node->left : node->right;
        } else if (!pending.empty()) {
            node = pending.back();
            pending.pop_back();
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
