// Automation strings: lengths, layout, and allocation edge cases.
#include <gtest/gtest.h>
#include <oleauto.h>
#include <string>

namespace {

TEST(Bstr, LengthsCountBytesAndTwoZeroBytesFollow) {
    using namespace std::string_literals;
    const struct {
        BSTR text;
        UINT bytes, characters;
        std::string content; // including the two zero bytes after it
    } cases[] = {
        {SysAllocString(u"abc"), 6, 3, "a\0b\0c\0\0\0"s},
        // An embedded zero does not end the string.
        {SysAllocStringLen(u"a\0b", 3), 6, 3, "a\0\0\0b\0\0\0"s},
        {SysAllocStringLen(nullptr, 2), 4, 2, std::string(6, '\0')},
        // An odd byte length is kept exactly.
        {SysAllocStringByteLen("hello", 5), 5, 2, "hello\0\0"s},
        {SysAllocString(u""), 0, 0, std::string(2, '\0')},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.text, nullptr) << c.content;
        EXPECT_EQ(SysStringByteLen(c.text), c.bytes) << c.content;
        EXPECT_EQ(SysStringLen(c.text), c.characters) << c.content;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.text), c.bytes + 2), c.content);
        SysFreeString(c.text);
    }
    // Null strings have no length; impossible lengths fail.
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
    EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

} // namespace
