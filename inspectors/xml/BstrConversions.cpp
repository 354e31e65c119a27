#include "inspectors/xml/BstrConversions.h"

#include "frame/InspectorMemory.h"
#include "inspectors/xml/ComFailure.h"
#include "universe/integers/Overflow.h"

#include <cstring>
#include <limits>
#include <windows.h>

namespace {

[[noreturn]] void RaiseConversionFailure() {
    RaiseComFailure(HRESULT_FROM_WIN32(GetLastError()));
}

} // namespace

ATL::CComBSTR BstrFromText(const string_value& text) {
    // The text ends at its first NUL byte, as lstrlenA would measure a
    // terminated copy; finding it in place spares that copy of what can be
    // a document of many megabytes.
    const void* nul = std::memchr(text.start, 0, text.length);
    const std::size_t length =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - text.start)
                       : text.length;
    ATL::CComBSTR result;
    if (length == 0) {
        result.Attach(SysAllocStringLen(nullptr, 0));
        if (result.m_str == nullptr) {
            RaiseComFailure(E_OUTOFMEMORY);
        }
        return result;
    }
    // Beyond what the conversion counts in an int, the text could not fit an
    // automation string either.
    if (length > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        RaiseComFailure(E_OUTOFMEMORY);
    }
    const int bytes = static_cast<int>(length);
    const int characters = MultiByteToWideChar(CP_ACP, 0, text.start, bytes, nullptr, 0);
    if (characters == 0) {
        RaiseConversionFailure();
    }
    // Converted straight into the automation string, which supplies the
    // terminator: the string that SysAllocString would copy out of a buffer
    // of its own, without that buffer and its copy.
    result.Attach(SysAllocStringLen(nullptr, static_cast<UINT>(characters)));
    if (result.m_str == nullptr) {
        RaiseComFailure(E_OUTOFMEMORY);
    }
    if (MultiByteToWideChar(CP_ACP, 0, text.start, bytes, result.m_str, characters) == 0) {
        RaiseConversionFailure();
    }
    return result;
}

string_value TextFromBstr(BSTR text) {
    const UINT characters = SysStringLen(text);
    if (characters == 0) {
        return string_value{reinterpret_cast<const char*>(InspectorMemory(0).Start()), 0};
    }
    const int length = static_cast<int>(characters);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes == 0) {
        RaiseLastError();
    }
    const Data block = InspectorMemory(Asuint32(bytes));
    if (WideCharToMultiByte(CP_ACP, 0, text, length, reinterpret_cast<char*>(block.Start()), bytes,
                            nullptr, nullptr) == 0) {
        RaiseLastError();
    }
    return string_value{reinterpret_cast<const char*>(block.Start()), block.Length()};
}
