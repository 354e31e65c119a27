// Composes the names of tuple types, such as "( string, html )", from the
// names of their components. Components are separated by ", "; a nested tuple
// is just another component: ( a, ( b, c ) ).
#pragma once

#include "universe/buffers/ConstData.h"
#include "universe/integers/IntegerTypes.h"

#include <string>

class InspectorTypeNameBuilder {
public:
    // Appends one component name, after a separator unless the text is empty
    // or ends in a space (just after an opening parenthesis).
    void Add(ConstData name);
    // Adds `name` (empty for a plain tuple) and opens a parenthesis after it.
    void Open(ConstData name);
    void Close();

    // The composed name; every parenthesis opened must have been closed.
    const std::string& Result() const;

    uint32 OpenParentheses() const { return parentheses; }

private:
    std::string text;
    uint32 parentheses = 0;
};

// The name of a tuple type of two, three or four components.
std::string TupleTypeName(ConstData first, ConstData second);
std::string TupleTypeName(ConstData first, ConstData second, ConstData third);
std::string TupleTypeName(ConstData first, ConstData second, ConstData third, ConstData fourth);
