#include "platform/xml/Selection.h"

#include "platform/xml/LibxmlSession.h"
#include "platform/xml/XPathNames.h"
#include "platform/xml/XPathUnions.h"

#include <algorithm>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>
#include <string>
#include <unordered_map>
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

// A result node as the DOM shows it. Namespace nodes become the attributes
// of the declarations they stand for. Attributes and declarations remember
// the element whose attribute list shows them, for libxml2 puts an element's
// declarations after its attributes, and among themselves in no particular
// order, while the DOM lists them all as they were written.
struct DomResult {
    xmlNodePtr node = nullptr;
    xmlNodePtr owner = nullptr;
};

DomResult DomResultOf(DocumentTree& tree, xmlNodePtr node) {
    if (node->type == XML_ATTRIBUTE_NODE) {
        return {node, node->parent};
    }
    if (node->type != XML_NAMESPACE_DECL) {
        return {node};
    }
    const auto* namespaceNode = reinterpret_cast<const xmlNs*>(node);
    auto* element = reinterpret_cast<xmlNodePtr>(namespaceNode->next);
    for (xmlNodePtr at = element; at != nullptr && at->type == XML_ELEMENT_NODE; at = at->parent) {
        for (xmlNsPtr declaration = at->nsDef; declaration != nullptr;
             declaration = declaration->next) {
            if (xmlStrEqual(declaration->prefix, namespaceNode->prefix)) {
                return {reinterpret_cast<xmlNodePtr>(tree.NamespaceAttribute(declaration)), at};
            }
        }
    }
    // The implicit xml namespace: nothing declares it.
    return {};
}

// Puts the results in the DOM's document order: libxml2 sorts the nodes of a
// set, but not its namespace nodes against the rest, so a union such as
// `r/@* | r` would list the declarations before their element. An element
// comes first, then its attributes and declarations in the order of its
// attribute list, then what it contains.
void SortInDomOrder(DocumentTree& tree, std::vector<DomResult>& results) {
    std::unordered_map<xmlNodePtr, std::size_t> rank; // an attribute's place, from 1
    std::unordered_set<xmlNodePtr> listed;
    for (const DomResult& result : results) {
        if (result.owner != nullptr && listed.insert(result.owner).second) {
            std::size_t place = 0;
            for (xmlNodePtr shown : tree.AttributesOf(result.owner)) {
                rank.emplace(shown, ++place);
            }
        }
    }
    const auto keyOf = [](const DomResult& r) { return r.owner != nullptr ? r.owner : r.node; };
    const auto rankOf = [&rank](const DomResult& r) {
        return r.owner != nullptr ? rank[r.node] : std::size_t{0};
    };
    std::stable_sort(results.begin(), results.end(),
                     [&](const DomResult& a, const DomResult& b) {
                         const xmlNodePtr first = keyOf(a);
                         const xmlNodePtr second = keyOf(b);
                         if (first != second) {
                             return xmlXPathCmpNodes(first, second) == 1;
                         }
                         return rankOf(a) < rankOf(b);
                     });
}

} // namespace

HRESULT SelectNodes(DocumentTree& tree, xmlNodePtr context, std::string_view expression,
                    const SelectionSettings& settings, std::vector<xmlNodePtr>& nodes) {
    if (!settings.namespacesValid) {
        return E_FAIL;
    }
    EnsureLibxmlReady();
    std::string xpath;
    std::string unionFunction;
    if (settings.language == SelectionLanguage::XslPattern) {
        XslPattern::Translation translation =
            XslPattern::Translate(expression, settings.bindings, tree.PatternFacts());
        if (!translation.ok) {
            return E_FAIL;
        }
        xpath = std::move(translation.xpath);
    } else {
        UnionRewrite rewrite = WithLinearUnions(WithReadableNames(expression, settings.bindings));
        xpath = std::move(rewrite.xpath);
        unionFunction = std::move(rewrite.function);
    }
    // Sorting what a union merges compares nodes from all over the tree;
    // other results come sorted, and a plain path spares the walk.
    if (!unionFunction.empty() || xpath.find("xslp-union(") != std::string::npos ||
        xpath.find("xslp-intersect(") != std::string::npos) {
        tree.NumberElements();
    }
    ErrorCapture capture;
    XslPattern::IndexMemo memo; // outlives the context that points to it
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
        XslPattern::RegisterFunctions(evaluation.get(), &memo);
    } else if (!unionFunction.empty()) {
        XslPattern::RegisterUnion(evaluation.get(), unionFunction);
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
    std::vector<DomResult> namespaceResults;
    bool mapping = false;
    for (int i = 0; i < set->nodeNr; ++i) {
        if (set->nodeTab[i]->type == XML_NAMESPACE_DECL && !mapping) {
            mapping = true;
            for (xmlNodePtr earlier : nodes) {
                namespaceResults.push_back(DomResultOf(tree, earlier));
            }
        }
        if (!mapping) {
            nodes.push_back(set->nodeTab[i]);
        } else if (DomResult result = DomResultOf(tree, set->nodeTab[i]); result.node) {
            namespaceResults.push_back(result);
        }
    }
    if (!mapping) {
        // Nothing for the set to free but itself: spares xmlXPathFreeObject
        // a look at every node.
        result->nodesetval->nodeNr = 0;
    } else {
        SortInDomOrder(tree, namespaceResults);
        std::unordered_set<xmlNodePtr> seen;
        nodes.clear();
        for (const DomResult& result : namespaceResults) {
            if (seen.insert(result.node).second) {
                nodes.push_back(result.node);
            }
        }
    }
    return S_OK;
}

} // namespace Xml
