#pragma once

// Runs patterns the way the DOM does: parse with libxml2, translate, evaluate
// in a context with the extension functions, and name the selected nodes so
// that tests can compare them as text.

#include "platform/xml/xslpattern/XslPattern.h"

#include <libxml/tree.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace XslPatternTest {

struct DocumentDeleter {
    void operator()(xmlDocPtr document) const { xmlFreeDoc(document); }
};
using Document = std::unique_ptr<xmlDoc, DocumentDeleter>;

// Parses `xml` dropping white-space-only text; with `declaration` the XML
// declaration becomes a processing instruction "xml", the first child, as
// the DOM presents it.
Document Parse(std::string_view xml, bool declaration = false);

struct Outcome {
    bool translated = false;
    bool evaluated = false;
    std::string error;
    // Elements as name + ordinal among same-named elements in document order
    // ("elem0"), attributes and declarations as owner + "@" + name, text and
    // CDATA as their quoted content, "comment", "?target", "/" for the
    // document.
    std::vector<std::string> nodes;
};

// What the translation is told of the document: its facts, as the DOM tells
// it, or nothing, which keeps to the general translation throughout.
enum class Facts { OfDocument, None };

Outcome Select(const Document& document, std::string_view pattern,
               const std::vector<XslPattern::Binding>& bindings = {}, xmlNodePtr context = nullptr,
               Facts facts = Facts::OfDocument);

// Evaluates an XPath expression as Select evaluates translations.
Outcome Evaluate(const Document& document, const std::string& expression,
                 xmlNodePtr context = nullptr);

// The element named by a label such as "elem2".
xmlNodePtr Element(const Document& document, std::string_view label);

} // namespace XslPatternTest
