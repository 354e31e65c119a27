// Inspector memory: blocks from the arena of the evaluation running on the
// calling thread. Outside any evaluation (a library composing text while it
// loads) blocks come from an arena that lives as long as the process.
#include "frame/VeritorInterface.h"
#include "host/memory/Arena.h"

#include <mutex>

extern "C" void* Allocate_Inspector_Memory(unsigned size) {
    using veritor::host::Arena;
    if (Arena* arena = veritor::host::CurrentArena::Get()) {
        return arena->Allocate(size);
    }
    static std::mutex mutex;
    static Arena* const processArena = new Arena; // kept until exit on purpose
    std::lock_guard lock(mutex);
    return processArena->Allocate(size);
}
