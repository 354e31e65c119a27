// Variant copying, clearing and conversion.
#include <atlbase.h>
#include <gtest/gtest.h>
#include <oleauto.h>
#include <string>

namespace {

std::u16string TextOf(const VARIANT& value) {
    return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal))
                               : u"<not a string>";
}

TEST(VariantToString, WritesAsWindowsDoes) {
    const struct {
        ATL::CComVariant source;
        USHORT flags;
        std::u16string expected;
    } cases[] = {
        {-42, 0, u"-42"}, {0, 0, u"0"},        {0.1, 0, u"0.1"},
        {2.5, 0, u"2.5"}, {1e20, 0, u"1E+20"}, {1.0 / 3, 0, u"0.333333333333333"},
        {true, 0, u"-1"}, {false, 0, u"0"},    {true, VARIANT_ALPHABOOL, u"True"},
    };
    for (const auto& c : cases) {
        ATL::CComVariant result;
        ASSERT_EQ(VariantChangeType(&result, &c.source, c.flags, VT_BSTR), S_OK);
        EXPECT_EQ(TextOf(result), c.expected) << testing::PrintToString(c.expected);
    }
}

// Texts become numbers or fail; empty and null values do not become texts.
TEST(VariantConversion, TextsBecomeNumbersOrFail) {
    const ATL::CComVariant text(u" 12.5 ");
    ATL::CComVariant result;
    ASSERT_EQ(VariantChangeType(&result, &text, 0, VT_R8), S_OK);
    EXPECT_EQ(result.dblVal, 12.5);
    ASSERT_EQ(VariantChangeType(&result, &text, 0, VT_I4), S_OK);
    EXPECT_EQ(result.lVal, 12); // half to even
    for (const auto& [bad, error] :
         {std::pair{u"12x", DISP_E_TYPEMISMATCH}, std::pair{u"1e10", DISP_E_OVERFLOW}}) {
        const ATL::CComVariant number(bad);
        EXPECT_EQ(VariantChangeType(&result, &number, 0, VT_I4), error);
    }
    for (VARTYPE type : {VT_EMPTY, VT_NULL}) {
        ATL::CComVariant source;
        source.vt = type;
        ATL::CComVariant untouched(7);
        EXPECT_EQ(VariantChangeType(&untouched, &source, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(untouched.vt, VT_I4);
    }
    // In place, the value is replaced.
    ATL::CComVariant value(7);
    ASSERT_EQ(VariantChangeType(&value, &value, 0, VT_BSTR), S_OK);
    EXPECT_EQ(TextOf(value), u"7");
}

TEST(VariantLifecycle, CopyDuplicatesStringsClearFreesThemAndUnknownKindsAreRefused) {
    const ATL::CComVariant source(u"text");
    VARIANT copy;
    VariantInit(&copy);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_NE(copy.bstrVal, source.bstrVal);
    EXPECT_EQ(TextOf(copy), u"text");
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(copy.vt, VT_EMPTY);
    VARIANT odd;
    VariantInit(&odd);
    odd.vt = 0x7FFF;
    EXPECT_EQ(VariantCopy(&copy, &odd), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantClear(&odd), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantChangeType(&copy, &odd, 0, VT_BSTR), DISP_E_BADVARTYPE);
}

} // namespace
