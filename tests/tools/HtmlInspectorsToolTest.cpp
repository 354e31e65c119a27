// The html vocabulary through the built tool: exactly what it prints.
#include "tests/support/Process.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(HtmlInspectorsTool, PrintsTheMarkupOfEachQuery) {
    const std::pair<std::string, std::string> cases[] = {
        {R"(div of "a<b")", "<div>a&lt;b</div>"},
        {R"(div "class=x" of "y")", "<div class=x>y</div>"},
        {R"(br "clear=all")", "<br clear=all/>"},
        {R"(anchor "href=u" of "t")", "<a href=u>t</a>"},
        {R"(html "<b>x</b>")", "<b>x</b>"},
        {R"("<b>x</b>" as html)", "&lt;b&gt;x&lt;/b&gt;"},
        {R"(html of "x")", "<html>x</html>"},
        {R"(html tag "span class=x" of "t")", "<span class=x>t</span>"},
        {R"(html tag ("span", attr list of (("class", "a b"); ("title", "x<y")), "t"))",
         R"(<span class="a b" title="x&lt;y">t</span>)"},
        {R"(ordered list "type=a" of ("1<2"; "3"))", "<ol type=a><li>1&lt;2</li><li>3</li></ol>"},
        {R"(definition list of ("x"; "y"; "z"))", "<dl><dt>x</dt><dd>y</dd><dt>z</dt></dl>"},
        {R"(concatenation ", " of (html "x"; html "y"))", "x, y"},
        {R"(unordered list "class=x" of ())", "<ul class=x></ul>"},
        {R"(attr list of ("a", "b"))", "<html attribute list>"},
    };
    std::string arguments, out;
    for (const auto& [query, markup] : cases) {
        arguments += " '" + query + "'";
        out += markup + "\n";
    }
    const ProcessOutcome run = RunVeritor(arguments + R"( 'html tag "" of "t"')");
    EXPECT_EQ(run.out, out);
    EXPECT_EQ(run.err, "error: no value\n");
    EXPECT_EQ(run.status, 1);
}

} // namespace
