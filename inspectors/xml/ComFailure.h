// How failures of the COM layer leave the XML inspectors. This library puts
// its own routine in as the failure hook of the COM support classes while it
// loads, so that every failing result code, whether a counted reference found
// it (a null reference, a refused interface) or a parser method returned it,
// reaches the host as a Windows::Error carrying the code.
#pragma once

#include <windows.h>

// Hands `result` to the failure hook, which throws. Should the hook return (a
// code of 0: a failure that reported success), the failure is unspecified.
[[noreturn]] void RaiseComFailure(HRESULT result);

// Every negative result code of a parser method fails the inspector.
inline void CheckResult(HRESULT result) {
    if (FAILED(result)) {
        RaiseComFailure(result);
    }
}

// A failed code-page conversion: the calling thread's last error as it stands.
[[noreturn]] void RaiseLastError();
