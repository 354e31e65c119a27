#include "Selection.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <map>

namespace XslPatternTest {

namespace {

void Discard(void*, xmlErrorPtr) {}
void DiscardGeneric(void*, const char*, ...) {}

std::string Text(const xmlChar* text) {
    return text ? reinterpret_cast<const char*>(text) : "";
}

std::string QualifiedName(xmlNodePtr node) {
    std::string name = Text(node->name);
    return node->ns && node->ns->prefix ? Text(node->ns->prefix) + ":" + name : name;
}

void LabelElements(xmlNodePtr node, std::map<std::string, int>& counts,
                   std::map<xmlNodePtr, std::string>& labels) {
    for (; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE) {
            std::string name = QualifiedName(node);
            labels[node] = name + std::to_string(counts[name]++);
            LabelElements(node->children, counts, labels);
        }
    }
}

std::map<xmlNodePtr, std::string> ElementLabels(const Document& document) {
    std::map<std::string, int> counts;
    std::map<xmlNodePtr, std::string> labels;
    LabelElements(document->children, counts, labels);
    return labels;
}

std::string Label(xmlNodePtr node, const std::map<xmlNodePtr, std::string>& elements) {
    if (node->type == XML_NAMESPACE_DECL) {
        auto ns = reinterpret_cast<xmlNsPtr>(node);
        std::string owner = elements.at(reinterpret_cast<xmlNodePtr>(ns->next));
        // Appended: GCC 12 -O2 warns falsely (-Wrestrict) on "text" + string.
        owner.append("@xmlns");
        if (ns->prefix) {
            owner.append(":").append(Text(ns->prefix));
        }
        return owner;
    }
    switch (node->type) {
    case XML_ELEMENT_NODE:
        return elements.at(node);
    case XML_ATTRIBUTE_NODE:
        return elements.at(node->parent) + "@" + QualifiedName(node);
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        return std::string("'").append(Text(node->content)).append("'");
    case XML_COMMENT_NODE:
        return "comment";
    case XML_PI_NODE:
        return std::string("?").append(Text(node->name));
    case XML_DOCUMENT_NODE:
        return "/";
    default:
        return "type " + std::to_string(node->type);
    }
}

struct ContextDeleter {
    void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
};
struct ObjectDeleter {
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

} // namespace

Document Parse(std::string_view xml, bool declaration) {
    xmlSetGenericErrorFunc(nullptr, DiscardGeneric);
    xmlSetStructuredErrorFunc(nullptr, Discard);
    Document document(xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr,
                                    XML_PARSE_NOBLANKS | XML_PARSE_NONET));
    if (document && declaration) {
        xmlNodePtr pi = xmlNewDocPI(document.get(), reinterpret_cast<const xmlChar*>("xml"),
                                    reinterpret_cast<const xmlChar*>("version=\"1.0\""));
        if (document->children) {
            xmlAddPrevSibling(document->children, pi);
        } else {
            xmlAddChild(reinterpret_cast<xmlNodePtr>(document.get()), pi);
        }
    }
    return document;
}

Outcome Evaluate(const Document& document, const std::string& expression, xmlNodePtr context) {
    Outcome outcome;
    outcome.translated = true;
    std::unique_ptr<xmlXPathContext, ContextDeleter> xpath(xmlXPathNewContext(document.get()));
    xpath->error = Discard;
    XslPattern::RegisterFunctions(xpath.get());
    xpath->node = context ? context : reinterpret_cast<xmlNodePtr>(document.get());
    std::unique_ptr<xmlXPathObject, ObjectDeleter> result(
        xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expression.c_str()), xpath.get()));
    if (!result || result->type != XPATH_NODESET) {
        outcome.error = "evaluation failed: " + expression;
        return outcome;
    }
    outcome.evaluated = true;
    auto labels = ElementLabels(document);
    if (result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
            outcome.nodes.push_back(Label(result->nodesetval->nodeTab[i], labels));
        }
    }
    return outcome;
}

Outcome Select(const Document& document, std::string_view pattern,
               const std::vector<XslPattern::Binding>& bindings, xmlNodePtr context, Facts facts) {
    XslPattern::Translation translation =
        XslPattern::Translate(pattern, bindings,
                              facts == Facts::OfDocument ? XslPattern::FactsOf(document.get())
                                                         : XslPattern::DocumentFacts{});
    if (!translation.ok) {
        Outcome outcome;
        outcome.error = translation.error;
        return outcome;
    }
    return Evaluate(document, translation.xpath, context);
}

xmlNodePtr Element(const Document& document, std::string_view label) {
    for (const auto& [node, name] : ElementLabels(document)) {
        if (name == label) {
            return node;
        }
    }
    return nullptr;
}

} // namespace XslPatternTest
