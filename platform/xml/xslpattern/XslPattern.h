#pragma once

// XSL Patterns, the older selection language of the XML parser, evaluated by
// translating a pattern into an XPath 1.0 expression that libxml2 evaluates.
//
// Use:
//   facts = XslPattern::FactsOf(document), once per document (optional);
//   auto t = XslPattern::Translate(pattern, bindings, facts);
//   if (!t.ok) -> fail the selection with E_FAIL (t.error says why);
//   call RegisterFunctions(context, &memo) once per context, with an IndexMemo
//   that outlives the context, set context->node to the node the selection
//   starts from, evaluate t.xpath. The result is always a node-set, in
//   document order. Translations name namespaces by URI, so the
//   bound prefixes need not be registered in the context.
//
// Result nodes are ordinary libxml2 nodes with one addition: `@*` and
// `attribute()` also select the namespace declarations an element makes
// itself (its nsDef), because the DOM presents those as attributes. Such a
// node is an xmlNs of type XML_NAMESPACE_DECL in the form libxml2's XPath uses
// for namespace nodes: a copy owned by the node-set (freed with it), whose
// `next` field points to the declaring element and whose `prefix`/`href` are
// those of the declaration (prefix null for a default declaration). Map it to
// the declaring element's nsDef entry with the same prefix. In a result, an
// element's declarations follow its attributes, among themselves in no
// particular order.
//
// Choices where the language leaves room:
// - A numeric filter counts the nodes that survive the filters before it,
//   per parent for a step and over the whole set for a group. index() and
//   end() count among all the nodes the step selects under the same parent,
//   whatever the filters; after a group of several different steps, among
//   the siblings of the same type and name.
// - A comparison holds when some node satisfies it ($all$: every node, and
//   vacuously none). date() compares as instants (ISO 8601, UTC without a
//   zone) and number() as doubles; otherwise the literal decides (text,
//   integers rounded half to even, doubles); with no literal, the numeric
//   methods compare as doubles and the rest as text. Text compares by bytes,
//   which is code-point order; $i..$ operators fold ASCII case. A value that
//   does not convert satisfies no relation, not even !=.
// - `@*[f][n]`, an index after another filter on attributes, counts the
//   attributes and the declarations apart.
// - A group after '/' (`a/(b | c)`) holds relative paths, each continuing
//   the path before the group; its filters count the whole set.
// - Nodes inside entity references are reached as if written in their
//   place: the tree holds a copy of the entity's content where each
//   reference stands (see EntityExpansion.h).
//
// The extension functions are registered without a namespace under names
// starting "xslp-", which no XPath function uses; register them only in
// contexts that evaluate translations.

#include "platform/xml/xslpattern/IndexMemo.h"

#include <libxml/xpathInternals.h>
#include <string>
#include <string_view>
#include <vector>

namespace XslPattern {

// One prefix bound by the "SelectionNamespaces" property.
struct Binding {
    std::string prefix;
    std::string uri;
};

// The outcome of a translation: either ok with the XPath expression, or not
// ok with a message for diagnostics.
struct Translation {
    bool ok;
    std::string xpath;
    std::string error;
};

// What a translation may take for granted about the tree it will be evaluated
// on. Each fact lets it use plain XPath where in general it needs a condition
// or an extension function, which XPath evaluates node by node. The default
// assumes nothing.
struct DocumentFacts {
    // No element written without a prefix is in a namespace (no default
    // namespace is declared): an unprefixed element name, which matches the
    // elements written without a prefix, is an XPath name test.
    bool noDefaultNamespace = false;
    // No entity reference nodes: XPath's '=' and '!=' on a node-set see the
    // same text as the comparison function. libxml2 compares by a hash of
    // the text that leaves out the content of entity references.
    bool noEntityReferences = false;
};

// The facts of a document, from a walk over its whole tree. The DOM never
// changes a tree after loading, so they hold for the tree's lifetime.
DocumentFacts FactsOf(const xmlDoc* document);

// Translates a UTF-8 pattern into an XPath 1.0 expression over libxml2's tree.
// A name whose prefix is bound in `bindings` matches by namespace URI; a
// prefix that is not bound matches the prefix written in the document; an
// unprefixed name matches the names written without a prefix, whatever their
// namespace URI (a default namespace does not hide them).
Translation Translate(std::string_view pattern, const std::vector<Binding>& bindings,
                      const DocumentFacts& facts = {});

// Registers the extension functions the translations use, in the context.
// The memo, kept in the context's `extra` field, lets index() count on from
// the sibling before instead of from the first; it must serve this context
// alone and outlive its evaluations. Without one, every index() counts from
// the first sibling.
void RegisterFunctions(xmlXPathContextPtr context, IndexMemo* memo = nullptr);

// Registers the union function of the translations alone, under `name`, for
// plain XPath whose unions are rewritten as calls (Xml::WithLinearUnions):
// the nodes of any of its node-set arguments, each once, in the order first
// met, which is how libxml2's operator merges them before it sorts;
// XPATH_INVALID_TYPE for an argument that is not a node-set.
void RegisterUnion(xmlXPathContextPtr context, const std::string& name);

} // namespace XslPattern
