// "decoded" of a string: the bytes of an XML text in UTF-8, whatever encoding
// an XML reader finds for them, or an evaluation error naming the encoding
// and the offset of the first byte that is not valid in it.
#include "host/Veritor.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using veritor::ErrorKind;
using veritor::QueryError;

// The query `decoded "..."` of exactly these bytes.
std::string DecodedQuery(std::string_view bytes) {
    constexpr char Digits[] = "0123456789ABCDEF";
    std::string query = "decoded \"";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        query.append("\\x").append(1, Digits[byte >> 4]).append(1, Digits[byte & 15]);
    }
    return query + "\"";
}

std::string Bytes(const char* bytes, std::size_t length) {
    return std::string(bytes, length);
}

// ASCII text in UTF-16LE, after its byte-order mark.
std::string Utf16Le(std::string_view ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes.append(1, c).append(1, '\0');
    }
    return bytes;
}

const std::string Declared = "<?xml version=\"1.0\" encoding=";

TEST(Decoded, GivesTheTextInUtf8) {
    const struct {
        std::string bytes, text;
    } cases[] = {
        {"", ""},
        {"<r>\xC3\xA9</r>", "<r>\xC3\xA9</r>"},
        {"\xEF\xBB\xBF<r/>", "<r/>"},
        {Declared + "'utf-8'?><r>\xC3\xA9</r>", Declared + "'utf-8'?><r>\xC3\xA9</r>"},
        {Declared + "\"ISO-8859-1\"?>caf\xE9", Declared + "\"ISO-8859-1\"?>caf\xC3\xA9"},
        {Declared + "\"windows-1252\"?>\x80", Declared + "\"windows-1252\"?>\xE2\x82\xAC"},
        {Declared + "\"Shift_JIS\"?>\x82\xA0", Declared + "\"Shift_JIS\"?>\xE3\x81\x82"},
        // A byte-order mark wins over the declaration, as with xmllint: a
        // file converted to UTF-16 often keeps its declaration of UTF-8.
        {Utf16Le(Declared + "'UTF-8'?><r/>"), Declared + "'UTF-8'?><r/>"},
        {Bytes("\xFF\xFE<\0r\0/\0>\0", 10), "<r/>"},
        {Bytes("\xFE\xFF\0<\xD8\x3D\xDE\x00", 8), "<\xF0\x9F\x98\x80"},
        {Bytes("<\0?\0x\0m\0l\0", 10), "<?xml"},
        {Bytes("\0\0\xFE\xFF\0\0\0<", 8), "<"},
        {Bytes("<\0\0\0\xE9\0\0\0", 8), "<\xC3\xA9"},
    };
    for (const auto& c : cases) {
        const veritor::Result result = veritor::Run(DecodedQuery(c.bytes));
        ASSERT_EQ(result.values.size(), 1U);
        EXPECT_EQ(veritor::RenderText(result.values[0]), c.text) << c.bytes;
    }
}

TEST(Decoded, RefusesWhatIsNotInItsEncoding) {
    const struct {
        std::string bytes, failure;
    } cases[] = {
        {"ab\xFF", "not valid UTF-8: byte 0xFF at offset 2"},
        {"\xC0\xAF", "not valid UTF-8: byte 0xC0 at offset 0"},
        {"a\xED\xA0\x80", "not valid UTF-8: byte 0xED at offset 1"},
        {"\xEF\xBB\xBF"
         "a\xE2\x82",
         "not valid UTF-8: byte 0xE2 at offset 4"},
        {Declared + "'Shift_JIS'?>\x82", "not valid Shift_JIS: byte 0x82 at offset 42"},
        {Declared + "'x-none'?><r/>", "unknown encoding \"x-none\""},
        {Declared + "'a b'?><r/>", "the XML declaration names no encoding"},
        {Declared + "'UTF-16'?><r/>", "not valid UTF-16: the text starts in 8-bit characters"},
        {Bytes("\xFF\xFE<\0\0\xDC", 6), "not valid UTF-16LE: byte 0x00 at offset 4"},
        {Bytes("\xFE\xFF\0<\0", 5), "not valid UTF-16BE: the text ends inside a character, "
                                    "at offset 5"},
        {Bytes("\0\0\xFE\xFF\0\x11\0\0", 8), "not valid UTF-32BE: byte 0x00 at offset 4"},
#ifndef _WIN32
        // Windows gives the bytes that windows-1252 leaves undefined the C1 controls.
        {Declared + "'windows-1252'?>\x81", "not valid windows-1252: byte 0x81 at offset 45"},
#endif
    };
    for (const auto& c : cases) {
        try {
            veritor::Run(DecodedQuery(c.bytes));
            ADD_FAILURE() << "no error for " << c.bytes;
        } catch (const QueryError& error) {
            EXPECT_EQ(error.Kind(), ErrorKind::Evaluation) << c.bytes;
            EXPECT_EQ(error.what(), "cannot decode: " + c.failure) << c.bytes;
        }
    }
}

} // namespace
