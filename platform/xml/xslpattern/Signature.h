#pragma once

// A signature names the set of siblings a step selects under one parent, so
// that index() and end() can count a node among "the nodes of its step" at
// evaluation time. Translations embed signatures as string literals; the
// extension functions read them back.
//
// Forms: "n" child nodes of every kind, "t" text and CDATA, "T" text only,
// "c" CDATA only, "#" comments, "?" processing instructions, "s" nodes of
// the same type and name as the node itself; element names: "*" any,
// "{<uri>}<local>" or "{<uri>}*" by namespace, "q<name>" by the name as
// written (with its prefix, if any), "p<prefix>" by written prefix. An
// attribute signature is "@" followed by an element-name form; "@*" also
// takes in namespace declarations.

#include "platform/xml/xslpattern/IndexMemo.h"
#include "platform/xml/xslpattern/Member.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace XslPattern::Signature {

inline constexpr std::string_view AnyChild = "n";
inline constexpr std::string_view TextOrCData = "t";
inline constexpr std::string_view TextOnly = "T";
inline constexpr std::string_view CDataOnly = "c";
inline constexpr std::string_view Comment = "#";
inline constexpr std::string_view Instruction = "?";
inline constexpr std::string_view SameAsSelf = "s";
inline constexpr std::string_view AnyElement = "*";

// Built by appending: GCC 12 at -O2 reports a false overlap (-Wrestrict) in
// the insert that `"x" + std::string(...)` inlines to.
inline std::string Tagged(std::string_view tag, std::string_view text,
                          std::string_view closing = {}, std::string_view rest = {}) {
    std::string result;
    result.reserve(tag.size() + text.size() + closing.size() + rest.size());
    result.append(tag).append(text).append(closing).append(rest);
    return result;
}

inline std::string ByNamespace(std::string_view uri, std::string_view local) {
    return Tagged("{", uri, "}", local);
}
inline std::string ByWrittenName(std::string_view qname) {
    return Tagged("q", qname);
}
inline std::string ByWrittenPrefix(std::string_view prefix) {
    return Tagged("p", prefix);
}
inline std::string OfAttributes(std::string_view elementForm) {
    return Tagged("@", elementForm);
}

// Whether `candidate` belongs to the set named by `signature`; `self` is the
// node whose siblings are being counted (for "s").
bool Matches(std::string_view signature, const Member& candidate, const Member& self);

// Siblings are the children of the node's parent, or for an attribute or a
// namespace declaration the attributes and then the declarations of its
// element.

// How many matching siblings precede `member`. With a memo, the count goes
// on from the last one made under the same parent when that node precedes
// `member`, and is remembered for the next.
std::size_t IndexAmongSiblings(const Member& member, std::string_view signature,
                               IndexMemo* memo = nullptr);

// Whether no matching sibling follows `member`.
bool LastAmongSiblings(const Member& member, std::string_view signature);

} // namespace XslPattern::Signature
