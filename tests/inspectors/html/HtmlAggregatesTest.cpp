// The html aggregates: "attr list", the concatenations and the lists, over
// plurals of every size, and begun again in the same state.
#include "tests/inspectors/html/HtmlFixture.h"

#include <gtest/gtest.h>

using namespace RecordingHost;

namespace {

class HtmlAggregates : public HtmlVocabulary {
protected:
    const void* Pair(std::string_view name, std::string_view value) {
        return Tuple({Operand("string", name), Operand("string", value)});
    }

    // Two evaluations in one state, the second begun after the first's adds:
    // the text of the second.
    std::string SecondEvaluation(const AggregatePropertyCall& call, const void* first,
                                 const void* second) {
        const void* index = nullptr;
        Storage storage(call.stateSize), result(64);
        void* state = call.constructState(storage.Address());
        for (const void* element : {first, second}) {
            for (AggregateCallback slot : {call.begin, call.add}) {
                EXPECT_THROW(slot(result.Address(), index, element, state, call.registration),
                             NoSuchObject);
            }
        }
        call.finish(result.Address(), index, nullptr, state, call.registration);
        const std::string text = call.resultType == "html"
                                     ? Text(*static_cast<const Html*>(result.Address()))
                                     : static_cast<const ConstData*>(result.Address())->AsString();
        call.destroyState(state);
        return text;
    }
};

TEST_F(HtmlAggregates, AttrListWritesNamesAsTheyAreAndValuesEscaped) {
    const auto attrList = Find<AggregatePropertyCall>("attr list");
    const std::vector<const void*> pairs = {Pair("n", R"(say "hi")"), Pair("on<click", "x"),
                                            Pair("", "v"), Pair("m", "")};
    EXPECT_EQ(RunAggregate<HtmlAttributeList>(attrList, pairs)->AsStringView(),
              R"(n="say &quot;hi&quot;" on<click="x" ="v" m="")");
    const auto none = RunAggregate<HtmlAttributeList>(attrList, std::vector<const void*>());
    EXPECT_TRUE(none->Start() == nullptr && none->IsEmpty());
}

TEST_F(HtmlAggregates, ConcatenationsAndListsJoinTheirElements) {
    const struct {
        std::string_view name, indexType, elementType, index;
        std::vector<std::string_view> elements;
        std::string_view text;
    } cases[] = {
        {"concatenation", "", "html", "", {"a", "<b>b</b>", "c"}, "a<b>b</b>c"},
        {"concatenation", "string", "html", "<br/>", {"x"}, "x"},
        {"concatenation", "string", "html", ", ", {}, ""},
        {"concatenation", "html", "string", "<br/>", {"a<b", "c"}, "a&lt;b<br/>c"},
        {"concatenation", "html", "html", "|", {"a", "", "b"}, "a||b"},
        {"html concatenation", "", "html", "", {"a", "b"}, "ab"},
        {"html concatenation", "string", "html", "<br/>", {"a", "b"}, "a<br/>b"},
        {"unordered list", "", "html", "", {"<b>x</b>", ""}, "<ul><li><b>x</b></li><li></li></ul>"},
        {"unordered list", "string", "html", "", {"a"}, "<ul><li>a</li></ul>"},
        {"definition list",
         "",
         "string",
         "",
         {"a", "b", "c", "d"},
         "<dl><dt>a</dt><dd>b</dd><dt>c</dt><dd>d</dd></dl>"},
        // No items: the empty list element.
        {"ordered list", "", "html", "", {}, "<ol></ol>"},
        {"unordered list", "string", "string", "class=x", {}, "<ul class=x></ul>"},
    };
    for (const auto& c : cases) {
        std::vector<const void*> elements;
        for (std::string_view text : c.elements) {
            elements.push_back(Operand(c.elementType, text));
        }
        const void* index = c.indexType.empty() ? nullptr : Operand(c.indexType, c.index);
        const auto call = Find<AggregatePropertyCall>(c.name, c.elementType, c.indexType);
        EXPECT_EQ(Text(RunAggregate<Html>(call, elements, index)), c.text) << c.name;
    }
}

TEST_F(HtmlAggregates, BeginStartsANewText) {
    EXPECT_EQ(
        SecondEvaluation(Find<AggregatePropertyCall>("attr list"), Pair("a", "1"), Pair("b", "2")),
        R"(b="2")");
    EXPECT_EQ(SecondEvaluation(Find<AggregatePropertyCall>("definition list", "string", ""),
                               Operand("string", "a"), Operand("string", "b")),
              "<dl><dt>b</dt></dl>");
}

} // namespace
