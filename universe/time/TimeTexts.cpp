// The text forms of dates, times and zones. Each is written into a buffer of
// exactly its length, and like every run written into a buffer it is cut to
// the room available: a year of five digits or more, or a zone offset of a
// hundred hours or more, gives a cut text, not an error. The longer forms are
// composed of the shorter ones, so each part keeps its own width. Separators
// are written as runs as well, so that no text form ever fails.
#include "universe/buffers/BufferOfCapacity.h"
#include "universe/integers/Numeral.h"
#include "universe/time/DateTimeRecord.h"

namespace {

void WriteNumber(Buffer& to, uint64 value, uint32 minDigits) {
    Numeral n(value);
    n.SetMinimumDigits(minDigits);
    to.Write(n.Text());
}

} // namespace

ConstDataOfCapacity<16> DateRecord::Text() const {
    BufferOfCapacity<16> text;
    text.Write(ShortDayName(DayOfWeek()));
    text.Write(", ");
    WriteNumber(text, Day(), 2);
    text.Write(" ");
    text.Write(ShortMonthName(Month()));
    text.Write(" ");
    WriteNumber(text, Year(), 4);
    return text.Used();
}

ConstDataOfCapacity<8> TimeOfDay::Text() const {
    BufferOfCapacity<8> text;
    WriteNumber(text, Hour(), 2);
    text.Write(":");
    WriteNumber(text, Minute(), 2);
    text.Write(":");
    WriteNumber(text, Second(), 2);
    return text.Used();
}

ConstDataOfCapacity<5> TimeZone::Text() const {
    BufferOfCapacity<5> text;
    const int64 seconds = SecondsEastOfGMT();
    text.Write(seconds >= 0 ? ConstData("+") : ConstData("-"));
    const uint64 minutes = static_cast<uint64>(seconds >= 0 ? seconds : -seconds) / 60;
    WriteNumber(text, minutes / 60, 2);
    WriteNumber(text, minutes % 60, 2);
    return text.Used();
}

ConstDataOfCapacity<14> DateTimeRecord::TimeWithZoneText() const {
    BufferOfCapacity<14> text;
    text.Write(time.Text());
    text.Write(" ");
    text.Write(zone.Text());
    return text.Used();
}

ConstDataOfCapacity<31> DateTimeRecord::Text() const {
    BufferOfCapacity<31> text;
    text.Write(date.Text());
    text.Write(" ");
    text.Write(TimeWithZoneText());
    return text.Used();
}
