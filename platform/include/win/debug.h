// Debugger services: the debugger output channel and the breakpoint.
#pragma once

#include "win/basetypes.h"

#include <string>

// Writes the text to standard error and, while one is installed, appends it to
// the capture string.
void WINAPI OutputDebugStringA(LPCSTR lpOutputString);

// Stops in an attached debugger; without one it returns at once, unless the
// environment names VERITOR_BREAK_ABORTS, which makes it end the process.
void WINAPI DebugBreak();

// True when a debugger (any tracer) is attached to the process.
BOOL WINAPI IsDebuggerPresent();

// Not part of Windows: lets tests read what was written to the debugger
// output. Pass nullptr to stop capturing. The capture string must outlive
// the capture; it is not synchronised with other threads.
void SetDebugOutputCapture(std::string* capture);
