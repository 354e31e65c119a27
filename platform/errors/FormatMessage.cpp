// Formatting of system messages. The system texts have no inserts, so only
// the buffer handling and the line-width control matter here.
#include "SystemMessages.h"
#include "win/errors.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsSupportedLanguage(DWORD language) {
    return language == 0 || language == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) ||
           language == MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
}

DWORD Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

} // namespace

DWORD WINAPI FormatMessageA(DWORD dwFlags, LPCVOID /*lpSource*/, DWORD dwMessageId,
                            DWORD dwLanguageId, LPSTR lpBuffer, DWORD nSize,
                            va_list* /*Arguments*/) {
    if ((dwFlags & (FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE)) != 0 ||
        (dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || lpBuffer == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    const DWORD width = dwFlags & FORMAT_MESSAGE_MAX_WIDTH_MASK;
    if (width != 0 && width != FORMAT_MESSAGE_MAX_WIDTH_MASK) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (!IsSupportedLanguage(dwLanguageId)) {
        return Fail(ERROR_RESOURCE_LANG_NOT_FOUND);
    }
    std::string_view text = Platform::SystemMessage(dwMessageId);
    if (text.empty()) {
        return Fail(ERROR_MR_MID_NOT_FOUND);
    }
    // The full mask asks for the text without its line breaks.
    if (width == FORMAT_MESSAGE_MAX_WIDTH_MASK && text.ends_with("\r\n")) {
        text.remove_suffix(2);
    }
    const auto length = static_cast<DWORD>(text.size());

    if ((dwFlags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0) {
        const SIZE_T size = std::max<SIZE_T>(length + 1, nSize);
        auto* block = static_cast<char*>(LocalAlloc(LMEM_FIXED, size));
        if (block == nullptr) {
            return 0;
        }
        std::memcpy(block, text.data(), length);
        block[length] = '\0';
        *reinterpret_cast<LPSTR*>(lpBuffer) = block;
        return length;
    }
    if (nSize < length + 1) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(lpBuffer, text.data(), length);
    lpBuffer[length] = '\0';
    return length;
}
