#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {

TEST(DebugOutput, CaptureReceivesEachTextUntilCleared) {
    std::string captured;
    SetDebugOutputCapture(&captured);
    OutputDebugStringA("first\n");
    OutputDebugStringA("second\n");
    OutputDebugStringA(nullptr);
    SetDebugOutputCapture(nullptr);
    OutputDebugStringA("not captured\n");
    EXPECT_EQ(captured, "first\nsecond\n");
}

TEST(DebugBreak, ReturnsWhenNoDebuggerIsAttached) {
    // The tests run untraced; under a debugger this stops, as it should.
    if (IsDebuggerPresent()) {
        GTEST_SKIP() << "running under a debugger";
    }
    DebugBreak();
    SUCCEED();
}

} // namespace
