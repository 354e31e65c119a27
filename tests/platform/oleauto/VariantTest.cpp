// Variant copying, clearing and conversion.
#include <gtest/gtest.h>
#include <oleauto.h>
#include <string>

namespace {

VARIANT Make(VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    value.vt = type;
    return value;
}

std::u16string TextOf(const VARIANT& value) {
    return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal))
                               : u"<not a string>";
}

VARIANT I4(LONG v) {
    VARIANT value = Make(VT_I4);
    value.lVal = v;
    return value;
}
VARIANT R8(double v) {
    VARIANT value = Make(VT_R8);
    value.dblVal = v;
    return value;
}
VARIANT Bool(bool v) {
    VARIANT value = Make(VT_BOOL);
    value.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return value;
}

TEST(VariantToString, WritesAsWindowsDoes) {
    const struct {
        VARIANT source;
        USHORT flags;
        std::u16string expected;
    } cases[] = {
        {I4(-42), 0, u"-42"},   {I4(0), 0, u"0"},        {R8(0.1), 0, u"0.1"},
        {R8(2.5), 0, u"2.5"},   {R8(1e20), 0, u"1E+20"}, {R8(1.0 / 3), 0, u"0.333333333333333"},
        {Bool(true), 0, u"-1"}, {Bool(false), 0, u"0"},  {Bool(true), VARIANT_ALPHABOOL, u"True"},
    };
    for (const auto& c : cases) {
        VARIANT result;
        VariantInit(&result);
        ASSERT_EQ(VariantChangeType(&result, &c.source, c.flags, VT_BSTR), S_OK);
        EXPECT_EQ(TextOf(result), c.expected) << testing::PrintToString(c.expected);
        VariantClear(&result);
    }
}

TEST(VariantConversion, EmptyAndNullDoNotBecomeStrings) {
    for (VARTYPE type : {VT_EMPTY, VT_NULL}) {
        VARIANT source = Make(type);
        VARIANT result = Make(VT_I4);
        EXPECT_EQ(VariantChangeType(&result, &source, 0, VT_BSTR), DISP_E_TYPEMISMATCH);
        EXPECT_EQ(result.vt, VT_I4); // left untouched
    }
}

TEST(VariantConversion, TextsBecomeNumbersOrFail) {
    BSTR text = SysAllocString(u" 12.5 ");
    VARIANT source = Make(VT_BSTR);
    source.bstrVal = text;
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(VariantChangeType(&result, &source, 0, VT_R8), S_OK);
    EXPECT_EQ(result.dblVal, 12.5);
    ASSERT_EQ(VariantChangeType(&result, &source, 0, VT_I4), S_OK);
    EXPECT_EQ(result.lVal, 12); // half to even
    SysFreeString(text);
    source.bstrVal = SysAllocString(u"12x");
    EXPECT_EQ(VariantChangeType(&result, &source, 0, VT_I4), DISP_E_TYPEMISMATCH);
    SysFreeString(source.bstrVal);
    source.bstrVal = SysAllocString(u"1e10");
    EXPECT_EQ(VariantChangeType(&result, &source, 0, VT_I4), DISP_E_OVERFLOW);
    VariantClear(&source);
}

TEST(VariantConversion, InPlaceConversionReplacesTheValue) {
    VARIANT value = I4(7);
    ASSERT_EQ(VariantChangeType(&value, &value, 0, VT_BSTR), S_OK);
    EXPECT_EQ(TextOf(value), u"7");
    VariantClear(&value);
}

TEST(VariantLifecycle, CopyDuplicatesStringsAndClearFreesThem) {
    VARIANT source = Make(VT_BSTR);
    source.bstrVal = SysAllocString(u"text");
    VARIANT copy = I4(1);
    ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
    EXPECT_NE(copy.bstrVal, source.bstrVal);
    EXPECT_EQ(TextOf(copy), u"text");
    EXPECT_EQ(VariantClear(&copy), S_OK);
    EXPECT_EQ(copy.vt, VT_EMPTY);
    VariantClear(&source);
}

TEST(VariantLifecycle, UnknownKindsAreRefused) {
    VARIANT odd = Make(0x7FFF);
    VARIANT copy;
    VariantInit(&copy);
    EXPECT_EQ(VariantCopy(&copy, &odd), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantClear(&odd), DISP_E_BADVARTYPE);
    EXPECT_EQ(VariantChangeType(&copy, &odd, 0, VT_BSTR), DISP_E_BADVARTYPE);
}

} // namespace
