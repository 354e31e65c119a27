#include "tests/support/WineDifferences.h"

namespace {

// Cases in which Wine's msxml3 behaves unlike Windows's.
struct Behaviour {
    std::string_view subject;
    const char* reason;
};
constexpr Behaviour behaviours[] = {
    {"<r/>: owner document",
     "Wine's msxml3 gives a document its own node as ownerDocument; Windows gives null"},
    {"documents on a thread without COM",
     "Wine creates COM objects on threads that never initialised COM"},
    {"<!ENTITY", "Wine's msxml3 does not expand internal entities into the text XPath compares"},
    {"<!ATTLIST r b CDATA 'd'>",
     "Wine's msxml3 leaves out the attribute defaults of the internal subset"},
    {"<a>xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
     "Wine's msxml3 refuses text nodes longer than 10,000,000 bytes (its libxml2's limit)"},
    {"XPath selected on several threads at once",
     "Wine's msxml3 compiles XPath with a libxml2 that is not safe on several threads"},
};

// System texts that Wine words differently, or not at all.
struct Text {
    std::string_view windows;
    std::string_view wine;
    const char* reason;
};
constexpr Text texts[] = {
    {"Access is denied.", "Access denied.", "Wine's message table words ERROR_ACCESS_DENIED so"},
    {"Invalid pointer", "unknown error 0x80004003", "Wine has no message for E_POINTER"},
    {"Type mismatch.", "unknown error 0x80020005", "Wine has no message for DISP_E_TYPEMISMATCH"},
    {"Unspecified error", "Call failed.",
     "Wine's msxml3 fails these XPath expressions with a code it words so, not E_FAIL"},
};

} // namespace

const char* WineDifference(std::string_view description) {
    if (!UnderWine()) {
        return nullptr;
    }
    for (const Behaviour& known : behaviours) {
        if (description.find(known.subject) != std::string_view::npos) {
            return known.reason;
        }
    }
    return nullptr;
}

std::string AsTheSystemWordsIt(std::string text) {
    if (!UnderWine()) {
        return text;
    }
    for (const Text& known : texts) {
        for (auto at = text.find(known.windows); at != std::string::npos;
             at = text.find(known.windows, at + known.wine.size())) {
            text.replace(at, known.windows.size(), known.wine);
        }
    }
    return text;
}
