// The Windows code-page functions over the UTF-8 codec. A too-small buffer is
// detected before anything is written: each conversion is measured first and
// then written straight into the output.
#include "platform/codepage/Utf8Codec.h"

#include <cstring>
#include <limits>
#include <windows.h>

namespace {

bool IsAnsiCodePage(UINT codePage) {
    return codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP;
}

bool IsSupported(UINT codePage) {
    return IsAnsiCodePage(codePage) || codePage == CP_UTF8;
}

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

// Length of a zero-terminated sequence including its terminator.
template <class Char>
std::size_t TerminatedLength(const Char* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length + 1;
}

// The part both directions share once the arguments are checked: measure the
// whole text, refuse invalid text when asked to, answer the size alone for a
// capacity of 0, refuse a buffer that is too small, and otherwise write.
template <class Text, class Unit, class Measure, class Write>
int Convert(Text text, bool refuseInvalid, Unit* out, int capacity, Measure measure, Write write) {
    const auto [units, clean] = measure(text);
    if (!clean && refuseInvalid) {
        return Fail(ERROR_NO_UNICODE_TRANSLATION);
    }
    if (units > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    if (capacity == 0) {
        return static_cast<int>(units);
    }
    if (units > static_cast<std::size_t>(capacity)) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    write(text, out);
    return static_cast<int>(units);
}

} // namespace

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
    if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
        (lpWideCharStr == nullptr && cchWideChar != 0) || !IsSupported(CodePage)) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    DWORD allowed = MB_ERR_INVALID_CHARS;
    if (IsAnsiCodePage(CodePage)) {
        allowed |= MB_PRECOMPOSED | MB_USEGLYPHCHARS;
    }
    if ((dwFlags & ~allowed) != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length = cbMultiByte == -1 ? TerminatedLength(lpMultiByteStr)
                                                 : static_cast<std::size_t>(cbMultiByte);
    return Convert(std::string_view(lpMultiByteStr, length), (dwFlags & MB_ERR_INVALID_CHARS) != 0,
                   lpWideCharStr, cchWideChar, Utf8Codec::MeasureUtf16, Utf8Codec::WriteUtf16);
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWCH lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                               LPBOOL lpUsedDefaultChar) {
    if (lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
        (lpMultiByteStr == nullptr && cbMultiByte != 0) || !IsSupported(CodePage) ||
        lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    DWORD allowed = WC_ERR_INVALID_CHARS;
    if (IsAnsiCodePage(CodePage)) {
        allowed |= WC_NO_BEST_FIT_CHARS;
    }
    if ((dwFlags & ~allowed) != 0) {
        return Fail(ERROR_INVALID_FLAGS);
    }
    const std::size_t length =
        cchWideChar == -1 ? TerminatedLength(lpWideCharStr) : static_cast<std::size_t>(cchWideChar);
    return Convert(std::u16string_view(lpWideCharStr, length),
                   (dwFlags & WC_ERR_INVALID_CHARS) != 0, lpMultiByteStr, cbMultiByte,
                   Utf8Codec::MeasureUtf8, Utf8Codec::WriteUtf8);
}

int WINAPI lstrlenA(LPCSTR lpString) {
    if (lpString == nullptr) {
        return 0;
    }
    const std::size_t length = std::strlen(lpString);
    return length > static_cast<std::size_t>(std::numeric_limits<int>::max())
               ? std::numeric_limits<int>::max()
               : static_cast<int>(length);
}
