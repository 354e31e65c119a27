#include "platform/xml/xslpattern/IsoDate.h"

#include <chrono>

namespace XslPattern {

namespace {

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    bool AtEnd() const { return position_ == text_.size(); }
    bool Take(char c) {
        if (!AtEnd() && text_[position_] == c) {
            ++position_;
            return true;
        }
        return false;
    }
    char Peek() const { return AtEnd() ? '\0' : text_[position_]; }
    // Exactly `count` decimal digits.
    std::optional<int> Digits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            if (AtEnd() || text_[position_] < '0' || text_[position_] > '9') {
                return std::nullopt;
            }
            value = value * 10 + (text_[position_++] - '0');
        }
        return value;
    }
    // A fraction after the decimal point: one or more digits.
    std::optional<double> Fraction() {
        double value = 0;
        double scale = 0.1;
        std::size_t start = position_;
        while (!AtEnd() && text_[position_] >= '0' && text_[position_] <= '9') {
            value += (text_[position_++] - '0') * scale;
            scale /= 10;
        }
        return position_ == start ? std::nullopt : std::optional<double>(value);
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

std::string_view Trimmed(std::string_view text) {
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Seconds of the time of day and zone part, from just after the 'T'.
std::optional<double> TimeOfDay(Reader& reader) {
    auto hour = reader.Digits(2);
    if (!hour || !reader.Take(':')) {
        return std::nullopt;
    }
    auto minute = reader.Digits(2);
    if (!minute || *hour > 23 || *minute > 59) {
        return std::nullopt;
    }
    double seconds = 0;
    if (reader.Take(':')) {
        auto whole = reader.Digits(2);
        if (!whole || *whole > 60) {
            return std::nullopt;
        }
        seconds = *whole;
        if (reader.Take('.')) {
            auto fraction = reader.Fraction();
            if (!fraction) {
                return std::nullopt;
            }
            seconds += *fraction;
        }
    }
    return *hour * 3600.0 + *minute * 60.0 + seconds;
}

std::optional<double> ZoneOffset(Reader& reader) {
    if (reader.AtEnd()) {
        return 0.0;
    }
    if (reader.Take('Z')) {
        return 0.0;
    }
    char sign = reader.Peek();
    if (!reader.Take('+') && !reader.Take('-')) {
        return std::nullopt;
    }
    auto hour = reader.Digits(2);
    if (!hour || !reader.Take(':')) {
        return std::nullopt;
    }
    auto minute = reader.Digits(2);
    if (!minute || *hour > 14 || *minute > 59) {
        return std::nullopt;
    }
    double offset = *hour * 3600.0 + *minute * 60.0;
    return sign == '-' ? -offset : offset;
}

} // namespace

std::optional<double> ParseIsoDate(std::string_view text) {
    Reader reader(Trimmed(text));
    auto year = reader.Digits(4);
    if (!year || !reader.Take('-')) {
        return std::nullopt;
    }
    auto month = reader.Digits(2);
    if (!month || !reader.Take('-')) {
        return std::nullopt;
    }
    auto day = reader.Digits(2);
    if (!day) {
        return std::nullopt;
    }
    std::chrono::year_month_day date{std::chrono::year(*year),
                                     std::chrono::month(static_cast<unsigned>(*month)),
                                     std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    double seconds =
        static_cast<double>(std::chrono::sys_days(date).time_since_epoch().count()) * 86400.0;
    if (reader.Take('T')) {
        auto time = TimeOfDay(reader);
        if (!time) {
            return std::nullopt;
        }
        seconds += *time;
    }
    auto offset = ZoneOffset(reader);
    if (!offset) {
        return std::nullopt;
    }
    seconds -= *offset;
    if (!reader.AtEnd()) {
        return std::nullopt;
    }
    return seconds;
}

} // namespace XslPattern
