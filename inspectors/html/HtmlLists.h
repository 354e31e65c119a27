// The registrations of one kind of list ("unordered list", "ordered list",
// "definition list"): items as strings or as html, each with or without
// attribute text for the list element.
#pragma once

#include "frame/AggregatePropertyRegistration.h"
#include "frame/HostTypeNames.h"
#include "frame/InspectorHook.h"
#include "inspectors/html/Html.h"
#include "inspectors/html/HtmlListAccumulator.h"

template <const ListTags& tags>
class HtmlListRegistrations {
public:
    HtmlListRegistrations(const char* name, const char* pluralName)
        : ofText(name, pluralName, "", StringTypeName(), HtmlTypeName(), InspectorHook)
        , withAttributesOfText(name, pluralName, StringTypeName(), StringTypeName(), HtmlTypeName(),
                               InspectorHook)
        , ofHtml(name, pluralName, "", HtmlTypeName(), HtmlTypeName(), InspectorHook)
        , withAttributesOfHtml(name, pluralName, StringTypeName(), HtmlTypeName(), HtmlTypeName(),
                               InspectorHook) {}

private:
    using State = HtmlList<tags>;

    // In registration order; removed in reverse order.
    AggregatePropertyRegistration<State, Html, string_value> ofText;
    AggregatePropertyRegistration<State, Html, string_value, string_value> withAttributesOfText;
    AggregatePropertyRegistration<State, Html, Html> ofHtml;
    AggregatePropertyRegistration<State, Html, Html, string_value> withAttributesOfHtml;
};
