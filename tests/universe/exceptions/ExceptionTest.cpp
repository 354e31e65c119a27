#include "universe/buffers/BufferExceptions.h"
#include "universe/exceptions/ExceptionPL.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

namespace inner {
class NestedFailure : public DebuggableException {};
} // namespace inner

TEST(DebuggableException, WhatIsTheReadableNameOfTheMostDerivedClass) {
    const std::unique_ptr<DebuggableException> thrown[] = {
        std::make_unique<DataOverflow>(), std::make_unique<LocalFreeFailed>(),
        std::make_unique<inner::NestedFailure>()};
    EXPECT_STREQ(thrown[0]->what(), "DataOverflow");
    EXPECT_STREQ(thrown[1]->what(), "LocalFreeFailed");
    EXPECT_STREQ(thrown[2]->what(), "(anonymous namespace)::inner::NestedFailure");
    EXPECT_EQ(thrown[0]->what(), DataOverflow().what()); // composed once per class
}

TEST(ExceptionPL, CopiesAndAssignmentsOwnTheirText) {
    auto original = std::make_unique<ExceptionPL>("first");
    const ExceptionPL copy(*original);
    ExceptionPL assigned("other");
    assigned = *original;
    original.reset();
    EXPECT_STREQ(copy.what(), "first");
    EXPECT_STREQ(assigned.what(), "first");

    const ExceptionPL& self = assigned;
    assigned = self;
    EXPECT_STREQ(assigned.what(), "first");
    EXPECT_STREQ(ExceptionPL().what(), "");
}

} // namespace
