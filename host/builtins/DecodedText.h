// "decoded" of a string: its bytes as the text of an XML document, found as
// an XML reader finds its encoding, in UTF-8 without a byte-order mark.
#pragma once

#include "frame/VeritorInterface.h"

namespace veritor::host {

// The decoded text: `bytes` themselves (past a UTF-8 byte-order mark) when
// they are UTF-8 already, else a new string in inspector memory. Throws
// std::runtime_error naming the encoding and the offset of the first byte
// that is not valid in it, or the encoding the system does not know.
string_value DecodedText(const string_value& bytes);

} // namespace veritor::host
