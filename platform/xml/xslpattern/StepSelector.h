#pragma once

// What one step of a path selects, as XPath: the node test on its axis, an
// extra condition for what XPath tests cannot say (names as written whatever
// their namespace, text without CDATA ...), and the signature index() and end()
// count the step's nodes by.

#include "platform/xml/xslpattern/XslPattern.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace XslPattern {

struct StepSelector {
    enum class Axis { Child, Attribute, Self, Parent };

    Axis axis = Axis::Child;
    std::string nodeTest;
    std::string condition;
    std::string signature;
    // The DOM shows an element's namespace declarations as attributes: `@*`
    // and attribute() take them in, `@xmlns` and `@xmlns:p` select only them.
    enum class Declarations { None, Also, Only };
    Declarations declarations = Declarations::None;
    std::string declarationCondition;

    // The step on its own axis, followed by the rendered filters.
    std::string Render(std::string_view filters) const;
    // The namespace-declaration part of the step.
    std::string RenderDeclarations(std::string_view filters) const;
    // A path that is not empty exactly when the context node passes the test.
    std::string RenderOnSelf() const;
};

// Element steps: "*", "name", "prefix:name", "prefix:*".
StepSelector ElementStep(std::string_view name, const std::vector<Binding>& bindings,
                         const DocumentFacts& facts);
// Attribute steps, the same forms after "@".
StepSelector AttributeStep(std::string_view name, const std::vector<Binding>& bindings);
StepSelector SelfStep();
StepSelector ParentStep();

// The step a node method stands for (node(), text(), comment() ...), or
// nothing when `method` is not one taking no argument.
std::optional<StepSelector> KindStep(std::string_view method);

} // namespace XslPattern
