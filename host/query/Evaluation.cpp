#include "host/query/Evaluation.h"

#include "frame/NoSuchObject.h"
#include "host/Veritor.h"

#include <objbase.h>

namespace veritor::host {

Evaluation::Evaluation()
    : current(arena) {}

Evaluation::~Evaluation() {
    Finish();
}

void Evaluation::DestroyValueLater(DestroyValueCallback destroy, void* value) {
    cleanups.push_back({destroy, nullptr, value});
}

void Evaluation::DestroyStateLater(DestroyStateCallback destroy, void* state) {
    cleanups.push_back({nullptr, destroy, state});
}

std::string Evaluation::Finish() {
    std::string failure;
    if (finished) {
        return failure;
    }
    finished = true;
    // A destructor that throws must not keep the others from running.
    for (auto it = cleanups.rbegin(); it != cleanups.rend(); ++it) {
        try {
            if (it->value != nullptr) {
                it->value(it->address);
            } else {
                it->state(it->address);
            }
        } catch (const std::exception& error) {
            if (failure.empty()) {
                failure = error.what();
            }
        } catch (...) {
            if (failure.empty()) {
                failure = "unknown exception while destroying a value";
            }
        }
    }
    cleanups.clear();
    return failure;
}

bool Evaluation::IsNoValue() {
    try {
        throw;
    } catch (const NoSuchObject&) {
        return true;
    } catch (...) {
        return false;
    }
}

void Evaluation::Rethrow() {
    try {
        throw;
    } catch (const QueryError&) {
        throw;
    } catch (const std::exception& error) {
        throw QueryError(ErrorKind::Evaluation, error.what());
    } catch (...) {
        throw QueryError(ErrorKind::Evaluation, "unknown exception");
    }
}

namespace {

class ComThread {
public:
    ComThread()
        : initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;
    ~ComThread() {
        if (initialised) {
            CoUninitialize();
        }
    }

private:
    bool initialised;
};

} // namespace

void EnsureComOnThisThread() {
    thread_local ComThread com;
}

} // namespace veritor::host
