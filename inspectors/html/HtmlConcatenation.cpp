// "concatenation" and "html concatenation": a plural of html values (or of
// strings, escaped) joined into one html value, optionally with a separator
// between consecutive elements. Unlike the "&" operator, which links its
// operands in constant time, these copy every element's text once into one
// accumulator, so that the result is a single piece.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/HtmlAccumulator.h"

namespace {

// One state class serves every form; the forms differ in what they add.
// The host's word before each element is always null.
class HtmlConcatenation : public HtmlAccumulator {
public:
    Html Begin() {
        Clear();
        throw NoSuchObject();
    }

    Html BeginAlt() { Unsupported(); }

    Html Add(const void* /*alwaysNull*/, const Html& element) {
        AppendHtml(element);
        throw NoSuchObject();
    }
    // A string separator is markup, written as it is.
    Html Add(const string_value& separator, const void* /*alwaysNull*/, const Html& element) {
        Separate(separator);
        AppendHtml(element);
        throw NoSuchObject();
    }
    Html Add(const Html& separator, const void* /*alwaysNull*/, const string_value& element) {
        Separate(separator);
        AppendEscaped(BytesOf(element));
        throw NoSuchObject();
    }
    Html Add(const Html& separator, const void* /*alwaysNull*/, const Html& element) {
        Separate(separator);
        AppendHtml(element);
        throw NoSuchObject();
    }

    Html AddAlt(const void*, const Html&) { Unsupported(); }
    Html AddAlt(const string_value&, const void*, const Html&) { Unsupported(); }
    Html AddAlt(const Html&, const void*, const string_value&) { Unsupported(); }
    Html AddAlt(const Html&, const void*, const Html&) { Unsupported(); }

    // A view of the accumulated text, not a copy: see HtmlAccumulator.
    Html Finish() { return HtmlFromMarkup(View()); }

    Html FinishAlt() { throw NoSuchObject(); }

private:
    // The separator goes between elements: before every element but the first.
    template <typename Separator>
    void Separate(const Separator& separator) {
        if (!Start()) {
            return;
        }
        if constexpr (std::is_same_v<Separator, Html>) {
            AppendHtml(separator);
        } else {
            Append(BytesOf(separator));
        }
    }

    [[noreturn]] static void Unsupported() {
        ASSERT(false);
        throw NoSuchObject();
    }
};

template <typename Element, typename Separator = NoOperand>
class Concatenation
    : public SharedStateAggregateRegistration<HtmlConcatenation, Html, Element, Separator> {
public:
    Concatenation(const char* name, const char* pluralName, const char* separatorType,
                  const char* elementType)
        : SharedStateAggregateRegistration<HtmlConcatenation, Html, Element, Separator>(
              name, pluralName, separatorType, elementType, HtmlTypeName(),
              {&HtmlConcatenation::Begin, &HtmlConcatenation::BeginAlt, &HtmlConcatenation::Add,
               &HtmlConcatenation::AddAlt, &HtmlConcatenation::Finish,
               &HtmlConcatenation::FinishAlt},
              InspectorHook) {}
};

Concatenation<Html> concatenation("concatenation", "concatenations", "", HtmlTypeName());
Concatenation<Html, string_value> separatedByString("concatenation", "concatenations",
                                                    StringTypeName(), HtmlTypeName());
Concatenation<string_value, Html> textSeparatedByHtml("concatenation", "concatenations",
                                                      HtmlTypeName(), StringTypeName());
Concatenation<Html, Html> separatedByHtml("concatenation", "concatenations", HtmlTypeName(),
                                          HtmlTypeName());
Concatenation<Html> htmlConcatenation("html concatenation", "html concatenations", "",
                                      HtmlTypeName());
Concatenation<Html, string_value> htmlSeparatedByString("html concatenation", "html concatenations",
                                                        StringTypeName(), HtmlTypeName());

} // namespace
