#include "inspectors/xml/BstrConversions.h"

#include "frame/InspectorMemory.h"
#include "inspectors/xml/ComFailure.h"
#include "universe/integers/Overflow.h"

#include <string>
#include <windows.h>

namespace {

[[noreturn]] void RaiseConversionFailure() {
    RaiseComFailure(HRESULT_FROM_WIN32(GetLastError()));
}

} // namespace

ATL::CComBSTR BstrFromText(const string_value& text) {
    // A zero-terminated copy: the conversion is told the text's length as
    // lstrlenA measures it, so the text ends at its first NUL byte.
    const std::string terminated(text.start, text.length);
    const int bytes = lstrlenA(terminated.c_str()) + 1;
    const int characters = MultiByteToWideChar(CP_ACP, 0, terminated.c_str(), bytes, nullptr, 0);
    if (characters == 0) {
        RaiseConversionFailure();
    }
    // Converted straight into the automation string, terminator included.
    // The text holds no NUL before its end, so this is the string that
    // SysAllocString would copy out of a buffer of its own, without that
    // buffer and its copy (a document's text can be megabytes long).
    ATL::CComBSTR result;
    result.Attach(SysAllocStringLen(nullptr, static_cast<UINT>(characters - 1)));
    if (result.m_str == nullptr) {
        RaiseComFailure(E_OUTOFMEMORY);
    }
    if (MultiByteToWideChar(CP_ACP, 0, terminated.c_str(), bytes, result.m_str, characters) == 0) {
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
