// "html tag": an element whose name is data. The string forms take a tag
// text, the name followed by one white-space byte and attribute text
// ("span class=x"); the tuple forms take the name whole, with attribute
// text from an "html attribute list". An empty name has no element.
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/PropertyRegistration.h"
#include "frame/TupleElement.h"
#include "frame/TupleTypeNames.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/RenderElement.h"
#include "universe/ascii/CharacterClasses.h"

#include <algorithm>

namespace {

struct TagParts {
    ConstData name;
    ConstData attributes;
};

// The name runs up to the first white-space byte; the attribute text is
// everything after that one byte, further white space included.
TagParts Split(const string_value& tagText) {
    const ConstData text = BytesOf(tagText);
    const uint8* space = std::find_if(text.Start(), text.End(), Ascii::IsWhiteSpace);
    if (space == text.End()) {
        return {text, ConstData()};
    }
    return {ConstData(text.Start(), space), ConstData(space + 1, text.End())};
}

ConstData NameIn(const TupleNode& tuple) {
    return BytesOf(TupleComponent<string_value>(0, tuple));
}

Html OfText(const string_value& tagText, const string_value& text) {
    const TagParts tag = Split(tagText);
    return RenderTextElement(tag.name, tag.attributes, BytesOf(text));
}

Html OfHtml(const string_value& tagText, const Html& content) {
    const TagParts tag = Split(tagText);
    return RenderElement(tag.name, tag.attributes, content);
}

Html OfNameAndText(const TupleNode& tuple) {
    return RenderTextElement(NameIn(tuple), ConstData(),
                             BytesOf(TupleComponent<string_value>(1, tuple)));
}

Html OfNameAndHtml(const TupleNode& tuple) {
    return RenderElement(NameIn(tuple), ConstData(), TupleComponent<Html>(1, tuple));
}

Html OfNameAttributesAndText(const TupleNode& tuple) {
    return RenderTextElement(NameIn(tuple), TupleComponent<HtmlAttributeList>(1, tuple),
                             BytesOf(TupleComponent<string_value>(2, tuple)));
}

Html OfNameAttributesAndHtml(const TupleNode& tuple) {
    return RenderElement(NameIn(tuple), TupleComponent<HtmlAttributeList>(1, tuple),
                         TupleComponent<Html>(2, tuple));
}

PropertyRegistration<Html, string_value, string_value> tagOfText("html tag", "html tags",
                                                                 StringTypeName(), StringTypeName(),
                                                                 HtmlTypeName(), OfText,
                                                                 InspectorHook);
PropertyRegistration<Html, string_value, Html> tagOfHtml("html tag", "html tags", StringTypeName(),
                                                         HtmlTypeName(), HtmlTypeName(), OfHtml,
                                                         InspectorHook);
PropertyRegistration<Html, TupleNode> tagOfNameAndText("html tag", "html tags",
                                                       StringStringTupleTypeName(), "",
                                                       HtmlTypeName(), OfNameAndText,
                                                       InspectorHook);
PropertyRegistration<Html, TupleNode> tagOfNameAndHtml("html tag", "html tags",
                                                       StringHtmlTupleTypeName(), "",
                                                       HtmlTypeName(), OfNameAndHtml,
                                                       InspectorHook);
PropertyRegistration<Html, TupleNode>
    tagOfNameAttributesAndText("html tag", "html tags", StringAttributeListStringTupleTypeName(),
                               "", HtmlTypeName(), OfNameAttributesAndText, InspectorHook);
PropertyRegistration<Html, TupleNode>
    tagOfNameAttributesAndHtml("html tag", "html tags", StringAttributeListHtmlTupleTypeName(), "",
                               HtmlTypeName(), OfNameAttributesAndHtml, InspectorHook);

} // namespace
