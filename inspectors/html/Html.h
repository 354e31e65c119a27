// "html": text that is already markup. An html value is a rope node whose
// text is markup, so it concatenates in constant time and is measured,
// flattened and written by the rope's walks. A plain string becomes html
// content only escaped (HtmlFromText); a string that stands for markup (the
// "html" property's index, attribute text, separators) is taken as it is
// (HtmlFromMarkup).
#pragma once

#include "frame/VeritorInterface.h"
#include "inspectors/core/Rope.h"
#include "universe/buffers/ConstData.h"

using Html = Rope;

inline const char* HtmlTypeName() {
    return "html";
}

// The value of an "html attribute list" is its text, a view of the
// accumulator that built it.
using HtmlAttributeList = ConstData;
// Two words: the 8 bytes of an "html attribute list" on 32-bit Windows.
static_assert(sizeof(HtmlAttributeList) == 2 * sizeof(void*));

inline const char* HtmlAttributeListTypeName() {
    return "html attribute list";
}

inline ConstData BytesOf(const string_value& text) {
    return ConstData(text.start, text.length);
}

// One-node html over `text` with its markup characters escaped.
Html HtmlFromText(ConstData text);

// One-node html over `markup`, taken as it is.
inline Html HtmlFromMarkup(ConstData markup) {
    return Html{nullptr, markup, nullptr};
}
