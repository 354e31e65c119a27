#include "platform/xml/Selection.h"

#include "platform/xml/LibxmlSession.h"

#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>
#include <string>
#include <unordered_set>

namespace Xml {

namespace {

struct ContextDeleter {
    void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
};
struct ObjectDeleter {
    void operator()(xmlXPathObjectPtr object) const { xmlXPathFreeObject(object); }
};

const xmlChar* Utf8(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

// The declaration, on `element` or its nearest ancestor, that a namespace
// node found on `element` stands for.
xmlNsPtr DeclarationOf(xmlNodePtr element, const xmlNs* node) {
    for (xmlNodePtr at = element; at != nullptr && at->type == XML_ELEMENT_NODE; at = at->parent) {
        for (xmlNsPtr declaration = at->nsDef; declaration != nullptr;
             declaration = declaration->next) {
            if (xmlStrEqual(declaration->prefix, node->prefix)) {
                return declaration;
            }
        }
    }
    return nullptr;
}

xmlNodePtr DomNodeOf(DocumentTree& tree, xmlNodePtr node) {
    if (node->type != XML_NAMESPACE_DECL) {
        return node;
    }
    const auto* namespaceNode = reinterpret_cast<const xmlNs*>(node);
    auto* element = reinterpret_cast<xmlNodePtr>(namespaceNode->next);
    if (element == nullptr || element->type != XML_ELEMENT_NODE) {
        return nullptr;
    }
    xmlNsPtr declaration = DeclarationOf(element, namespaceNode);
    return declaration != nullptr
               ? reinterpret_cast<xmlNodePtr>(tree.NamespaceAttribute(declaration))
               : nullptr;
}

} // namespace

HRESULT SelectNodes(DocumentTree& tree, xmlNodePtr context, std::string_view expression,
                    const SelectionSettings& settings, std::vector<xmlNodePtr>& nodes) {
    EnsureLibxmlReady();
    std::string xpath(expression);
    if (settings.language == SelectionLanguage::XslPattern) {
        XslPattern::Translation translation = XslPattern::Translate(expression, settings.bindings);
        if (!translation.ok) {
            return E_FAIL;
        }
        xpath = std::move(translation.xpath);
    }
    ErrorCapture capture;
    std::unique_ptr<xmlXPathContext, ContextDeleter> evaluation(
        xmlXPathNewContext(tree.Document()));
    if (!evaluation) {
        return E_OUTOFMEMORY;
    }
    evaluation->error = &ErrorCapture::Receive;
    evaluation->userData = &capture;
    evaluation->node = context;
    for (const XslPattern::Binding& binding : settings.bindings) {
        if (xmlXPathRegisterNs(evaluation.get(), Utf8(binding.prefix), Utf8(binding.uri)) != 0) {
            return E_FAIL;
        }
    }
    if (settings.language == SelectionLanguage::XslPattern) {
        XslPattern::RegisterFunctions(evaluation.get());
    }
    std::unique_ptr<xmlXPathObject, ObjectDeleter> result(
        xmlXPathEvalExpression(Utf8(xpath), evaluation.get()));
    if (!result || result->type != XPATH_NODESET) {
        return E_FAIL;
    }
    nodes.clear();
    const xmlNodeSet* set = result->nodesetval;
    if (set == nullptr) {
        return S_OK;
    }
    nodes.reserve(static_cast<std::size_t>(set->nodeNr));
    bool sawNamespaceNode = false;
    for (int i = 0; i < set->nodeNr; ++i) {
        sawNamespaceNode = sawNamespaceNode || set->nodeTab[i]->type == XML_NAMESPACE_DECL;
        if (xmlNodePtr node = DomNodeOf(tree, set->nodeTab[i])) {
            nodes.push_back(node);
        }
    }
    if (sawNamespaceNode) {
        std::unordered_set<xmlNodePtr> seen;
        std::erase_if(nodes, [&seen](xmlNodePtr node) { return !seen.insert(node).second; });
    }
    return S_OK;
}

} // namespace Xml
