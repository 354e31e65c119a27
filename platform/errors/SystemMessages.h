// The system's message texts, in English, as the message table holds them
// (each ends in CR LF).
#pragma once

#include "win/basetypes.h"

#include <string_view>

namespace Platform {

// The text for a Windows error code or an HRESULT; empty when the system has
// none. HRESULTs of the Win32 facility share the text of their Win32 code.
std::string_view SystemMessage(DWORD code);

} // namespace Platform
