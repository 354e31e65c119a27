// "word count" of a string: how many runs of letters and digits it holds.
// The registration is a static object: it registers the property when the
// host loads the library and removes it when the host unloads it.
#include "frame/HostTypeNames.h"
#include "frame/PropertyRegistration.h"

namespace {

bool InWord(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

integer WordCount(const string_value& text) {
    std::int64_t count = 0;
    bool inWord = false;
    for (std::uint32_t i = 0; i < text.length; ++i) {
        bool letter = InWord(text.start[i]);
        count += letter && !inWord ? 1 : 0;
        inWord = letter;
    }
    return count;
}

PropertyRegistration<integer, NoOperand, string_value> wordCount("word count", "word counts", "",
                                                                 StringTypeName(),
                                                                 IntegerTypeName(), WordCount,
                                                                 nullptr);

} // namespace
