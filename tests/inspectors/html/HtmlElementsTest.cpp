// The tag family and "html tag": elements around escaped text or html, with
// attribute text taken as it is, and tag names given as data.
#include "tests/inspectors/html/HtmlFixture.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

using HtmlElements = HtmlVocabulary;

TEST_F(HtmlElements, RenderTheirContentAndAttributeText) {
    const struct {
        std::string_view name, indexType, objectType, index, object, text;
    } cases[] = {
        {"div", "", "html", "", "<b>x</b>", "<div><b>x</b></div>"},
        {"div", "string", "html", R"(t="<">)", "y", R"(<div t="<">>y</div>)"},
        {"div", "string", "string", "", "y", "<div>y</div>"},
        {"td", "", "string", "", "", "<td></td>"},
        {"meta", "", "string", "", "", "<meta></meta>"},
        {"italic", "", "html", "", "t", "<i>t</i>"},
        {"br", "", "", "", "", "<br/>"},
        {"hr", "string", "", "", "", "<hr/>"},
        {"html tag", "string", "html", "span  class=x", "t", "<span  class=x>t</span>"},
        {"html tag", "string", "string", "span ", "t&", "<span>t&amp;</span>"},
        {"html tag", "string", "html", "span\tx=1", "<b/>", "<span x=1><b/></span>"},
        {"html tag", "string", "string", " span", "t", "(no value)"},
    };
    for (const auto& c : cases) {
        const auto call = Find<PropertyCall>(c.name, c.objectType, c.indexType);
        EXPECT_EQ(
            Text(Evaluate<Html>(call, Operand("string", c.index), Operand(c.objectType, c.object))),
            c.text)
            << c.name << " " << c.index;
    }
}

// The name is element 0, whole: it is not split at white space.
TEST_F(HtmlElements, HtmlTagOfATupleTakesTheNameWhole) {
    const void* name = Operand("string", "span class=x");
    const void* text = Operand("string", "t<");
    const void* bold = Operand("html", "<b>x</b>");
    const HtmlAttributeList attributes = ConstData(R"(a="1")");
    const auto tag = [&](const char* type, const std::vector<const void*>& components) {
        return Text(
            Evaluate<Html>(Find<PropertyCall>("html tag", "", type), Tuple(components), nullptr));
    };
    EXPECT_EQ(tag("( string, string )", {name, text}), "<span class=x>t&lt;</span class=x>");
    EXPECT_EQ(tag("( string, string )", {Operand("string", ""), text}), "(no value)");
    EXPECT_EQ(tag("( string, html )", {name, bold}), "<span class=x><b>x</b></span class=x>");
    EXPECT_EQ(tag("( string, html attribute list, html )", {name, &attributes, bold}),
              R"(<span class=x a="1"><b>x</b></span class=x>)");
}

} // namespace
