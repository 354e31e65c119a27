#include "host/builtins/DecodedText.h"

#include "host/builtins/HostValues.h"
#include "platform/codepage/XmlEncoding.h"

#include <cstdint>
#include <stdexcept>

namespace veritor::host {

string_value DecodedText(const string_value& bytes) {
    TextDecoding::XmlText decoded = TextDecoding::DecodeXml(View(bytes));
    if (!decoded.failure.empty()) {
        throw std::runtime_error("cannot decode: " + decoded.failure);
    }
    if (!decoded.converted) {
        const auto skipped = static_cast<std::uint32_t>(decoded.skipped);
        return string_value{bytes.start + skipped, bytes.length - skipped};
    }
    if (decoded.text.size() > UINT32_MAX) {
        throw std::runtime_error("cannot decode: the text is longer than a string can be");
    }
    return MakeString(decoded.text);
}

} // namespace veritor::host
