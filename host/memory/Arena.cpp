#include "host/memory/Arena.h"

#include <new>

namespace veritor::host {

void* Arena::Allocate(std::size_t size) {
    std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (rounded < size) {
        throw std::bad_alloc();
    }
    if (rounded == 0) {
        rounded = alignment;
    }
    if (rounded > left) {
        // Large blocks get a chunk of their own so the current chunk's
        // remainder stays usable.
        std::size_t bytes = rounded > chunkSize / 4 ? rounded : chunkSize;
        chunks.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
        if (rounded > chunkSize / 4) {
            inUse += rounded;
            return chunks.back().get();
        }
        free = chunks.back().get();
        left = bytes;
    }
    void* block = free;
    free += rounded;
    left -= rounded;
    inUse += rounded;
    return block;
}

namespace {
thread_local Arena* current = nullptr;
}

CurrentArena::CurrentArena(Arena& arena)
    : previous(current) {
    current = &arena;
}

CurrentArena::~CurrentArena() {
    current = previous;
}

Arena* CurrentArena::Get() {
    return current;
}

} // namespace veritor::host
