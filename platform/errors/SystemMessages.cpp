#include "SystemMessages.h"

#include "win/errors.h"

#include <algorithm>
#include <array>

namespace Platform {
namespace {

struct Message {
    DWORD code;
    std::string_view text;
};

constexpr DWORD Code(HRESULT result) {
    return static_cast<DWORD>(result);
}

constexpr std::array messages{
    Message{ERROR_SUCCESS, "The operation completed successfully.\r\n"},
    Message{ERROR_INVALID_FUNCTION, "Incorrect function.\r\n"},
    Message{ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
    Message{ERROR_PATH_NOT_FOUND, "The system cannot find the path specified.\r\n"},
    Message{ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
    Message{ERROR_INVALID_HANDLE, "The handle is invalid.\r\n"},
    Message{ERROR_NOT_ENOUGH_MEMORY,
            "Not enough memory resources are available to process this command.\r\n"},
    Message{ERROR_OUTOFMEMORY,
            "Not enough memory resources are available to complete this operation.\r\n"},
    Message{ERROR_INVALID_PARAMETER, "The parameter is incorrect.\r\n"},
    Message{ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small.\r\n"},
    Message{ERROR_RESOURCE_LANG_NOT_FOUND,
            "The specified resource language ID cannot be found in the image file.\r\n"},
    Message{Code(E_NOTIMPL), "Not implemented\r\n"},
    Message{Code(E_NOINTERFACE), "No such interface supported\r\n"},
    Message{Code(E_POINTER), "Invalid pointer\r\n"},
    Message{Code(E_FAIL), "Unspecified error\r\n"},
    Message{Code(E_UNEXPECTED), "Catastrophic failure\r\n"},
    Message{Code(DISP_E_TYPEMISMATCH), "Type mismatch.\r\n"},
    Message{Code(DISP_E_OVERFLOW), "Out of present range.\r\n"},
    Message{Code(CO_E_NOTINITIALIZED), "CoInitialize has not been called.\r\n"},
    Message{Code(REGDB_E_CLASSNOTREG), "Class not registered\r\n"},
    Message{Code(RPC_E_CHANGED_MODE), "Cannot change thread mode after it is set.\r\n"},
};

std::string_view Lookup(DWORD code) {
    const auto found = std::find_if(messages.begin(), messages.end(),
                                    [code](const Message& m) { return m.code == code; });
    return found == messages.end() ? std::string_view() : found->text;
}

} // namespace

std::string_view SystemMessage(DWORD code) {
    const std::string_view direct = Lookup(code);
    if (!direct.empty()) {
        return direct;
    }
    // A failure HRESULT of the Win32 facility wraps a Win32 code.
    constexpr DWORD facilityMask = 0x1FFF0000;
    constexpr DWORD win32Failure = 0x80000000 | (FACILITY_WIN32 << 16);
    if ((code & (0x80000000 | facilityMask)) == win32Failure) {
        return Lookup(code & 0xFFFF);
    }
    return {};
}

} // namespace Platform
