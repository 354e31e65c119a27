#include "universe/buffers/BufferExceptions.h"
#include "universe/exceptions/ExceptionPL.h"
#include "universe/exceptions/GetWindowsTimeZoneInfoFailed.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

class SomeFailure : public DebuggableException {};

namespace inner {
class NestedFailure : public DebuggableException {};
} // namespace inner

TEST(DebuggableException, WhatIsTheReadableNameOfTheMostDerivedClass) {
    struct Case {
        const DebuggableException& thrown;
        const char* name;
    };
    const DataOverflow overflow;
    const ConstDataCapacityExceeded exceeded;
    const LocalFreeFailed freeFailed;
    const GetWindowsTimeZoneInfoFailed timeZone;
    const DebuggableException plain;
    const inner::NestedFailure nested;
    const Case cases[] = {
        {overflow, "DataOverflow"},      {exceeded, "ConstDataCapacityExceeded"},
        {freeFailed, "LocalFreeFailed"}, {timeZone, "GetWindowsTimeZoneInfoFailed"},
        {plain, "DebuggableException"},  {nested, "(anonymous namespace)::inner::NestedFailure"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.thrown.what(), c.name);
    }
}

TEST(DebuggableException, WhatIsStableAcrossCallsAndObjects) {
    const SomeFailure a;
    const SomeFailure b;
    const char* first = a.what();
    EXPECT_EQ(first, a.what());
    EXPECT_EQ(first, b.what());
    EXPECT_STREQ(first, "(anonymous namespace)::SomeFailure");
}

TEST(DebuggableException, IsCaughtAsAStandardException) {
    try {
        throw DataOverflow();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "DataOverflow");
    }
}

TEST(ExceptionPL, CarriesAPrivateCopyOfItsText) {
    std::string text = "disk full";
    ExceptionPL original(text.c_str());
    text[0] = 'X';
    EXPECT_STREQ(original.what(), "disk full");
    EXPECT_STREQ(ExceptionPL().what(), "");
    EXPECT_STREQ(ExceptionPL(nullptr).what(), "");
}

TEST(ExceptionPL, CopiesAndAssignmentsAreDeep) {
    auto original = std::make_unique<ExceptionPL>("first");
    ExceptionPL copy(*original);
    ExceptionPL assigned("other");
    assigned = *original;
    EXPECT_NE(copy.Text(), original->Text());
    original.reset();
    EXPECT_STREQ(copy.what(), "first");
    EXPECT_STREQ(assigned.what(), "first");

    const char* before = assigned.Text();
    auto& self = assigned;
    assigned = self;
    EXPECT_EQ(assigned.Text(), before);
}

} // namespace
