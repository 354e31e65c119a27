#include "universe/exceptions/WindowsError.h"

#include "universe/autopointers/AutoLocal.h"
#include "universe/integers/Numeral.h"

#include <windows.h>

namespace Windows {
namespace {

std::string SystemText(uint32 code) {
    AutoLocal block;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(block.Receive()), 0, nullptr);
    if (length == 0) {
        return "unknown error 0x" + Numeral(code, 16).Text().AsString();
    }
    return std::string(static_cast<const char*>(block.Get()), length);
}

} // namespace

const char* Error::what() const noexcept {
    if (!message) {
        try {
            message.Reset(new std::string("Windows Error: " + SystemText(code)));
        } catch (...) {
            return "Windows Error";
        }
    }
    return message->c_str();
}

void ThrowIfError(const Error& error) {
    if (error.Code() != 0) {
        throw error;
    }
}

void ThrowLastError() {
    ThrowIfError(Error(GetLastError()));
}

void ThrowComError(int32 result) {
    ThrowIfError(Error(static_cast<uint32>(result)));
}

} // namespace Windows
