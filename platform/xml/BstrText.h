// Texts between the tree (UTF-8) and the interfaces (automation strings).
#pragma once

#include <oleauto.h>
#include <string>
#include <string_view>

namespace Xml {

// S_OK with a new string in `result`, or E_OUTOFMEMORY.
HRESULT NewBstr(std::string_view utf8, BSTR* result);

std::string Utf8FromBstr(BSTR text);
std::u16string_view CharactersOf(BSTR text);

} // namespace Xml
