#include "inspectors/xml/ComFailure.h"

#include "universe/exceptions/WindowsError.h"

#include <comdef.h>

namespace {

// The error information object is never read: the code says it all.
// WINAPI: the hook's calling convention, which differs on 32-bit Windows.
void WINAPI ThrowWindowsError(HRESULT result, IErrorInfo* /*errorInfo*/) {
    Windows::ThrowComError(result);
}

// The COM support classes linked into this library are its own copy, so the
// hook is ours alone and stays in place until the library is unloaded.
const bool hookInstalled = [] {
    _set_com_error_handler(&ThrowWindowsError);
    return true;
}();

} // namespace

void RaiseComFailure(HRESULT result) {
    _com_issue_error(result);
    throw Windows::Error(static_cast<uint32>(E_FAIL));
}

void RaiseLastError() {
    Windows::ThrowLastError();
    throw Windows::Error(static_cast<uint32>(E_FAIL));
}
