// A pattern matcher asked to search for nothing. Callers that allow an empty
// target treat it as found without building a matcher.
#pragma once

#include "universe/exceptions/DebuggableException.h"

class EmptySearchTarget : public DebuggableException {};
