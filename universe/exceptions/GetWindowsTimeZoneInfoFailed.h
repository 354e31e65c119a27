// The platform's time-zone query failed.
#pragma once

#include "universe/exceptions/DebuggableException.h"

class GetWindowsTimeZoneInfoFailed : public DebuggableException {};
