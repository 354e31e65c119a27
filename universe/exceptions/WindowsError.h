// A failed platform call: a Windows error code or a COM result code, with the
// system's message text for it composed on first request.
#pragma once

#include "universe/autopointers/SharingLink.h"
#include "universe/exceptions/DebuggableException.h"
#include "universe/integers/IntegerTypes.h"

#include <string>

namespace Windows {

class Error : public DebuggableException {
public:
    // Takes a Windows error code or an HRESULT (as its 32-bit pattern).
    explicit Error(uint32 code) noexcept
        : code(code) {}
    Error(const Error&) = default;
    Error& operator=(const Error&) = default;
    ~Error() override = default;

    uint32 Code() const noexcept { return code; }

    // "Windows Error: " and the system's text for the code, composed once and
    // shared with copies made afterwards.
    const char* what() const noexcept override;

private:
    uint32 code;
    mutable SharingLink<std::string> message;
};

// Throws the error unless its code is 0, which means success.
void ThrowIfError(const Error& error);

// Throws an error for the calling thread's last Windows error, if any.
void ThrowLastError();

// Throws an error for a failed COM call; S_OK (0) throws nothing.
void ThrowComError(int32 result);

} // namespace Windows
