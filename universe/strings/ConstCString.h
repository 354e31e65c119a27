// A zero-terminated character string that is never null.
#pragma once

#include "universe/buffers/ConstData.h"

#include <cstring>

class ConstCString {
public:
    ConstCString(const char* theText)
        : text(theText) {     // NOLINT: a C string is one
        ASSERT(theText != 0); // NOLINT(modernize-use-nullptr): reported text
        // Past the report, a null text reads as the empty one: every later
        // use would otherwise dereference it.
        if (theText == nullptr) {
            text = "";
        }
    }

    const char* Text() const noexcept { return text; }

    // The characters without the terminating zero.
    operator ConstData() const { return ConstData(text, std::strlen(text)); } // NOLINT

    ConstData Bytes() const { return *this; }

private:
    const char* text;
};
