// "No value": the one answer an inspector gives when its expression has no
// result. Raised by value inside the inspector library and caught by the host
// as exactly this type, so the two must agree on the class: it lives in the
// global namespace with external linkage and is defined entirely here, which
// gives its type information a name that matches across the plug-in
// boundary. Its text is its class name.
#pragma once

#include "universe/exceptions/DebuggableException.h"

class NoSuchObject : public DebuggableException {};
