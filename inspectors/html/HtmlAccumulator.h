// The text of an html aggregate under construction: "attr list", the
// concatenations and the lists append to one of these and return a view of
// it. The bytes are owned and live on the heap until the accumulator is
// destroyed; the host keeps aggregate states until the query's results have
// been rendered, so a value that views them stays readable as long as it is
// used.
#pragma once

#include "inspectors/html/Html.h"
#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"

#include <vector>

class HtmlAccumulator {
public:
    // Empties the text and forgets that anything was added.
    void Clear();

    // Marks the start of the text; says whether it had been marked already
    // since the last Clear.
    bool Start() {
        const bool wasStarted = started;
        started = true;
        return wasStarted;
    }

    // Each append raises DataOverflow rather than make a text longer than a
    // host string can be.
    void Append(uint8 byte);
    void Append(ConstData text);
    // The text of `text` escaped, written straight into the accumulator.
    void AppendEscaped(ConstData text);
    // The text of an html value, its pieces written in order straight into
    // room reserved for its whole length.
    void AppendHtml(const Html& html);

    // All the text so far; the empty view when there is none. Valid until
    // the text next changes or the accumulator is destroyed.
    ConstData View() const;

private:
    // Grows the text by `length` bytes and returns the new tail.
    Data Grow(uint64 length);

    std::vector<uint8> bytes;
    bool started = false;
};
