// The "html" type and what the query language does with html values: make
// one from markup, convert between html and strings, and concatenate html
// with html or with (escaped) strings in constant time.
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/HtmlEscape.h"

namespace {

Html FromMarkup(const string_value& markup) {
    return HtmlFromMarkup(BytesOf(markup));
}

Html FromText(const string_value& text) {
    return HtmlFromText(BytesOf(text));
}

Html Same(const Html& html) {
    return html;
}

Html AppendText(const Html& left, const string_value& right) {
    return Html{&left, HtmlEscape(BytesOf(right)), nullptr};
}

Html PrependText(const string_value& left, const Html& right) {
    return Html{nullptr, HtmlEscape(BytesOf(left)), &right};
}

Html Join(const Html& left, const Html& right) {
    return Html{&left, ConstData(), &right};
}

ValueTypeRegistration<Html> htmlType(HtmlTypeName());

PropertyRegistration<Html, string_value> htmlOfMarkup("html", "htmls", StringTypeName(), "",
                                                      HtmlTypeName(), FromMarkup, InspectorHook);

CastRegistration<string_value, Html> stringOfHtml("string", HtmlTypeName(), StringTypeName(),
                                                  RopeToString, InspectorHook);
CastRegistration<Html, string_value> htmlOfText("html", StringTypeName(), HtmlTypeName(), FromText,
                                                InspectorHook);
CastRegistration<Html, Html> htmlOfHtml("html", HtmlTypeName(), HtmlTypeName(), Same,
                                        InspectorHook);

BinaryOperatorRegistration<Html, Html, string_value> htmlThenText(OperatorConcatenate,
                                                                  HtmlTypeName(), StringTypeName(),
                                                                  HtmlTypeName(), AppendText,
                                                                  InspectorHook);
BinaryOperatorRegistration<Html, string_value, Html> textThenHtml(OperatorConcatenate,
                                                                  StringTypeName(), HtmlTypeName(),
                                                                  HtmlTypeName(), PrependText,
                                                                  InspectorHook);
BinaryOperatorRegistration<Html, Html, Html> htmlThenHtml(OperatorConcatenate, HtmlTypeName(),
                                                          HtmlTypeName(), HtmlTypeName(), Join,
                                                          InspectorHook);

} // namespace
