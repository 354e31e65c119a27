// Bump allocation for one evaluation: blocks are handed out from large
// chunks and all freed together when the arena goes.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace veritor::host {

class Arena {
public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // Never null, even for size 0; aligned for any value type. Throws
    // std::bad_alloc when memory runs out.
    void* Allocate(std::size_t size);

    std::size_t BytesInUse() const { return inUse; }

private:
    static constexpr std::size_t chunkSize = std::size_t{64} * 1024;
    static constexpr std::size_t alignment = alignof(std::max_align_t);

    std::vector<std::unique_ptr<std::byte[]>> chunks;
    std::byte* free = nullptr;
    std::size_t left = 0;
    std::size_t inUse = 0;
};

// The arena that Allocate_Inspector_Memory serves on this thread while it
// is current.
class CurrentArena {
public:
    explicit CurrentArena(Arena& arena);
    CurrentArena(const CurrentArena&) = delete;
    CurrentArena& operator=(const CurrentArena&) = delete;
    ~CurrentArena();

    static Arena* Get();

private:
    Arena* previous;
};

} // namespace veritor::host
