// The tuple types that the library's registrations name. Each name is
// composed the first time it is asked for (while the first registration that
// names it is constructed) and then kept until the library is unloaded.
#pragma once

const char* StringStringTupleTypeName();              // "( string, string )"
const char* StringHtmlTupleTypeName();                // "( string, html )"
const char* StringAttributeListStringTupleTypeName(); // "( string, html attribute list, string )"
const char* StringAttributeListHtmlTupleTypeName();   // "( string, html attribute list, html )"
