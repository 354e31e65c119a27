// libxml2 as this parser uses it: initialised once per process, never
// reading files or the network, and never writing to standard error.
#pragma once

#include <libxml/xmlerror.h>
#include <string>

namespace Xml {

// Initialises libxml2 and installs an entity loader that refuses every
// external resource. Safe to call from any thread, any number of times.
void EnsureLibxmlReady();

// Collects libxml2's messages on the current thread while it lives, in place
// of whatever handlers were installed, and restores those afterwards. Parser
// and XPath contexts are pointed at Receive with this object as user data, so
// that nothing escapes even where libxml2 bypasses the thread's handlers.
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    static void Receive(void* capture, xmlErrorPtr error);

    // The first message received, or "" if none was.
    const std::string& FirstMessage() const { return first_; }

private:
    xmlStructuredErrorFunc savedStructured_;
    void* savedStructuredContext_;
    xmlGenericErrorFunc savedGeneric_;
    void* savedGenericContext_;
    std::string first_;
};

} // namespace Xml
