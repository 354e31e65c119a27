#include "frame/InspectorMemory.h"

#include "tests/inspectors/RecordingHost.h"

#include <gtest/gtest.h>

namespace {

TEST(InspectorMemory, IsOneHostBlockOfExactlyTheLengthAsked) {
    RecordingHost::Reset();
    for (uint32 length : {0u, 1u, 300u}) {
        const Data block = InspectorMemory(length);
        EXPECT_EQ(block.Length(), length);
        EXPECT_TRUE(block.Valid());
    }
    EXPECT_EQ(RecordingHost::InspectorMemoryBlocks(), 3u);
}

} // namespace
