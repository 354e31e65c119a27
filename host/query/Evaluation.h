// The storage of one evaluation: every operand, intermediate value, state and
// block of inspector memory lives in its arena until the query's results have
// been rendered. Then library values are destroyed through their type's
// destroyValue and states through destroyState, newest first.
#pragma once

#include "frame/VeritorInterface.h"
#include "host/Veritor.h"
#include "host/memory/Arena.h"

#include <string>
#include <vector>

namespace veritor::host {

class Evaluation {
public:
    // The limits are read, not copied: they must outlive the evaluation.
    explicit Evaluation(const Limits& limits);
    Evaluation(const Evaluation&) = delete;
    Evaluation& operator=(const Evaluation&) = delete;
    ~Evaluation();

    void* Allocate(std::size_t size) { return arena.Allocate(size); }

    // The limits of the evaluation running on the calling thread, for the
    // callbacks it makes; the defaults outside any evaluation.
    static const Limits& CurrentLimits();

    void DestroyValueLater(DestroyValueCallback destroy, void* value);
    void DestroyStateLater(DestroyStateCallback destroy, void* state);

    // Adds `value` to the values of an expression unless it is null (no
    // value); throws an evaluation error when they grow beyond the limit.
    void Keep(const void* value, std::vector<const void*>& values) const {
        if (value != nullptr) {
            if (values.size() >= limits.maxValues) {
                TooManyValues();
            }
            values.push_back(value);
        }
    }

    // Throws an evaluation error when `values` holds more than the limit.
    void Check(const std::vector<const void*>& values) const {
        if (values.size() > limits.maxValues) {
            TooManyValues();
        }
    }

    // Throws the error Keep throws, for a value counted but not kept, with
    // `counted` values before it.
    void CheckCount(std::size_t counted) const {
        if (counted >= limits.maxValues) {
            TooManyValues();
        }
    }

    // Runs the destructions; the message of the first that threw, if any.
    std::string Finish();

    // Calls `call` with fresh result storage of `size` bytes and returns the
    // value it constructed, or null for "no value" (NoSuchObject). Any other
    // exception becomes an evaluation error. A value of a type with
    // destroyValue is destroyed when the evaluation finishes.
    template <typename Call>
    const void* Produce(unsigned size, DestroyValueCallback destroy, Call call);

    // Like Produce into `storage`, which the caller may reuse, but the value
    // is the caller's to Discard before the storage is used again.
    template <typename Call>
    void* ProduceTransient(void* storage, Call call);
    // Destroys a value from ProduceTransient now; a destroyer that throws is
    // reported by Finish, as one run there would be.
    void Discard(DestroyValueCallback destroy, void* value);

private:
    [[noreturn]] void TooManyValues() const;
    [[noreturn]] static void Rethrow(); // the current exception as an evaluation error
    static bool IsNoValue();            // whether the current exception is NoSuchObject

    struct Cleanup {
        DestroyValueCallback value;
        DestroyStateCallback state;
        void* address;
    };

    const Limits& limits;
    const Evaluation* previous; // the one this evaluation runs inside, if any
    Arena arena;
    CurrentArena current;
    std::vector<Cleanup> cleanups;
    std::string discardFailure; // the first destroyer Discard ran that threw
    bool finished = false;
};

template <typename Call>
void* Evaluation::ProduceTransient(void* storage, Call call) {
    try {
        return call(storage);
    } catch (...) {
        if (IsNoValue()) {
            return nullptr;
        }
        Rethrow();
    }
}

template <typename Call>
const void* Evaluation::Produce(unsigned size, DestroyValueCallback destroy, Call call) {
    void* value = ProduceTransient(Allocate(size), call);
    if (value != nullptr && destroy != nullptr) {
        DestroyValueLater(destroy, value);
    }
    return value;
}

// The text an evaluation error shows for the exception being handled (call
// only inside a catch block): a standard exception's what() without the line
// break that system messages end with; for anything else a text that says so.
std::string CurrentExceptionText();

// Makes sure that the calling thread is initialised for COM, once per thread,
// until the thread ends.
void EnsureComOnThisThread();

} // namespace veritor::host
