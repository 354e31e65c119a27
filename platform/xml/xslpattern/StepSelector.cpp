#include "platform/xml/xslpattern/StepSelector.h"

#include "platform/xml/xslpattern/Signature.h"
#include "platform/xml/xslpattern/XPathLiteral.h"

#include <optional>

namespace XslPattern {

namespace {

const Binding* Bound(std::string_view prefix, const std::vector<Binding>& bindings) {
    for (const Binding& binding : bindings) {
        if (binding.prefix == prefix) {
            return &binding;
        }
    }
    return nullptr;
}

// Whether XPath reads `name` as a name test; non-ASCII names are left to the
// general translation rather than checked against XML's name characters.
bool IsPlainName(std::string_view name) {
    auto start = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    auto rest = [&](char c) { return start(c) || (c >= '0' && c <= '9') || c == '-' || c == '.'; };
    if (name.empty() || !start(name.front())) {
        return false;
    }
    for (char c : name.substr(1)) {
        if (!rest(c)) {
            return false;
        }
    }
    return true;
}

// The condition and signature of a name, common to elements and attributes.
// An unprefixed name matches the nodes written without a prefix, whatever
// their namespace; `plainNames`: no such node is in a namespace, so that the
// XPath name test says the same.
StepSelector NameStep(std::string_view name, const std::vector<Binding>& bindings,
                      bool plainNames) {
    // Strings are moved in whole: GCC 12 at -O2 reports a false overlap
    // (-Wrestrict) in assigning text to a string that might hold some.
    StepSelector selector;
    selector.nodeTest = std::string("*");
    if (name == "*") {
        selector.signature = std::string(Signature::AnyElement);
        return selector;
    }
    std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) {
        selector.signature = Signature::ByWrittenName(name);
        if (plainNames && IsPlainName(name)) {
            selector.nodeTest = std::string(name);
        } else {
            selector.condition = "name()=" + XPathLiteral(name);
        }
        return selector;
    }
    std::string_view prefix = name.substr(0, colon);
    std::string_view local = name.substr(colon + 1);
    if (const Binding* binding = Bound(prefix, bindings)) {
        std::string uri = "namespace-uri()=" + XPathLiteral(binding->uri);
        selector.condition =
            local == "*" ? uri : "local-name()=" + XPathLiteral(local) + " and " + uri;
        selector.signature = Signature::ByNamespace(binding->uri, local);
    } else if (local == "*") {
        selector.condition = "starts-with(name()," + XPathLiteral(std::string(prefix) + ":") + ")";
        selector.signature = Signature::ByWrittenPrefix(prefix);
    } else {
        selector.condition = "name()=" + XPathLiteral(name);
        selector.signature = Signature::ByWrittenName(name);
    }
    return selector;
}

} // namespace

std::string StepSelector::Render(std::string_view filters) const {
    std::string conditionPart = condition.empty() ? "" : "[" + condition + "]";
    switch (axis) {
    case Axis::Self:
        return filters.empty() ? "." : "self::node()" + std::string(filters);
    case Axis::Parent:
        return filters.empty() ? ".." : "parent::node()" + std::string(filters);
    case Axis::Attribute:
        return "@" + nodeTest + conditionPart + std::string(filters);
    case Axis::Child:
        break;
    }
    return nodeTest + conditionPart + std::string(filters);
}

std::string StepSelector::RenderDeclarations(std::string_view filters) const {
    std::string conditionPart =
        declarationCondition.empty() ? "" : "[" + declarationCondition + "]";
    return "namespace::*[xslp-own-ns()]" + conditionPart + std::string(filters);
}

std::string StepSelector::RenderOnSelf() const {
    switch (axis) {
    case Axis::Self:
        return "self::node()";
    case Axis::Parent:
    case Axis::Attribute:
        // Only ever asked of ancestors, which are never attributes.
        return "self::node()[false()]";
    case Axis::Child:
        break;
    }
    return "self::" + nodeTest + (condition.empty() ? "" : "[" + condition + "]");
}

StepSelector ElementStep(std::string_view name, const std::vector<Binding>& bindings,
                         const DocumentFacts& facts) {
    return NameStep(name, bindings, facts.noDefaultNamespace);
}

StepSelector AttributeStep(std::string_view name, const std::vector<Binding>& bindings) {
    // An attribute written without a prefix is in no namespace.
    StepSelector selector = NameStep(name, bindings, true);
    selector.axis = StepSelector::Axis::Attribute;
    selector.signature = Signature::OfAttributes(selector.signature);
    if (name == "*") {
        selector.declarations = StepSelector::Declarations::Also;
    } else if ((name == "xmlns" || name.starts_with("xmlns:")) && !Bound("xmlns", bindings)) {
        // XPath names a namespace node by its prefix, the default one by "".
        selector.declarations = StepSelector::Declarations::Only;
        std::string_view prefix = name == "xmlns" ? "" : name.substr(6);
        if (name == "xmlns") {
            selector.signature = Signature::OfAttributes(Signature::ByWrittenName(name));
        }
        selector.declarationCondition =
            prefix == "*" ? "name()!=''" : "name()=" + XPathLiteral(prefix);
    }
    return selector;
}

StepSelector SelfStep() {
    StepSelector selector;
    selector.axis = StepSelector::Axis::Self;
    selector.signature = std::string(Signature::SameAsSelf);
    return selector;
}

StepSelector ParentStep() {
    StepSelector selector;
    selector.axis = StepSelector::Axis::Parent;
    selector.signature = std::string(Signature::SameAsSelf);
    return selector;
}

std::optional<StepSelector> KindStep(std::string_view method) {
    struct Kind {
        std::string_view method;
        std::string_view nodeTest;
        std::string_view condition;
        std::string_view signature;
    };
    static constexpr Kind kinds[] = {
        {"node", "node()", "", Signature::AnyChild},
        {"text", "text()", "", Signature::TextOrCData},
        {"textnode", "text()", "xslp-node-type()=3", Signature::TextOnly},
        {"cdata", "text()", "xslp-node-type()=4", Signature::CDataOnly},
        {"comment", "comment()", "", Signature::Comment},
        {"pi", "processing-instruction()", "", Signature::Instruction},
    };
    for (const Kind& kind : kinds) {
        if (kind.method == method) {
            StepSelector selector;
            selector.nodeTest = std::string(kind.nodeTest);
            selector.condition = std::string(kind.condition);
            selector.signature = std::string(kind.signature);
            return selector;
        }
    }
    return std::nullopt;
}

} // namespace XslPattern
