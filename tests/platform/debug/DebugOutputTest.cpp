#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(DebugOutput, CaptureReceivesTextsUntilClearedAndBreakReturnsUntraced) {
    std::string captured;
    SetDebugOutputCapture(&captured);
    OutputDebugStringA("first\n");
    OutputDebugStringA(nullptr);
    if (!IsDebuggerPresent()) {
        DebugBreak();
    }
    OutputDebugStringA("second\n");
    SetDebugOutputCapture(nullptr);
    OutputDebugStringA("not captured\n");
    EXPECT_EQ(captured, "first\nsecond\n");
}

// Fuzzers and corpus replays ask for this, so that every failed check ends
// the run as a finding.
TEST(DebugOutput, BreakEndsAnUntracedProcessThatAsksForIt) {
    if (IsDebuggerPresent()) {
        GTEST_SKIP() << "traced";
    }
    EXPECT_DEATH((setenv("VERITOR_BREAK_ABORTS", "1", 1), DebugBreak()), "");
}

} // namespace
