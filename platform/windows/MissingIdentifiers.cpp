// Identifiers that mingw-w64's msxml2.h declares but its uuid library does
// not define. Their values are the parser's published ones.
// clang-format off
// msxml2.h needs windows.h first.
#include <windows.h>
#include <msxml2.h>
// clang-format on

extern "C" {
extern const CLSID CLSID_DOMDocument30 = {
    0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
extern const IID IID_IXMLDOMDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
}
