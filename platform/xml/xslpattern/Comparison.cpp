#include "platform/xml/xslpattern/Comparison.h"

#include "platform/xml/xslpattern/IsoDate.h"
#include "platform/xml/xslpattern/Numbers.h"

#include <cmath>
#include <compare>

namespace XslPattern {

namespace {

bool IsRelation(char c) {
    return std::string_view("=!<l>g").find(c) != std::string_view::npos;
}
bool IsCompareAs(char c) {
    return std::string_view("sifd").find(c) != std::string_view::npos;
}
bool IsAccessor(char c) {
    return std::string_view("vntxeud").find(c) != std::string_view::npos;
}

std::string Lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

// A value in the comparison's type; monostate when it does not convert.
using Typed = std::variant<std::monostate, std::string, double>;

Typed Convert(const SideValue& value, const ComparisonRule& rule) {
    const auto* text = std::get_if<std::string>(&value);
    double number = text ? 0 : std::get<double>(value);
    switch (rule.compareAs) {
    case CompareAs::Text: {
        std::string result = text ? *text : FormatNumber(number);
        return rule.ignoreCase ? Lowered(std::move(result)) : result;
    }
    case CompareAs::Integer:
    case CompareAs::Double: {
        double result = text ? ParseNumber(*text) : number;
        if (std::isnan(result)) {
            return {};
        }
        // Integers round as automation conversions do: half to even.
        return rule.compareAs == CompareAs::Integer ? std::nearbyint(result) : result;
    }
    case CompareAs::Date:
        if (text) {
            if (auto date = ParseIsoDate(*text)) {
                return *date;
            }
        }
        return {};
    }
    return {};
}

bool Holds(std::partial_ordering order, Relation relation) {
    switch (relation) {
    case Relation::Equal:
        return order == 0;
    case Relation::NotEqual:
        return order != 0;
    case Relation::Less:
        return order < 0;
    case Relation::LessEqual:
        return order <= 0;
    case Relation::Greater:
        return order > 0;
    case Relation::GreaterEqual:
        return order >= 0;
    }
    return false;
}

bool Satisfies(const Typed& left, const Typed& right, Relation relation) {
    if (left.index() != right.index() || left.index() == 0) {
        return false;
    }
    if (const auto* text = std::get_if<std::string>(&left)) {
        // std::string compares bytes as unsigned, which is code-point order
        // for UTF-8.
        int order = text->compare(std::get<std::string>(right));
        return Holds(order <=> 0, relation);
    }
    return Holds(std::get<double>(left) <=> std::get<double>(right), relation);
}

} // namespace

std::string ComparisonRule::Encode() const {
    std::string text{static_cast<char>(relation),     static_cast<char>(compareAs),
                     ignoreCase ? 'c' : '-',          all ? 'A' : 'a',
                     static_cast<char>(leftAccessor), static_cast<char>(rightAccessor)};
    return text + std::to_string(leftSignature.size()) + ":" + leftSignature + rightSignature;
}

std::optional<ComparisonRule> ComparisonRule::Decode(std::string_view text) {
    if (text.size() < 8 || !IsRelation(text[0]) || !IsCompareAs(text[1]) || !IsAccessor(text[4]) ||
        !IsAccessor(text[5])) {
        return std::nullopt;
    }
    ComparisonRule rule;
    rule.relation = static_cast<Relation>(text[0]);
    rule.compareAs = static_cast<CompareAs>(text[1]);
    rule.ignoreCase = text[2] == 'c';
    rule.all = text[3] == 'A';
    rule.leftAccessor = static_cast<Accessor>(text[4]);
    rule.rightAccessor = static_cast<Accessor>(text[5]);
    std::string_view rest = text.substr(6);
    std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 9) {
        return std::nullopt;
    }
    std::size_t length = 0;
    for (char c : rest.substr(0, colon)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        length = length * 10 + static_cast<std::size_t>(c - '0');
    }
    rest.remove_prefix(colon + 1);
    if (length > rest.size()) {
        return std::nullopt;
    }
    rule.leftSignature = rest.substr(0, length);
    rule.rightSignature = rest.substr(length);
    return rule;
}

bool Compare(const std::vector<SideValue>& left, const std::vector<SideValue>& right,
             const ComparisonRule& rule) {
    std::vector<Typed> rights;
    rights.reserve(right.size());
    for (const SideValue& value : right) {
        rights.push_back(Convert(value, rule));
    }
    auto satisfied = [&](const SideValue& value) {
        Typed typed = Convert(value, rule);
        for (const Typed& other : rights) {
            if (Satisfies(typed, other, rule.relation)) {
                return true;
            }
        }
        return false;
    };
    for (const SideValue& value : left) {
        bool ok = satisfied(value);
        if (rule.all && !ok) {
            return false;
        }
        if (!rule.all && ok) {
            return true;
        }
    }
    return rule.all;
}

} // namespace XslPattern
