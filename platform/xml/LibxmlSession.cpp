#include "platform/xml/LibxmlSession.h"

#include <libxml/globals.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <mutex>

namespace Xml {

namespace {

xmlParserInputPtr RefuseExternal(const char*, const char*, xmlParserCtxtPtr) {
    return nullptr;
}

void DiscardGeneric(void*, const char*, ...) {}

} // namespace

void EnsureLibxmlReady() {
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        xmlSetExternalEntityLoader(&RefuseExternal);
    });
}

ErrorCapture::ErrorCapture()
    : savedStructured_(xmlStructuredError)
    , savedStructuredContext_(xmlStructuredErrorContext)
    , savedGeneric_(xmlGenericError)
    , savedGenericContext_(xmlGenericErrorContext) {
    xmlSetStructuredErrorFunc(this, &ErrorCapture::Receive);
    xmlSetGenericErrorFunc(nullptr, &DiscardGeneric);
}

ErrorCapture::~ErrorCapture() {
    xmlSetStructuredErrorFunc(savedStructuredContext_, savedStructured_);
    xmlSetGenericErrorFunc(savedGenericContext_, savedGeneric_);
}

void ErrorCapture::Receive(void* capture, xmlErrorPtr error) {
    auto* self = static_cast<ErrorCapture*>(capture);
    if (self != nullptr && self->first_.empty() && error != nullptr && error->message != nullptr) {
        self->first_ = error->message;
    }
}

} // namespace Xml
