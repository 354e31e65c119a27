#include "platform/xml/xslpattern/XslPattern.h"

#include "platform/xml/xslpattern/Translator.h"

namespace XslPattern {

Translation Translate(std::string_view pattern, const std::vector<Binding>& bindings,
                      const DocumentFacts& facts) {
    // The translation travels on as a C string, which would end at a NUL.
    if (pattern.find('\0') != std::string_view::npos) {
        return {false, {}, "the pattern contains a NUL character"};
    }
    try {
        Translator translator(pattern, bindings, facts);
        std::string xpath = translator.Translate();
        return {true, std::move(xpath), {}};
    } catch (const PatternError& error) {
        return {false, {}, error.message};
    }
}

} // namespace XslPattern
