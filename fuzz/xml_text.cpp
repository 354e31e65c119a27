// libFuzzer target: finding and decoding the encoding of an XML text.
//
// Properties checked (any breach aborts):
// - a decoded text is valid UTF-8, and a text left as it is (past a UTF-8
//   byte-order mark) is valid UTF-8 as well;
// - a failure says why, and leaves no text;
// - the UTF-8 check accepts exactly what glibc's iconv accepts as UTF-8.
//
// Input: the bytes of the text, as they are.
#include "Check.h"
#include "platform/codepage/Utf8Codec.h"
#include "platform/codepage/XmlEncoding.h"

#include <cstdint>
#include <iconv.h>
#include <string>
#include <string_view>

namespace {

bool IconvTakesAsUtf8(std::string_view text) {
    iconv_t converter = iconv_open("UTF-32LE", "UTF-8");
    CHECK(converter != reinterpret_cast<iconv_t>(-1));
    std::string out(4 * text.size() + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const bool taken = iconv(converter, &in, &inLeft, &to, &toLeft) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CHECK((Utf8Codec::FirstInvalid(bytes) == std::string_view::npos) ==
          IconvTakesAsUtf8(bytes));
    const TextDecoding::XmlText decoded = TextDecoding::DecodeXml(bytes);
    if (!decoded.failure.empty()) {
        CHECK(decoded.text.empty());
        return 0;
    }
    if (decoded.converted) {
        CHECK(Utf8Codec::FirstInvalid(decoded.text) == std::string_view::npos);
    } else {
        CHECK(decoded.skipped == 0 || decoded.skipped == 3);
        CHECK(decoded.skipped <= bytes.size());
        CHECK(Utf8Codec::FirstInvalid(bytes.substr(decoded.skipped)) ==
              std::string_view::npos);
    }
    return 0;
}
