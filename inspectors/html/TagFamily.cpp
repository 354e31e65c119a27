// The element properties: for each of 57 elements, the properties that
// render it ("div", "h1", "anchor", "br", ...). The list aggregates are
// registered among them, after "del" and before "ul".
#include "inspectors/html/FamilyMember.h"
#include "inspectors/html/HtmlLists.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

namespace {

using enum TagKind;

// In registration order. The property is the element's name except for
// "anchor" and "italic".
constexpr FamilyRow family[] = {
    {"html", "html", Content},
    {"head", "head", Content},
    {"title", "title", Content},
    {"meta", "meta", Content},
    {"body", "body", Content},
    {"div", "div", Content},
    {"span", "span", Content},
    {"address", "address", Content},
    {"h1", "h1", Content},
    {"h2", "h2", Content},
    {"h3", "h3", Content},
    {"h4", "h4", Content},
    {"h5", "h5", Content},
    {"h6", "h6", Content},
    {"em", "em", Content},
    {"strong", "strong", Content},
    {"dfn", "dfn", Content},
    {"code", "code", Content},
    {"samp", "samp", Content},
    {"kbd", "kbd", Content},
    {"var", "var", Content},
    {"cite", "cite", Content},
    {"abbr", "abbr", Content},
    {"acronym", "acronym", Content},
    {"blockquote", "blockquote", Content},
    {"q", "q", Content},
    {"sub", "sub", Content},
    {"sup", "sup", Content},
    {"p", "p", Content},
    {"br", "br", Empty},
    {"pre", "pre", Content},
    {"ins", "ins", Content},
    {"del", "del", Content},
    {"ul", "ul", Content},
    {"ol", "ol", Content},
    {"li", "li", Content},
    {"dt", "dt", Content},
    {"dd", "dd", Content},
    {"table", "table", Content},
    {"caption", "caption", Content},
    {"thead", "thead", Content},
    {"tfoot", "tfoot", Content},
    {"tbody", "tbody", Content},
    {"colgroup", "colgroup", Content},
    {"col", "col", Content},
    {"tr", "tr", Content},
    {"th", "th", Content},
    {"td", "td", Content},
    {"anchor", "a", Content},
    {"link", "link", Content},
    {"base", "base", Content},
    {"tt", "tt", Content},
    {"italic", "i", Content},
    {"b", "b", Content},
    {"big", "big", Content},
    {"small", "small", Content},
    {"hr", "hr", Empty},
};
static_assert(std::size(family) == 57);
static_assert(std::ranges::all_of(family, [](const FamilyRow& row) {
    return std::string_view(row.property).size() <= FamilyMember::longestName;
}));

// The lists come right before this member.
constexpr std::size_t listsBefore =
    std::ranges::find(family, std::string_view("ul"),
                      [](const FamilyRow& row) { return std::string_view(row.property); }) -
    std::begin(family);

// The members of rows [first, first + count), constructed in place in order.
template <std::size_t first, std::size_t... i>
std::array<FamilyMember, sizeof...(i)> MembersFrom(std::index_sequence<i...>) {
    return {FamilyMember(family[first + i])...};
}

constexpr ListTags unorderedListTags{"ul", "li", "li"};
constexpr ListTags orderedListTags{"ol", "li", "li"};
constexpr ListTags definitionListTags{"dl", "dt", "dd"};

const auto membersBeforeLists = MembersFrom<0>(std::make_index_sequence<listsBefore>());

HtmlListRegistrations<unorderedListTags> unorderedLists("unordered list", "unordered lists");
HtmlListRegistrations<orderedListTags> orderedLists("ordered list", "ordered lists");
HtmlListRegistrations<definitionListTags> definitionLists("definition list", "definition lists");

const auto membersAfterLists =
    MembersFrom<listsBefore>(std::make_index_sequence<std::size(family) - listsBefore>());

} // namespace
