// Drives the registered html vocabulary through the recording host, which
// keeps every value until the test ends, as the host keeps those of one
// evaluation until its results have been rendered.
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
    // A value of `type` over `text`, which must outlive the test: a "string",
    // "html" markup as it is, an attribute list's text, or a tuple whose
    // component texts are written apart by '|'.
    const void* Operand(std::string_view type, std::string_view text) {
        if (type == "html") {
            return RecordingHost::Evaluate(html, Operand("string", text), nullptr);
        }
        if (type == "html attribute list") {
            return &lists.emplace_back(text);
        }
        if (!type.starts_with("( ")) {
            return &strings.emplace_back(RecordingHost::StringValue(text));
        }
        std::vector<const void*> components;
        for (type = type.substr(2, type.size() - 4);;) {
            const std::size_t typeEnd = std::min(type.find(", "), type.size());
            const std::size_t textEnd = std::min(text.find('|'), text.size());
            components.push_back(Operand(type.substr(0, typeEnd), text.substr(0, textEnd)));
            if (typeEnd == type.size()) {
                break;
            }
            type = type.substr(typeEnd + 2);
            text = text.substr(std::min(textEnd + 1, text.size()));
        }
        return Tuple(components);
    }

    const TupleNode* Tuple(const std::vector<const void*>& components) {
        std::vector<TupleNode>& nodes = tuples.emplace_back(components.size());
        for (std::size_t i = nodes.size(); i-- > 0;) {
            nodes[i] = {components[i], i + 1 < nodes.size() ? &nodes[i + 1] : nullptr};
        }
        return nodes.data();
    }

    // The text of an "html" value, through its cast to "string", or of an
    // attribute list; "(no value)" for none.
    std::string Text(const void* value, std::string_view type = "html") {
        if (value == nullptr) {
            return "(no value)";
        }
        if (type == "html") {
            return std::string(
                RecordingHost::View(*RecordingHost::Evaluate<string_value>(asString, value)));
        }
        return static_cast<const HtmlAttributeList*>(value)->AsString();
    }

private:
    const RecordingHost::PropertyCall html =
        RecordingHost::Find<RecordingHost::PropertyCall>("html", "", "string");
    const RecordingHost::CastCall asString =
        RecordingHost::Find<RecordingHost::CastCall>("string", "html");
    std::deque<string_value> strings;
    std::deque<HtmlAttributeList> lists;
    std::deque<std::vector<TupleNode>> tuples;
};
