#include "host/memory/Arena.h"

#include "frame/VeritorInterface.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace {

using veritor::host::Arena;

TEST(Arena, HandsOutAlignedDisjointBlocksEvenOfSizeZeroAndRefusesSizesThatCannotBeRounded) {
    Arena arena;
    std::set<void*> seen;
    for (std::size_t size : {0u, 1u, 3u, 17u, 100u, 20000u, 70000u, 5u}) {
        void* block = arena.Allocate(size);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
        EXPECT_TRUE(seen.insert(block).second);
        std::memset(block, 0xAB, size); // the sanitizer build checks the block is all ours
    }
    EXPECT_THROW(arena.Allocate(SIZE_MAX - 3), std::bad_alloc);
}

TEST(InspectorMemory, ComesFromTheArenaOfTheCurrentEvaluation) {
    Arena arena;
    {
        veritor::host::CurrentArena current(arena);
        EXPECT_NE(Allocate_Inspector_Memory(40), nullptr);
        EXPECT_GE(arena.BytesInUse(), 40u);
    }
    const std::size_t used = arena.BytesInUse();
    // Outside an evaluation it still never answers null.
    EXPECT_NE(Allocate_Inspector_Memory(0), nullptr);
    EXPECT_EQ(arena.BytesInUse(), used);
}

} // namespace
