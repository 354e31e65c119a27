// The text of an XML document held as bytes, found as an XML reader finds
// it: a byte-order mark of UTF-8, UTF-16 or UTF-32 names the encoding; else
// the first bytes show UTF-16 or UTF-32 by the pattern of "<?xml" in them;
// else the XML declaration's encoding names it; else it is UTF-8. Nothing
// is replaced: a byte that is not valid in the encoding, or an encoding the
// system cannot convert, makes the text undecodable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace TextDecoding {

struct XmlText {
    // Empty when the bytes decode; otherwise why not, naming the encoding
    // and the offset of the first bad byte.
    std::string failure;
    // Whether `text` holds the decoded text. When not, the text is the
    // bytes themselves, but for the first `skipped` (a UTF-8 byte-order
    // mark): they are UTF-8 already.
    bool converted = false;
    std::size_t skipped = 0;
    std::string text;
};

XmlText DecodeXml(std::string_view bytes);

} // namespace TextDecoding
