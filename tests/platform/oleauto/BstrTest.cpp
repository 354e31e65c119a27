// Automation strings: layout, lengths, and allocation edge cases.
#include <cstring>
#include <gtest/gtest.h>
#include <oleauto.h>

namespace {

std::uint32_t PrefixOf(BSTR text) {
    std::uint32_t prefix = 0;
    std::memcpy(&prefix, reinterpret_cast<const char*>(text) - 4, 4);
    return prefix;
}

TEST(Bstr, CarriesItsByteLengthBeforeAndAZeroAfterTheCharacters) {
    BSTR text = SysAllocString(u"abc");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(PrefixOf(text), 6u);
    EXPECT_EQ(SysStringLen(text), 3u);
    EXPECT_EQ(SysStringByteLen(text), 6u);
    EXPECT_EQ(text[3], 0);
    SysFreeString(text);
}

TEST(Bstr, LengthComesFromThePrefixNotTheTerminator) {
    BSTR text = SysAllocStringLen(u"a\0b", 3);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 3u);
    EXPECT_EQ(text[2], u'b');
    SysFreeString(text);
}

TEST(Bstr, NullSourceGivesZeroedCharactersOfTheRequestedLength) {
    BSTR text = SysAllocStringLen(nullptr, 4);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 4u);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(text[i], 0);
    }
    SysFreeString(text);
}

TEST(Bstr, ByteLengthMayBeOddAndIsKeptExactly) {
    BSTR text = SysAllocStringByteLen("hello", 5);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringByteLen(text), 5u);
    EXPECT_EQ(SysStringLen(text), 2u);
    EXPECT_EQ(std::memcmp(text, "hello", 6), 0); // the copy is followed by zero bytes
    SysFreeString(text);
}

TEST(Bstr, NullAndEmptyStrings) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);
    BSTR empty = SysAllocString(u"");
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);
}

TEST(Bstr, ImpossibleLengthsFailWithNull) {
    EXPECT_EQ(SysAllocStringLen(nullptr, 0x80000000u), nullptr);
    EXPECT_EQ(SysAllocStringByteLen(nullptr, 0xFFFFFFFFu), nullptr);
}

} // namespace
