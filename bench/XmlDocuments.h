// What the XML benchmarks share: automation strings from ASCII text and new
// documents of the parser class. Setup failures abort: a benchmark that
// measured a failed call would report a meaningless figure.
#pragma once

#include <cstdlib>
#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>
#include <string>

namespace BenchXml {

inline BSTR MakeBstr(const std::string& ascii) {
    std::u16string wide(ascii.begin(), ascii.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

inline IXMLDOMDocument2* NewDocument() {
    IXMLDOMDocument2* document = nullptr;
    if (FAILED(CoCreateInstance(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IXMLDOMDocument2, reinterpret_cast<void**>(&document)))) {
        std::abort();
    }
    return document;
}

} // namespace BenchXml
