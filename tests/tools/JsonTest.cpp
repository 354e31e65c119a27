#include "tools/veritor/Json.h"

#include "frame/VeritorInterface.h"

#include <gtest/gtest.h>

namespace {

using veritor::tool::JsonString;

TEST(JsonStrings, EscapeWhatJsonRequires) {
    struct Case {
        std::string bytes;
        const char* json;
    };
    for (const Case& c : {Case{"plain", R"("plain")"}, Case{"a\"b\\c", R"("a\"b\\c")"},
                          Case{"\n\r\t", R"("\n\r\t")"},
                          Case{std::string("\0\x01\x7f", 3), R"("\u0000\u0001\u007f")"},
                          Case{"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
                               "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""}}) {
        bool lossy = false;
        EXPECT_EQ(JsonString(c.bytes, lossy), c.json);
        EXPECT_FALSE(lossy) << c.json;
    }
}

// Which bytes are replaced is the platform's UTF-8 decoding, tested with it.
TEST(JsonStrings, ReplaceBytesThatAreNotUtf8AndSaySo) {
    bool lossy = false;
    EXPECT_EQ(JsonString("a\xC0\xAF!", lossy), "\"a\xEF\xBF\xBD\xEF\xBF\xBD!\"");
    EXPECT_TRUE(lossy);
}

veritor::Value Floating(double number, std::uint32_t flags) {
    veritor::Value value;
    value.type = "floating point";
    value.kind = veritor::Value::Kind::FloatingPoint;
    value.floatingPoint = {number, 0.0, flags};
    return value;
}

TEST(JsonResults, WriteNumbersExactlyAndSpecialDoublesAsStrings) {
    veritor::Result result{"floating point",
                           true,
                           {Floating(0.1, 0), Floating(1.0 / 0.0, FloatingPointDivisionByZero),
                            Floating(-1e300, FloatingPointInexact | FloatingPointOverflow)}};
    EXPECT_EQ(veritor::tool::JsonResult("q", result),
              R"({"query":"q","type":"floating point","plural":true,"values":[0.1,"inf",-1e+300],)"
              R"("flags":[[],["division by zero"],["inexact","overflow"]]})");
}

TEST(JsonResults, WriteTuplesAsArraysAndFlagLossyText) {
    veritor::Value integer;
    integer.type = "integer";
    integer.kind = veritor::Value::Kind::Integer;
    integer.integer = -5;
    veritor::Value text;
    text.type = "string";
    text.text = std::string("\xff"); // whole: GCC 12 -O3 warns falsely (-Wrestrict)
    veritor::Value boolean;
    boolean.type = "boolean";
    boolean.kind = veritor::Value::Kind::Boolean;
    veritor::Value tuple;
    tuple.type = "( integer, string, boolean )";
    tuple.kind = veritor::Value::Kind::Tuple;
    tuple.components = {integer, text, boolean};
    veritor::Result result{tuple.type, false, {tuple}};
    EXPECT_EQ(veritor::tool::JsonResult("t", result),
              R"j({"query":"t","type":"( integer, string, boolean )","plural":false,)j"
              "\"values\":[[-5,\"\xEF\xBF\xBD\",false]],\"lossy\":true}");
}

TEST(JsonErrors, CarryKindMessageAndPlace) {
    veritor::QueryError syntax(veritor::ErrorKind::Syntax, "unexpected \"x\"", 4);
    EXPECT_EQ(
        veritor::tool::JsonError("1 + x", syntax),
        R"({"query":"1 + x","error":{"kind":"syntax","message":"unexpected \"x\"","position":4}})");
    veritor::QueryError none(veritor::ErrorKind::NoValue, "no value");
    EXPECT_EQ(veritor::tool::JsonError("1/0", none),
              R"({"query":"1/0","error":{"kind":"no value","message":"no value"}})");
}

} // namespace
