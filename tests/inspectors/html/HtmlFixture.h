// Drives the registered html vocabulary through the recording host, which
// keeps every value and aggregate state until the test ends, as the host
// keeps those of one evaluation until its results have been rendered.
#pragma once

#include "frame/TupleElement.h"
#include "inspectors/html/Html.h"
#include "tests/support/InspectorLibrary.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

class HtmlVocabulary : public LoadedInspectors {
protected:
    // The "html" property: markup as it is. Texts must outlive the test.
    const Html& Markup(std::string_view markup) {
        const string_value index = RecordingHost::StringValue(markup);
        return *RecordingHost::Evaluate<Html>(html, &index, nullptr);
    }

    // A "string" operand, or an "html" one over the same text.
    const void* Operand(std::string_view type, std::string_view text) {
        if (type == "html") {
            return &Markup(text);
        }
        return &strings.emplace_back(RecordingHost::StringValue(text));
    }

    // A tuple value over the given component values.
    const TupleNode* Tuple(const std::vector<const void*>& components) {
        std::vector<TupleNode>& nodes = tuples.emplace_back(components.size());
        for (std::size_t i = nodes.size(); i-- > 0;) {
            nodes[i] = {components[i], i + 1 < nodes.size() ? &nodes[i + 1] : nullptr};
        }
        return nodes.data();
    }

    // The text of an html value, through its cast to "string"; "(no value)"
    // for a call that had none.
    std::string Text(const Html& value) {
        return std::string(
            RecordingHost::View(*RecordingHost::Evaluate<string_value>(asString, &value)));
    }
    std::string Text(const RecordingHost::Produced<Html>& value) {
        return value ? Text(*value) : "(no value)";
    }

private:
    const RecordingHost::PropertyCall html =
        RecordingHost::Find<RecordingHost::PropertyCall>("html", "", "string");
    const RecordingHost::CastCall asString =
        RecordingHost::Find<RecordingHost::CastCall>("string", "html");
    std::deque<string_value> strings;
    std::deque<std::vector<TupleNode>> tuples;
};
