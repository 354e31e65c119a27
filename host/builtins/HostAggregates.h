// The host's aggregates "sum", "minimum" and "maximum": each folds a plural
// from left to right with one step, and has no value for the empty plural.
#pragma once

#include "frame/AggregatePropertyRegistration.h"
#include "frame/InspectorHook.h"
#include "frame/NoSuchObject.h"
#include "frame/VeritorInterface.h"
#include "host/arithmetic/FloatingPointArithmetic.h"
#include "host/builtins/HostValues.h"

#include <cmath>
#include <optional>

namespace veritor::host {

// The state of one fold. `Step::Next(so far, element)` gives the next
// value, or nothing when the fold can have no value any more (an integer
// overflow), which no later element changes.
template <typename T, typename Step>
class Fold {
public:
    T Begin() {
        started = false;
        broken = false;
        throw NoSuchObject();
    }
    T BeginAlt() { throw NoSuchObject(); }

    T Add(const T& element) {
        if (!started) {
            soFar = element;
            started = true;
        } else if (!broken) {
            std::optional<T> next = Step::Next(soFar, element);
            broken = !next;
            soFar = next.value_or(soFar);
        }
        throw NoSuchObject();
    }
    T AddAlt(const T& /*element*/) { throw NoSuchObject(); }

    T Finish() {
        if (!started || broken) {
            throw NoSuchObject();
        }
        return soFar;
    }
    T FinishAlt() { throw NoSuchObject(); }

private:
    T soFar{};
    bool started = false;
    bool broken = false;
};

// Sums as the host's "+" adds: integers exactly or not at all, floating
// points with the status flags of every addition and of every element.
struct Sum {
    static std::optional<integer> Next(const integer& soFar, const integer& element) {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(soFar.Value(), element.Value(), &sum)) {
            return std::nullopt;
        }
        return integer(sum);
    }
    static std::optional<floating_point> Next(const floating_point& soFar,
                                              const floating_point& element) {
        return Compute(FloatingOperation::Add, soFar, element);
    }
};

// The order of the host's "<": numbers by value, strings bytewise. Of equal
// values the first is kept, with its own flags. A NaN is ordered with
// nothing, so the first one is the result: an extreme that skipped it would
// hide that a value was not a number.
template <bool least>
struct Extreme {
    static auto Key(const integer& v) { return v.Value(); }
    static auto Key(const floating_point& v) { return v.Number(); }
    static auto Key(const string_value& v) { return View(v); }

    template <typename T>
    static std::optional<T> Next(const T& soFar, const T& element) {
        if constexpr (std::is_same_v<T, floating_point>) {
            if (std::isnan(soFar.Number()) || std::isnan(element.Number())) {
                return std::isnan(soFar.Number()) ? soFar : element;
            }
        }
        const bool replaces = least ? Key(element) < Key(soFar) : Key(soFar) < Key(element);
        return replaces ? element : soFar;
    }
};

// One aggregate of elements of `type` with a result of the same type.
template <typename T, typename Step>
struct Reduction : AggregatePropertyRegistration<Fold<T, Step>, T, T> {
    Reduction(const char* name, const char* pluralName, const char* type)
        : AggregatePropertyRegistration<Fold<T, Step>, T, T>(name, pluralName, "", type, type,
                                                             InspectorHook) {}
};

using Minimum = Extreme<true>;
using Maximum = Extreme<false>;

} // namespace veritor::host
