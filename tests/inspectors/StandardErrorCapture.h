// Captures what this process writes to standard error while it lives. The
// plug-in keeps its own private copy of the foundation, so its assertion
// reports reach the test only through the debugger output stream, which the
// platform writes to standard error.
#pragma once

#include <string>

class StandardErrorCapture {
public:
    StandardErrorCapture();
    ~StandardErrorCapture();

    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Everything written since construction.
    std::string Text() const;

private:
    int savedDescriptor;
    int captureDescriptor;
};
