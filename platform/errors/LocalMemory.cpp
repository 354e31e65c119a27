// Local memory blocks. The live blocks are registered so that freeing a
// handle that is not one of them fails cleanly instead of corrupting the
// heap, as the system's LocalFree reports an invalid handle.
#include "win/errors.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace {

struct LiveBlocks {
    std::mutex lock;
    std::unordered_set<void*> blocks;
};

LiveBlocks& Live() {
    static LiveBlocks live;
    return live;
}

} // namespace

HLOCAL WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes) {
    if ((uFlags & ~static_cast<UINT>(LMEM_ZEROINIT)) != LMEM_FIXED) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // A block of zero bytes is still a distinct, freeable block.
    void* block = std::malloc(uBytes == 0 ? 1 : uBytes);
    if (block == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if ((uFlags & LMEM_ZEROINIT) != 0) {
        std::memset(block, 0, uBytes);
    }
    try {
        LiveBlocks& live = Live();
        std::lock_guard guard(live.lock);
        live.blocks.insert(block);
    } catch (...) {
        std::free(block);
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return block;
}

HLOCAL WINAPI LocalFree(HLOCAL hMem) {
    if (hMem == nullptr) {
        return nullptr;
    }
    LiveBlocks& live = Live();
    {
        std::lock_guard guard(live.lock);
        if (live.blocks.erase(hMem) == 0) {
            SetLastError(ERROR_INVALID_HANDLE);
            return hMem;
        }
    }
    std::free(hMem);
    return nullptr;
}
