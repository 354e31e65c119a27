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

} // namespace
