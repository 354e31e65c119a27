// Entry point of the XML document class for the COM class table.
#pragma once

#include <unknwn.h>

namespace Xml {

// Creates an empty document and returns the interface `iid` of it.
HRESULT CreateDomDocument(REFIID iid, void** object);

} // namespace Xml
