#pragma once

#include "platform/xml/xslpattern/Lexer.h"

#include <string>
#include <string_view>

namespace XslPattern {

// An XPath string literal for `text`. XPath literals have no escapes, so the
// quote is chosen to be one the text does not contain.
inline std::string XPathLiteral(std::string_view text) {
    char quote = text.find('\'') == std::string_view::npos ? '\'' : '"';
    if (quote == '"' && text.find('"') != std::string_view::npos) {
        throw PatternError{"a name or URI holds both kinds of quote"};
    }
    return quote + std::string(text) + quote;
}

} // namespace XslPattern
