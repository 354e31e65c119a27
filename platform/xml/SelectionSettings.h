// A document's selection properties, "SelectionLanguage" and
// "SelectionNamespaces".
#pragma once

#include "platform/xml/xslpattern/XslPattern.h"

#include <string>
#include <string_view>
#include <vector>

namespace Xml {

enum class SelectionLanguage { XslPattern, XPath };

struct SelectionSettings {
    SelectionLanguage language = SelectionLanguage::XslPattern;
    // The value as it was last set, returned by getProperty even when it was
    // rejected; every selection then fails until a valid value is set.
    std::u16string namespacesText;
    bool namespacesValid = true;
    // The prefixed declarations of namespacesText. A default declaration is
    // accepted but binds nothing: unprefixed names never take a namespace.
    std::vector<XslPattern::Binding> bindings;
};

// Reads "xmlns:p='uri'" declarations separated by white space (either quote;
// white space around the whole list and around '=' allowed; "" for none).
// False for anything else, including a prefix bound twice, an empty URI for
// a prefix, or the reserved prefixes xml and xmlns.
bool ParseSelectionNamespaces(std::string_view text, std::vector<XslPattern::Binding>& bindings);

} // namespace Xml
