#include "platform/xml/BstrText.h"

#include "platform/codepage/Utf8Codec.h"

#include <limits>

namespace Xml {

// Converted straight into the new string: a node's text may be megabytes.
HRESULT NewBstr(std::string_view utf8, BSTR* result) {
    const std::size_t units = Utf8Codec::MeasureUtf16(utf8).units;
    if (units > std::numeric_limits<UINT>::max() / 2) {
        return E_OUTOFMEMORY;
    }
    *result = SysAllocStringLen(nullptr, static_cast<UINT>(units));
    if (*result == nullptr) {
        return E_OUTOFMEMORY;
    }
    Utf8Codec::WriteUtf16(utf8, *result);
    return S_OK;
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
