// The html type: strings escaped on their way into html, markup taken as it
// is, and concatenation in constant time.
#include "tests/inspectors/html/HtmlFixture.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

using HtmlValues = HtmlVocabulary;

// Escaping at every position and length is read back by the HTML parser test.
TEST_F(HtmlValues, EscapeTheFourMarkupCharactersAndNothingElse) {
    const auto fromText = Find<CastCall>("html", "string");
    const auto escape = [&](const std::string& text) {
        return Evaluate<Html>(fromText, Operand("string", text));
    };
    EXPECT_EQ(Text(escape("a<b & \"c\" > 'd' &amp;\t\x01\xc3\xa9\xff")),
              "a&lt;b &amp; &quot;c&quot; &gt; 'd' &amp;amp;\t\x01\xc3\xa9\xff");
    // Text without markup characters is the argument itself.
    const std::string clean(100, 'x');
    EXPECT_EQ(escape(clean)->piece.AsStringView().data(), clean.data());
}

TEST_F(HtmlValues, ConcatenateStringsEscapedAndHtmlAsItIs) {
    const Html& bold = Markup("<b>");
    const void* text = Operand("string", "x&y");
    const auto concatenation = [](std::string_view left, std::string_view right) {
        return Find<BinaryOperatorCall>(OperatorConcatenate, left, right);
    };
    EXPECT_EQ(Text(Evaluate<Html>(concatenation("html", "string"), &bold, text)), "<b>x&amp;y");
    EXPECT_EQ(Text(Evaluate<Html>(concatenation("string", "html"), text, &bold)), "x&amp;y<b>");
    const Html& twice = *Evaluate<Html>(concatenation("html", "html"), &bold, &bold);
    EXPECT_EQ(Text(Evaluate<Html>(concatenation("html", "html"), &twice, &twice)), "<b><b><b><b>");
    EXPECT_EQ(Text(Evaluate<Html>(Find<CastCall>("html", "html"), &twice)), "<b><b>");
}

} // namespace
