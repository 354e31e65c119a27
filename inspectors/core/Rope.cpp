#include "inspectors/core/Rope.h"

#include "frame/NoSuchObject.h"
#include "universe/searching/MatchLoop.h"
#include "universe/searching/PatternMatcher.h"

#include <vector>

namespace {

// Hands each piece of the rope to `visit` in text order until `visit` says
// stop; returns whether it did.
template <typename Visit>
bool VisitPieces(const Rope& rope, Visit&& visit) {
    std::vector<const Rope*> pending;
    const Rope* node = &rope;
    for (;;) {
        for (; node != nullptr; node = node->left) {
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
        // The right subtree replaces this node rather than nesting under
        // it, so a chain built to the right needs no pending entries.
        node = node->right;
    }
}

} // namespace

uint64 RopeLength(const Rope& rope) {
    uint64 length = 0;
    VisitPieces(rope, [&](ConstData piece) {
        length += piece.Length();
        return false;
    });
    return length;
}

bool RopeContains(const Rope& rope, ConstData target) {
    if (target.IsEmpty()) {
        return true;
    }
    const PatternMatcher matcher(target);
    MatchLoop loop(&matcher);
    return VisitPieces(rope, [&](ConstData piece) {
        loop.Continue(piece);
        return loop.Found();
    });
}

Data CopyRopeInto(const Rope& rope, Data into) {
    VisitPieces(rope, [&](ConstData piece) {
        into.Write(piece);
        return false;
    });
    return into;
}

string_value RopeToString(const Rope& rope) {
    const uint64 length = RopeLength(rope);
    if (length > maxuint32) {
        throw NoSuchObject();
    }
    const auto size = static_cast<uint32>(length);
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(size));
    CopyRopeInto(rope, Data(block, size));
    return string_value{block, size};
}
