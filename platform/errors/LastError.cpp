// The calling thread's last error code.
#include "win/errors.h"

namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
} // namespace

DWORD WINAPI GetLastError() {
    return lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
    lastError = dwErrCode;
}
