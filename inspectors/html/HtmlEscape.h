// Escaping text for html: the ampersand, the angle brackets and the double
// quotation mark become entity references; every other byte (the apostrophe,
// control characters, bytes of multi-byte UTF-8) stays as it is. Escaping is
// not idempotent: "&amp;" becomes "&amp;amp;".
//
// Escaping is two passes over the text: one counts the escaped length, one
// writes the escaped text into exactly that much room. Both are public so
// that a text can be escaped straight into the block that holds a rendered
// element or an accumulator, without a block of its own in between.
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/buffers/Data.h"
#include "universe/integers/IntegerTypes.h"

// The length of the escaped text: its own length when nothing needs escaping.
uint64 EscapedLength(ConstData text);

// Writes the escaped text into `into`, which is exactly EscapedLength(text)
// bytes long.
void WriteEscaped(ConstData text, Data into);

// The escaped text: `text` itself when nothing needs escaping, otherwise a
// new block of inspector memory of exactly the escaped length. A text whose
// escaped form is too long for a host string raises DataOverflow.
ConstData HtmlEscape(ConstData text);
