// The in-process class table. Classes are listed here rather than registered
// by static constructors, which a static library would not keep.
#include "platform/com/Apartment.h"
#include "platform/xml/DomDocumentFactory.h"

#include <msxml2.h>
#include <objbase.h>

namespace {

using Factory = HRESULT (*)(REFIID iid, void** object);

struct ClassEntry {
    const CLSID& clsid;
    Factory create;
};

constexpr ClassEntry Classes[] = {
    {CLSID_DOMDocument30, &Xml::CreateDomDocument},
};

} // namespace

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD context, REFIID iid,
                         LPVOID* object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (!ComIsInitializedOnThisThread()) {
        return CO_E_NOTINITIALIZED;
    }
    for (const ClassEntry& entry : Classes) {
        if (IsEqualCLSID(entry.clsid, clsid)) {
            if ((context & CLSCTX_INPROC_SERVER) == 0) {
                return REGDB_E_CLASSNOTREG;
            }
            if (outer != nullptr) {
                return CLASS_E_NOAGGREGATION;
            }
            return entry.create(iid, object);
        }
    }
    return REGDB_E_CLASSNOTREG;
}
