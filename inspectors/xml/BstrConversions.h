// Text between the host's strings and the parser's automation strings, both
// ways through the system's ANSI code page.
#pragma once

#include "frame/VeritorInterface.h"

#include <atlcomcli.h>

// The host string up to its first NUL byte (the parser never sees what
// follows one) as an automation string. Fails with E_OUTOFMEMORY when the
// string cannot be allocated, with the thread's last error in result-code
// form when the conversion fails.
ATL::CComBSTR BstrFromText(const string_value& text);

// The automation string (null counts as empty) as a host string in one block
// of inspector memory, not zero-terminated. Characters the code page cannot
// represent come out as the conversion replaces them. Fails with the thread's
// last error code itself when the conversion fails.
string_value TextFromBstr(BSTR text);
