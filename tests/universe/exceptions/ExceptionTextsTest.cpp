#include "tests/support/WineDifferences.h"
#include "universe/buffers/BufferExceptions.h"
#include "universe/exceptions/ExceptionPL.h"
#include "universe/exceptions/WindowsError.h"

#include <cstdlib>
#include <cstring>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <typeinfo>
#include <windows.h>

namespace {

namespace inner {
class NestedFailure : public DebuggableException {};
} // namespace inner

TEST(DebuggableException, WhatIsTheNameOfTheMostDerivedClass) {
    const DebuggableException &overflow = DataOverflow(), &nested = inner::NestedFailure();
    EXPECT_STREQ(overflow.what(), "DataOverflow");
    // Outside the global scope the name is the one the type information holds.
    EXPECT_STREQ(nested.what(), typeid(inner::NestedFailure).name());
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
    const ExceptionPL& self = assigned;
    assigned = self;
    EXPECT_STREQ(copy.what(), "first");
    EXPECT_STREQ(assigned.what(), "first");
    EXPECT_STREQ(ExceptionPL().what(), "");
}

TEST(WindowsError, WhatIsTheSystemTextOrTheCodeInHexadecimal) {
    const std::pair<DWORD, const char*> cases[] = {
        {0x1234567, "Windows Error: unknown error 0x1234567"},
        {0xDEADBEEF, "Windows Error: unknown error 0xdeadbeef"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_STREQ(Windows::Error(code).what(), text);
    }
    // The system's text; copies share it beyond the original.
    auto original = std::make_unique<Windows::Error>(5);
    const char* text = original->what();
    const Windows::Error copy(*original);
    Windows::Error assigned(2);
    assigned = copy;
    original.reset();
    EXPECT_EQ(copy.what(), text);
    EXPECT_EQ(assigned.what(), text);
    EXPECT_EQ(text, AsTheSystemWordsIt("Windows Error: Access is denied.\r\n"));
}

TEST(WindowsError, ThrowOperationsThrowTheCodeUnlessItIsZero) {
    const auto throwsCode = [](uint32 code) {
        return testing::Throws<Windows::Error>(testing::Property(&Windows::Error::Code, code));
    };
    EXPECT_THAT([] { Windows::ThrowComError(E_POINTER); }, throwsCode(E_POINTER));
    EXPECT_NO_THROW(Windows::ThrowComError(S_OK));
    SetLastError(87);
    EXPECT_THAT(Windows::ThrowLastError, throwsCode(87));
    SetLastError(0);
    EXPECT_NO_THROW(Windows::ThrowLastError());
}

} // namespace
