// Months of the year, numbered as people number them.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"

enum Month : uint8 {
    january = 1,
    february,
    march,
    april,
    may,
    june,
    july,
    august,
    september,
    october,
    november,
    december
};

constexpr bool Valid(Month m) {
    return january <= m && m <= december;
}

// "January"
ConstData MonthName(Month m);
// "Jan"
ConstData ShortMonthName(Month m);
// "01"
ConstData TwoDigitMonth(Month m);
