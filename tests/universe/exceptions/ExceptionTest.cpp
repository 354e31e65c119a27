#include "universe/buffers/BufferExceptions.h"
#include "universe/exceptions/ExceptionPL.h"
#include "universe/exceptions/LocalFreeFailed.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>

namespace {

namespace inner {
class NestedFailure : public DebuggableException {};
} // namespace inner

TEST(DebuggableException, WhatIsTheNameOfTheMostDerivedClass) {
    const std::unique_ptr<DebuggableException> thrown[] = {
        std::make_unique<DataOverflow>(), std::make_unique<LocalFreeFailed>(),
        std::make_unique<inner::NestedFailure>()};
    EXPECT_STREQ(thrown[0]->what(), "DataOverflow");
    EXPECT_STREQ(thrown[1]->what(), "LocalFreeFailed");
    // Outside the global scope the name is the one the type information holds.
    EXPECT_STREQ(thrown[2]->what(), typeid(inner::NestedFailure).name());
}

// Registration objects are statics, and a static destroyed late may still
// describe an exception: what() must not depend on another static.
struct DescribesAnExceptionAtExit {
    ~DescribesAnExceptionAtExit() {
        if (std::strcmp(DataOverflow().what(), "DataOverflow") != 0) {
            std::abort();
        }
    }
} describesAnExceptionAtExit;

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
