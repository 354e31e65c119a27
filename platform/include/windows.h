// The Windows API as far as this project uses it, implemented over POSIX by the
// platform layer. Portable code includes this header exactly as it would
// include the system's on Windows; each area lives in its own header below.
#pragma once

#include "win/basetypes.h"

#if __has_include("win/debug.h")
#include "win/debug.h"
#endif
#if __has_include("win/errors.h")
#include "win/errors.h"
#endif
#if __has_include("win/codepage.h")
#include "win/codepage.h"
#endif
#if __has_include("win/time.h")
#include "win/time.h"
#endif
