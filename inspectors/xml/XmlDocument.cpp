// "xml document": a string parsed by a new, independent document object of
// the platform's parser. Text that does not parse as a document has no value.
#include "frame/HostTypeNames.h"
#include "frame/NoSuchObject.h"
#include "frame/PropertyRegistration.h"
#include "inspectors/xml/BstrConversions.h"
#include "inspectors/xml/ComFailure.h"
#include "inspectors/xml/XmlDomValues.h"

namespace {

// Synchronous, without validation and without fetching external entities.
// Creating the object fails (through the failure hook) on a thread that has
// not initialised COM.
XmlDomDocument ParseDocument(const string_value& text) {
    IXMLDOMDocument2Ptr document(CLSID_DOMDocument30, nullptr, CLSCTX_INPROC_SERVER);
    CheckResult(document->put_async(VARIANT_FALSE));
    CheckResult(document->put_validateOnParse(VARIANT_FALSE));
    CheckResult(document->put_resolveExternals(VARIANT_FALSE));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    CheckResult(document->loadXML(BstrFromText(text), &loaded));
    if (loaded != VARIANT_TRUE) {
        throw NoSuchObject(); // the parser's error details are not consulted
    }
    return MakeDocument(document);
}

PropertyRegistration<XmlDomDocument, NoOperand, string_value>
    xmlDocument("xml document", "xml documents", "", StringTypeName(), XmlDomDocumentTypeName(),
                ParseDocument, nullptr);

} // namespace
