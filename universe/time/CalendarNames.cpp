#include "universe/exceptions/Assertion.h"
#include "universe/time/DayOfWeek.h"
#include "universe/time/Month.h"

#include <array>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::string_view, 13> monthNames{
    ""sv,     "January"sv, "February"sv,  "March"sv,   "April"sv,    "May"sv,     "June"sv,
    "July"sv, "August"sv,  "September"sv, "October"sv, "November"sv, "December"sv};
constexpr std::array<std::string_view, 13> shortMonthNames{
    ""sv,    "Jan"sv, "Feb"sv, "Mar"sv, "Apr"sv, "May"sv, "Jun"sv,
    "Jul"sv, "Aug"sv, "Sep"sv, "Oct"sv, "Nov"sv, "Dec"sv};
constexpr std::array<std::string_view, 13> twoDigitMonths{""sv,   "01"sv, "02"sv, "03"sv, "04"sv,
                                                          "05"sv, "06"sv, "07"sv, "08"sv, "09"sv,
                                                          "10"sv, "11"sv, "12"sv};
constexpr std::array<std::string_view, 7> dayNames{
    "Sunday"sv, "Monday"sv, "Tuesday"sv, "Wednesday"sv, "Thursday"sv, "Friday"sv, "Saturday"sv};
constexpr std::array<std::string_view, 7> shortDayNames{"Sun"sv, "Mon"sv, "Tue"sv, "Wed"sv,
                                                        "Thu"sv, "Fri"sv, "Sat"sv};

ConstData View(std::string_view text) {
    return ConstData(reinterpret_cast<const uint8*>(text.data()), static_cast<uint32>(text.size()));
}

// Out-of-range values are reported and then answered with an empty text
// rather than a read outside the tables.
template <std::size_t N>
ConstData Lookup(const std::array<std::string_view, N>& table, unsigned index) {
    return index < N ? View(table[index]) : ConstData();
}

} // namespace

ConstData MonthName(Month m) {
    ASSERT(january <= m && m <= december);
    return Lookup(monthNames, m);
}

ConstData ShortMonthName(Month m) {
    ASSERT(january <= m && m <= december);
    return Lookup(shortMonthNames, m);
}

ConstData TwoDigitMonth(Month m) {
    ASSERT(january <= m && m <= december);
    return Lookup(twoDigitMonths, m);
}

ConstData DayName(DayOfWeek d) {
    ASSERT(sunday <= d && d <= saturday);
    return Lookup(dayNames, d);
}

ConstData ShortDayName(DayOfWeek d) {
    ASSERT(sunday <= d && d <= saturday);
    return Lookup(shortDayNames, d);
}
