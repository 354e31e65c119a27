// The text forms of dates, times and zones. Each is composed in a scratch
// buffer larger than the form, so that a value too large for its form (a
// five-digit year, say) is refused by the fixed-size result rather than
// silently cut.
#include "universe/buffers/BufferOfCapacity.h"
#include "universe/integers/Numeral.h"
#include "universe/time/DateTimeRecord.h"

namespace {

using Scratch = BufferOfCapacity<64>;

void WriteNumber(Buffer& to, uint64 value, uint32 minDigits) {
    Numeral n(value);
    n.SetMinimumDigits(minDigits);
    to.Write(n.Text());
}

void WriteDate(Buffer& to, const DateRecord& date) {
    to.Write(ShortDayName(date.DayOfWeek()));
    to.Write(", ");
    WriteNumber(to, date.Day(), 2);
    to.Put(' ');
    to.Write(ShortMonthName(date.Month()));
    to.Put(' ');
    WriteNumber(to, date.Year(), 4);
}

void WriteTime(Buffer& to, const TimeOfDay& time) {
    WriteNumber(to, time.Hour(), 2);
    to.Put(':');
    WriteNumber(to, time.Minute(), 2);
    to.Put(':');
    WriteNumber(to, time.Second(), 2);
}

void WriteZone(Buffer& to, const TimeZone& zone) {
    const int64 seconds = zone.SecondsEastOfGMT();
    to.Put(seconds >= 0 ? '+' : '-');
    const uint64 minutes = static_cast<uint64>(seconds >= 0 ? seconds : -seconds) / 60;
    WriteNumber(to, minutes / 60, 2);
    WriteNumber(to, minutes % 60, 2);
}

} // namespace

ConstDataOfCapacity<16> DateRecord::Text() const {
    Scratch text;
    WriteDate(text, *this);
    return text.Used();
}

ConstDataOfCapacity<8> TimeOfDay::Text() const {
    Scratch text;
    WriteTime(text, *this);
    return text.Used();
}

ConstDataOfCapacity<5> TimeZone::Text() const {
    Scratch text;
    WriteZone(text, *this);
    return text.Used();
}

ConstDataOfCapacity<14> DateTimeRecord::TimeWithZoneText() const {
    Scratch text;
    WriteTime(text, time);
    text.Put(' ');
    WriteZone(text, zone);
    return text.Used();
}

ConstDataOfCapacity<31> DateTimeRecord::Text() const {
    Scratch text;
    WriteDate(text, date);
    text.Put(' ');
    WriteTime(text, time);
    text.Put(' ');
    WriteZone(text, zone);
    return text.Used();
}
