// A small inspector library for the host's tests: a type whose values count
// their destructions, a derived type, a property that has no value for some
// operands and one that fails, an iterated property, an aggregate, a cast and
// an operator. Built twice: the "leaky" build forgets to remove one
// registration when it unloads.
#include "frame/NoSuchObject.h"
#include "frame/TupleElement.h"
#include "frame/VeritorInterface.h"

#include <mutex>
#include <new>
#include <objbase.h>
#include <stdexcept>
#include <string>

namespace {

// What happened to values and states, in order, for the tests to read.
std::mutex journalMutex;
std::string journal;

void Note(const std::string& event) {
    std::lock_guard lock(journalMutex);
    journal += event + " ";
}

struct Counter {
    std::int64_t value;
};

struct alignas(8) TypeObject {
    unsigned char hostArea[512];
};
struct alignas(8) Object {
    unsigned char hostArea[128];
};

void DestroyCounter(void* value) {
    Note(std::string("~").append(std::to_string(static_cast<Counter*>(value)->value)));
}

// "counter" of an integer; no value for a negative one.
void* MakeCounter(void* storage, const void*, const void* object, void*, const void*) {
    if (storage == nullptr) {
        return nullptr;
    }
    std::int64_t value = static_cast<const integer*>(object)->Value();
    if (value < 0) {
        throw NoSuchObject();
    }
    Note(std::string("+").append(std::to_string(value)));
    return new (storage) Counter{value};
}

// "broken" of 1 fails with a plain message, of 2 with a system message's
// line break at its end, of anything else with an exception that is not a
// standard exception.
void* Broken(void*, const void*, const void* object, void*, const void*) {
    switch (static_cast<const integer*>(object)->Value()) {
    case 1:
        throw std::runtime_error("the broken property broke");
    case 2:
        throw std::runtime_error("The system broke.\r\n");
    default:
        throw 42;
    }
}

// "pick" with a ( integer, integer ) index: the component chosen by the first.
void* Pick(void* storage, const void* index, const void*, void*, const void*) {
    const auto* tuple = static_cast<const TupleNode*>(index);
    std::int64_t which = static_cast<const integer*>(TupleElement(0, tuple))->Value();
    const void* chosen = TupleElement(static_cast<uint32>(which), tuple);
    return new (storage) integer(*static_cast<const integer*>(chosen));
}

// "digit"/"digits" of a counter: 0, 1, ... up to its value, exclusive.
struct Digits {
    std::int64_t next;
};
void* ConstructDigits(void* storage) {
    return new (storage) Digits{0};
}
void DestroyDigits(void*) {
    Note("~digits");
}
void* NextDigit(void* storage, const void*, const void* object, void* state, const void*) {
    auto& digits = *static_cast<Digits*>(state);
    if (digits.next >= static_cast<const Counter*>(object)->value) {
        throw NoSuchObject();
    }
    return new (storage) integer(digits.next++);
}

// "tally" of counters: the sum of their values, through begin/add/finish.
struct Tally {
    std::int64_t sum;
};
void* ConstructTally(void* storage) {
    return new (storage) Tally{-1};
}
void DestroyTally(void*) {
    Note("~tally");
}
void* BeginTally(void*, const void*, const void*, void* state, const void*) {
    static_cast<Tally*>(state)->sum = 0;
    throw NoSuchObject();
}
void* AddTally(void*, const void*, const void* element, void* state, const void*) {
    static_cast<Tally*>(state)->sum += static_cast<const Counter*>(element)->value;
    throw NoSuchObject();
}
void* FinishTally(void* storage, const void*, const void*, void* state, const void*) {
    return new (storage) integer(static_cast<Tally*>(state)->sum);
}
void* Unexpected(void*, const void*, const void*, void*, const void*) {
    throw std::logic_error("an alternative slot was called");
}

void* CounterText(void* storage, const void* source, const void*) {
    std::string text =
        std::string("#").append(std::to_string(static_cast<const Counter*>(source)->value));
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(static_cast<unsigned>(text.size())));
    text.copy(block, text.size());
    return new (storage) string_value{block, static_cast<std::uint32_t>(text.size())};
}

void* AddCounters(void* storage, const void* left, const void* right, const void*) {
    std::int64_t sum =
        static_cast<const Counter*>(left)->value + static_cast<const Counter*>(right)->value;
    Note(std::string("+").append(std::to_string(sum)));
    return new (storage) Counter{sum};
}

// "com ready": whether the evaluating thread was already initialised for COM
// (a nested initialisation answers S_FALSE), as the XML inspectors need.
void* ComReady(void* storage, const void*, const void*, void*, const void*) {
    HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    boolean_value ready = result == S_FALSE;
    if (SUCCEEDED(result)) {
        CoUninitialize();
    }
    return new (storage) boolean_value(ready);
}

void Hook() {}

class Vocabulary {
public:
    Vocabulary() noexcept {
        Register_Type(&special, 512, "special counter", sizeof(Counter), DestroyCounter, "counter",
                      nullptr);
        Register_Property(&counter, 128, "counter", "counters", "", "integer", "counter",
                          MakeCounter, &counter, Hook);
        Register_Property(&specialCounter, 128, "special counter", "special counters", "",
                          "integer", "special counter", MakeCounter, &specialCounter, Hook);
        Register_Property(&broken, 128, "broken", "brokens", "", "integer", "integer", Broken,
                          &broken, Hook);
        Register_Property(&pick, 128, "pick", "picks", "( integer, integer, integer )", "",
                          "integer", Pick, &pick, Hook);
        Register_Iterated_Property(&digits, 128, "digit", "digits", "", "counter", "integer",
                                   sizeof(Digits), ConstructDigits, DestroyDigits, NextDigit,
                                   NextDigit, &digits, Hook);
        Register_Aggregate_Property(&tally, 128, "tally", "tallies", "", "counter", "integer",
                                    sizeof(Tally), ConstructTally, DestroyTally, BeginTally,
                                    Unexpected, AddTally, Unexpected, FinishTally, Unexpected,
                                    &tally, Hook);
        Register_Cast(&text, 128, "string", "counter", "string", CounterText, &text, Hook);
        Register_Binary_Operator(&plus, 128, OperatorAdd, "counter", "counter", "counter",
                                 AddCounters, &plus, Hook);
        Register_Property(&comReady, 128, "com ready", "com readies", "", "", "boolean", ComReady,
                          &comReady, Hook);
        // Registered after the types that name it, as libraries may.
        Register_Type(&type, 512, "counter", sizeof(Counter), DestroyCounter, nullptr, nullptr);
    }
    Vocabulary(const Vocabulary&) = delete;
    Vocabulary& operator=(const Vocabulary&) = delete;
    ~Vocabulary() {
        Unregister_Type(&type);
        Unregister_Property(&comReady);
        Unregister_Binary_Operator(&plus);
        Unregister_Cast(&text);
        Unregister_Property(&tally);
        Unregister_Property(&digits);
        Unregister_Property(&pick);
        Unregister_Property(&broken);
        Unregister_Property(&specialCounter);
#ifndef LEAK_ONE_REGISTRATION
        Unregister_Property(&counter);
#endif
        Unregister_Type(&special);
    }

private:
    TypeObject special{};
    TypeObject type{};
    Object counter{};
    Object specialCounter{};
    Object broken{};
    Object pick{};
    Object digits{};
    Object tally{};
    Object text{};
    Object plus{};
    Object comReady{};
};

const Vocabulary vocabulary;

} // namespace

// The one symbol the test library exports, so that tests can read the journal.
extern "C" __attribute__((visibility("default"))) const char* TestInspectorsJournal() {
    return journal.c_str();
}
