#include "platform/xml/BstrText.h"

#include "platform/codepage/Utf8Codec.h"

#include <limits>

namespace Xml {

HRESULT NewBstr(std::string_view utf8, BSTR* result) {
    std::u16string wide;
    Utf8Codec::AppendUtf16(utf8, wide);
    if (wide.size() > std::numeric_limits<UINT>::max() / 2) {
        return E_OUTOFMEMORY;
    }
    *result = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

std::u16string_view CharactersOf(BSTR text) {
    return text != nullptr ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view();
}

std::string Utf8FromBstr(BSTR text) {
    std::string utf8;
    Utf8Codec::AppendUtf8(CharactersOf(text), utf8);
    return utf8;
}

} // namespace Xml
