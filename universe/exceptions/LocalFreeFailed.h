// The platform refused to free a block that one of its calls returned.
#pragma once

#include "universe/exceptions/DebuggableException.h"

class LocalFreeFailed : public DebuggableException {};
