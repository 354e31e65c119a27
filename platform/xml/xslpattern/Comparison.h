#pragma once

// Comparisons as the pattern language defines them: the translator decides
// statically how values compare (by the type of the literal, or the typed
// methods involved) and encodes that decision, with the quantifier and the
// methods applied to each side, into a rule string that travels inside the
// translation to the comparison function.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace XslPattern {

enum class CompareAs : char { Text = 's', Integer = 'i', Double = 'f', Date = 'd' };

enum class Relation : char {
    Equal = '=',
    NotEqual = '!',
    Less = '<',
    LessEqual = 'l',
    Greater = '>',
    GreaterEqual = 'g',
};

// What is taken from each node of a side: its text value, name, type number,
// index or end flag among its step's siblings, number or date.
enum class Accessor : char {
    Value = 'v',
    Name = 'n',
    Type = 't',
    Index = 'x',
    End = 'e',
    Number = 'u',
    Date = 'd',
};

struct ComparisonRule {
    Relation relation = Relation::Equal;
    CompareAs compareAs = CompareAs::Text;
    bool ignoreCase = false;
    bool all = false; // $all$: every left value must satisfy it
    Accessor leftAccessor = Accessor::Value;
    Accessor rightAccessor = Accessor::Value;
    std::string leftSignature; // step signatures for Index and End
    std::string rightSignature;

    std::string Encode() const;
    static std::optional<ComparisonRule> Decode(std::string_view text);
};

// A side's values after the accessor: texts, or numbers for the typed
// accessors and for numeric XPath values.
using SideValue = std::variant<std::string, double>;

// Some pair (left, right) satisfies the relation, or with `all` every left
// value has a right value it satisfies the relation with (true when there is
// no left value). Values that do not convert to the comparison's type
// satisfy no relation.
bool Compare(const std::vector<SideValue>& left, const std::vector<SideValue>& right,
             const ComparisonRule& rule);

} // namespace XslPattern
