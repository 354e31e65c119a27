#include "host/query/Evaluation.h"

#include "frame/NoSuchObject.h"
#include "host/Veritor.h"

#include <objbase.h>

#include <new>

namespace veritor::host {

namespace {
thread_local const Evaluation* running = nullptr;
}

Evaluation::Evaluation(const Limits& limits)
    : limits(limits)
    , previous(running)
    , current(arena) {
    running = this;
}

Evaluation::~Evaluation() {
    Finish();
    running = previous;
}

const Limits& Evaluation::CurrentLimits() {
    static const Limits defaults;
    return running != nullptr ? running->limits : defaults;
}

void Evaluation::DestroyValueLater(DestroyValueCallback destroy, void* value) {
    cleanups.push_back({destroy, nullptr, value});
}

void Evaluation::DestroyStateLater(DestroyStateCallback destroy, void* state) {
    cleanups.push_back({nullptr, destroy, state});
}

void Evaluation::Discard(DestroyValueCallback destroy, void* value) {
    if (value == nullptr || destroy == nullptr) {
        return;
    }
    try {
        destroy(value);
    } catch (...) {
        if (discardFailure.empty()) {
            discardFailure = CurrentExceptionText();
        }
    }
}

std::string Evaluation::Finish() {
    std::string failure = std::move(discardFailure);
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
        } catch (...) {
            if (failure.empty()) {
                failure = CurrentExceptionText();
            }
        }
    }
    cleanups.clear();
    return failure;
}

void Evaluation::TooManyValues() const {
    std::string message = "too many values: more than ";
    message += std::to_string(limits.maxValues);
    message += " in one expression";
    throw QueryError(ErrorKind::Evaluation, message);
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
    } catch (...) {
        throw QueryError(ErrorKind::Evaluation, CurrentExceptionText());
    }
}

std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        // Its own text is the class name, which tells a user nothing.
        return "out of memory";
    } catch (const std::exception& error) {
        std::string text = error.what();
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
            text.pop_back();
        }
        return text;
    } catch (...) {
        return "an inspector raised an exception that is not a standard exception";
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
