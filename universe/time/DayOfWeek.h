// Days of the week, counted from Sunday.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"

enum DayOfWeek : uint8 { sunday = 0, monday, tuesday, wednesday, thursday, friday, saturday };

// "Sunday"
ConstData DayName(DayOfWeek d);
// "Sun"
ConstData ShortDayName(DayOfWeek d);
