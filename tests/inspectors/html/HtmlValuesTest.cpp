// The html vocabulary's values: escaping, the casts and operators, the tag
// family, "html tag", "attr list", the concatenations and the lists.
#include "tests/inspectors/html/HtmlFixture.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

// A call and the text of its value. The call is "name:index type:operand
// type": a property, or a cast when the name starts with "as ", the
// concatenation operator when it is "&" (the index then the left operand),
// an aggregate when it starts with "*". An aggregate's elements are written
// apart by ';', and "^" among them begins again in the same state.
struct Row {
    std::string_view call, index, operand, text;
};

const Row rows[] = {
    // The four markup characters are escaped, nothing else is.
    {"as html::string", "", "a<b & \"c\" > 'd' &amp;\t\x01\xc3\xa9\xff",
     "a&lt;b &amp; &quot;c&quot; &gt; 'd' &amp;amp;\t\x01\xc3\xa9\xff"},
    {"as html::html", "", "<b>", "<b>"},
    {"&:html:string", "<b>", "x&y", "<b>x&amp;y"},
    {"&:string:html", "x&y", "<b>", "x&amp;y<b>"},
    {"&:html:html", "<b>", "<b>", "<b><b>"},
    // Content escaped or as it is, attribute text always as it is.
    {"div::html", "", "<b>x</b>", "<div><b>x</b></div>"},
    {"div:string:html", R"(t="<">)", "y", R"(<div t="<">>y</div>)"},
    {"div:string:string", "", "y", "<div>y</div>"},
    {"td::string", "", "", "<td></td>"},
    {"br::", "", "", "<br/>"},
    {"hr:string:", "", "", "<hr/>"},
    // The tag name ends at the first white space; a tuple's is taken whole.
    {"html tag:string:html", "span  class=x", "t", "<span  class=x>t</span>"},
    {"html tag:string:string", "span ", "t&", "<span>t&amp;</span>"},
    {"html tag:string:html", "span\tx=1", "<b/>", "<span x=1><b/></span>"},
    {"html tag:string:string", " span", "t", "(no value)"},
    {"html tag:( string, string ):", "span class=x|t<", "", "<span class=x>t&lt;</span class=x>"},
    {"html tag:( string, string ):", "|t<", "", "(no value)"},
    {"html tag:( string, html ):", "span class=x|<b>x</b>", "",
     "<span class=x><b>x</b></span class=x>"},
    {"html tag:( string, html attribute list, html ):", R"(span|a="1"|<b>x</b>)", "",
     R"(<span a="1"><b>x</b></span>)"},
    // Aggregates.
    {"*attr list::( string, string )", "", R"(n|say "hi";on<click|x;|v;m|)",
     R"(n="say &quot;hi&quot;" on<click="x" ="v" m="")"},
    {"*attr list::( string, string )", "", "", ""},
    {"*attr list::( string, string )", "", "a|1;^;b|2", R"(b="2")"},
    {"*concatenation::html", "", "a;<b>b</b>;c", "a<b>b</b>c"},
    {"*concatenation:string:html", "<br/>", "x", "x"},
    {"*concatenation:string:html", ", ", "", ""},
    {"*concatenation:html:string", "<br/>", "a<b;c", "a&lt;b<br/>c"},
    {"*concatenation:html:html", "|", "a;;b", "a||b"},
    {"*html concatenation::html", "", "a;b", "ab"},
    {"*html concatenation:string:html", "<br/>", "a;b", "a<br/>b"},
    {"*unordered list::html", "", "<b>x</b>;", "<ul><li><b>x</b></li><li></li></ul>"},
    {"*unordered list:string:html", "", "a", "<ul><li>a</li></ul>"},
    {"*ordered list::html", "", "", "<ol></ol>"},
    {"*definition list::string", "", "a;^;b", "<dl><dt>b</dt></dl>"},
};

class HtmlValues : public HtmlVocabulary {
protected:
    std::string Run(const Row& row) {
        const std::size_t colon = row.call.find(':'), second = row.call.find(':', colon + 1);
        const std::string_view name = row.call.substr(0, colon);
        const std::string_view indexType = row.call.substr(colon + 1, second - colon - 1);
        const std::string_view operandType = row.call.substr(second + 1);
        const void* index = indexType.empty() ? nullptr : Operand(indexType, row.index);
        if (name == "&") {
            const auto call = Find<BinaryOperatorCall>(OperatorConcatenate, indexType, operandType);
            return Text(Evaluate(call, index, Operand(operandType, row.operand)));
        }
        if (name.starts_with("as ")) {
            const auto call = Find<CastCall>(name.substr(3), operandType);
            return Text(Evaluate(call, Operand(operandType, row.operand)));
        }
        if (!name.starts_with("*")) {
            const void* object = operandType.empty() ? nullptr : Operand(operandType, row.operand);
            return Text(Evaluate(Find<PropertyCall>(name, operandType, indexType), index, object));
        }
        const auto call = Find<AggregatePropertyCall>(name.substr(1), operandType, indexType);
        Storage state(call.stateSize), result(64);
        void* s = call.constructState(state.Address());
        const auto slot = [&](AggregateCallback callback, const void* element) {
            return callback(result.Address(), index, element, s, call.registration);
        };
        EXPECT_THROW(slot(call.begin, nullptr), NoSuchObject);
        for (std::size_t start = 0, end = 0; !row.operand.empty() && start <= row.operand.size();
             start = end + 1) {
            end = std::min(row.operand.find(';', start), row.operand.size());
            const std::string_view element = row.operand.substr(start, end - start);
            EXPECT_THROW(element == "^" ? slot(call.begin, nullptr)
                                        : slot(call.add, Operand(operandType, element)),
                         NoSuchObject);
        }
        const std::string text = Text(slot(call.finish, nullptr), *call.resultType);
        call.destroyState(s);
        return text;
    }
};

TEST_F(HtmlValues, AreTheseTexts) {
    for (const Row& row : rows) {
        EXPECT_EQ(Run(row), row.text) << row.call << " of " << row.index << " / " << row.operand;
    }
}

TEST_F(HtmlValues, TextWithoutMarkupCharactersIsEscapedAsTheArgumentItself) {
    const std::string clean(100, 'x');
    const auto* html = Evaluate<Html>(Find<CastCall>("html", "string"), Operand("string", clean));
    EXPECT_EQ(html->piece.AsStringView().data(), clean.data());
}

} // namespace
