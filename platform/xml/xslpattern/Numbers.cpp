#include "platform/xml/xslpattern/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace XslPattern {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ParseNumber(std::string_view text) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-') {
        digits.remove_prefix(1);
    }
    bool anyDigit = false;
    bool point = false;
    for (char c : digits) {
        if (IsDigit(c)) {
            anyDigit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return nan;
        }
    }
    if (!anyDigit) {
        return nan;
    }
    double value = 0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        return text.front() == '-' ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
    }
    return error == std::errc() && end == text.data() + text.size() ? value : nan;
}

std::string FormatNumber(double number) {
    if (std::isnan(number)) {
        return "NaN";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-Infinity" : "Infinity";
    }
    if (number == 0) {
        return "0";
    }
    char buffer[400];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

} // namespace XslPattern
