#include "frame/TupleTypeNames.h"

#include "frame/HostTypeNames.h"
#include "frame/InspectorTypeNameBuilder.h"

#include <string>

namespace {

// The html inspectors register these types under the same names.
constexpr const char* html = "html";
constexpr const char* attributeList = "html attribute list";

ConstData Text(const char* name) {
    return ConstData(std::string_view(name));
}

} // namespace

const char* StringStringTupleTypeName() {
    static const std::string name = TupleTypeName(Text(StringTypeName()), Text(StringTypeName()));
    return name.c_str();
}

const char* StringHtmlTupleTypeName() {
    static const std::string name = TupleTypeName(Text(StringTypeName()), Text(html));
    return name.c_str();
}

const char* StringAttributeListStringTupleTypeName() {
    static const std::string name =
        TupleTypeName(Text(StringTypeName()), Text(attributeList), Text(StringTypeName()));
    return name.c_str();
}

const char* StringAttributeListHtmlTupleTypeName() {
    static const std::string name =
        TupleTypeName(Text(StringTypeName()), Text(attributeList), Text(html));
    return name.c_str();
}
