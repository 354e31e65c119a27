// A small inspector library for the host's tests: a type whose values count
// their destructions, a derived type, a property that has no value for some
// operands and one that fails, an iterated property, an aggregate, a cast and
// an operator. Built twice: the "leaky" build forgets to remove one
// registration when it unloads.
#include "frame/AggregatePropertyRegistration.h"
#include "frame/BinaryOperatorRegistration.h"
#include "frame/CastRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/IteratedPropertyRegistration.h"
#include "frame/NoSuchObject.h"
#include "frame/PropertyRegistration.h"
#include "frame/TypeRegistration.h"

#include <mutex>
#include <new>
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

void DestroyCounter(void* value) {
    Note(std::string("~").append(std::to_string(static_cast<Counter*>(value)->value)));
}

// "counter" of an integer; no value for a negative one.
Counter MakeCounter(const integer& value) {
    if (value.Value() < 0) {
        throw NoSuchObject();
    }
    Note(std::string("+").append(std::to_string(value.Value())));
    return Counter{value.Value()};
}

// "broken" of 1 fails with a standard exception whose text ends in a line
// break, as system messages do; of anything else with an exception that is
// not a standard exception.
integer Broken(const integer& which) {
    if (which.Value() == 1) {
        throw std::runtime_error("the broken property broke\r\n");
    }
    throw 42;
}

// "digit"/"digits" of a counter: 0, 1, ... up to its value, exclusive.
struct Digits {
    ~Digits() { Note("~digits"); }
    integer First(const Counter& counter) { return Next(counter); }
    integer Next(const Counter& counter) {
        if (next >= counter.value) {
            throw NoSuchObject();
        }
        return integer(next++);
    }
    std::int64_t next = 0;
};

// "step"/"steps" of a counter: counters 0, 1, ... up to its value, exclusive;
// from a counter of 9 or more the third step fails.
struct Steps {
    ~Steps() { Note("~steps"); }
    Counter First(const Counter& counter) { return Next(counter); }
    Counter Next(const Counter& counter) {
        if (next >= counter.value) {
            throw NoSuchObject();
        }
        if (next == 2 && counter.value >= 9) {
            throw std::runtime_error("step 2 broke");
        }
        Note(std::string("+").append(std::to_string(next)));
        return Counter{next++};
    }
    std::int64_t next = 0;
};

// "tally" of counters: the sum of their values; no alternative slot is ever
// called.
struct Tally {
    ~Tally() { Note("~tally"); }
    integer Begin() {
        sum = 0;
        throw NoSuchObject();
    }
    integer Add(const Counter& counter) {
        sum += counter.value;
        throw NoSuchObject();
    }
    integer Finish() { return integer(sum); }
    integer BeginAlt() { throw std::logic_error("an alternative slot was called"); }
    integer AddAlt(const Counter&) { return BeginAlt(); }
    integer FinishAlt() { return BeginAlt(); }
    std::int64_t sum = -1;
};

string_value CounterText(const Counter& counter) {
    const std::string text = std::string("#").append(std::to_string(counter.value));
    auto* block = static_cast<char*>(Allocate_Inspector_Memory(static_cast<unsigned>(text.size())));
    text.copy(block, text.size());
    return string_value{block, static_cast<std::uint32_t>(text.size())};
}

Counter AddCounters(const Counter& left, const Counter& right) {
    const std::int64_t sum = left.value + right.value;
    Note(std::string("+").append(std::to_string(sum)));
    return Counter{sum};
}

// Static objects: registered in this order as the library loads, removed in
// the reverse order as it unloads.
const TypeRegistration specialType("special counter", sizeof(Counter), DestroyCounter, "counter");
using CounterProperty = PropertyRegistration<Counter, NoOperand, integer>;
#ifdef LEAK_ONE_REGISTRATION
// Constructed in place and never destroyed, so that its removal is never
// called.
alignas(CounterProperty) std::byte leaked[sizeof(CounterProperty)];
const CounterProperty& counter = *new (leaked) CounterProperty(
    "counter", "counters", "", "integer", "counter", &MakeCounter, InspectorHook);
#else
const CounterProperty counter("counter", "counters", "", "integer", "counter", &MakeCounter,
                              InspectorHook);
#endif
const CounterProperty specialCounter("special counter", "special counters", "", "integer",
                                     "special counter", &MakeCounter, InspectorHook);
const PropertyRegistration<integer, NoOperand, integer> broken("broken", "brokens", "", "integer",
                                                               "integer", &Broken, InspectorHook);
const IteratedPropertyRegistration<Digits, integer, NoOperand, Counter>
    digits("digit", "digits", "", "counter", "integer", InspectorHook);
const IteratedPropertyRegistration<Steps, Counter, NoOperand, Counter>
    steps("step", "steps", "", "counter", "counter", InspectorHook);
const AggregatePropertyRegistration<Tally, integer, Counter>
    tally("tally", "tallies", "", "counter", "integer", InspectorHook);
const CastRegistration<string_value, Counter> text("string", "counter", "string", &CounterText,
                                                   InspectorHook);
const BinaryOperatorRegistration<Counter, Counter, Counter>
    plus(OperatorAdd, "counter", "counter", "counter", &AddCounters, InspectorHook);
// Registered after the types that name it, as libraries may.
const TypeRegistration counterType("counter", sizeof(Counter), DestroyCounter);

} // namespace

// The one symbol the test library exports, so that tests can read the journal.
#if defined(_WIN32)
#define TEST_INSPECTORS_EXPORT __declspec(dllexport)
#else
#define TEST_INSPECTORS_EXPORT __attribute__((visibility("default")))
#endif
extern "C" TEST_INSPECTORS_EXPORT const char* TestInspectorsJournal() {
    return journal.c_str();
}
