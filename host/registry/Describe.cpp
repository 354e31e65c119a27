#include "host/registry/Describe.h"

#include "host/registry/Registry.h"

namespace veritor::host {

namespace {

// "host" for the host's own vocabulary, else the file name of the library.
std::string LibraryName(const std::string& path) {
    if (path.empty()) {
        return "unknown";
    }
    if (path == HostLibrary()) {
        return "host";
    }
    // Windows names modules with either separator.
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

VocabularyEntry Describe(const Registration& r) {
    VocabularyEntry entry;
    entry.kind = RegistrationKindName(r.kind);
    entry.name = r.name;
    entry.pluralName = r.pluralName;
    entry.indexType = r.indexType;
    entry.operandType = r.operandType;
    entry.rightType = r.rightType;
    entry.resultType = r.kind == RegistrationKind::Type ? r.baseType : r.resultType;
    entry.operatorCode = r.operatorCode;
    entry.library = LibraryName(r.library);
    return entry;
}

} // namespace veritor::host
