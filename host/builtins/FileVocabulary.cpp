// "file" / "files" of a string: the host's only way to the file system,
// registered only when the embedder asks for it.
#include "frame/InspectorHook.h"
#include "frame/PropertyRegistration.h"
#include "host/Veritor.h"
#include "host/builtins/FileBytes.h"
#include "host/builtins/HostValues.h"
#include "host/query/Evaluation.h"
#include "host/registry/Registry.h"

#include <mutex>
#include <optional>

namespace veritor::host {

namespace {

string_value FileBytes(const string_value& path) {
    return ReadFileBytes(View(path), Evaluation::CurrentLimits().maxFileBytes);
}

// Written with the name as an index, `file "a.xml"`, as most queries do, or
// as the direct object, `files of ("a.xml"; "b.xml")`.
struct FileVocabulary {
    const PropertyRegistration<string_value, string_value> named{
        "file", "files", "string", "", "string", &FileBytes, InspectorHook};
    const PropertyRegistration<string_value, NoOperand, string_value> of{
        "file", "files", "", "string", "string", &FileBytes, InspectorHook};
};

} // namespace

} // namespace veritor::host

namespace veritor {

void EnableFiles(bool enabled) {
    // Made after the registry, so that it is removed from it at exit before
    // the registry goes.
    host::Registry::Instance();
    static std::mutex mutex;
    static std::optional<host::FileVocabulary> vocabulary;
    std::lock_guard lock(mutex);
    if (enabled && !vocabulary) {
        vocabulary.emplace();
    } else if (!enabled) {
        vocabulary.reset();
    }
}

} // namespace veritor
