// Owns a block returned by a platform call, to be freed with LocalFree.
#pragma once

#include <windows.h>

class AutoLocal {
public:
    AutoLocal() noexcept = default;
    explicit AutoLocal(HLOCAL block) noexcept
        : block(block) {}
    AutoLocal(const AutoLocal&) = delete;
    AutoLocal& operator=(const AutoLocal&) = delete;

    // A failure to free is reported as a failed check; a destructor must not
    // throw.
    ~AutoLocal();

    HLOCAL Get() const noexcept { return block; }

    // The address to pass where a platform call stores the block it returns.
    // Any block held so far is freed first.
    HLOCAL* Receive();

    // Frees the block now; throws LocalFreeFailed if the platform refuses.
    void Free();

private:
    HLOCAL block = nullptr;
};
