#include "universe/exceptions/WindowsError.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <windows.h>

namespace {

TEST(WindowsError, WhatIsTheSystemTextOfTheCode) {
    struct Case {
        DWORD code;
        const char* text;
    };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, "Windows Error: The system cannot find the file specified.\r\n"},
        {ERROR_ACCESS_DENIED, "Windows Error: Access is denied.\r\n"},
        {static_cast<DWORD>(E_FAIL), "Windows Error: Unspecified error\r\n"},
        {static_cast<DWORD>(E_INVALIDARG), "Windows Error: The parameter is incorrect.\r\n"},
        {static_cast<DWORD>(E_NOINTERFACE), "Windows Error: No such interface supported\r\n"},
        {static_cast<DWORD>(REGDB_E_CLASSNOTREG), "Windows Error: Class not registered\r\n"},
        {0x1234567, "Windows Error: unknown error 0x1234567"},
        {0xDEADBEEF, "Windows Error: unknown error 0xdeadbeef"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(Windows::Error(c.code).what(), c.text) << c.code;
    }
}

TEST(WindowsError, TextIsComposedOnceAndSharedWithLaterCopies) {
    auto original = std::make_unique<Windows::Error>(ERROR_FILE_NOT_FOUND);
    const char* text = original->what();
    EXPECT_EQ(original->what(), text);

    const Windows::Error copy(*original);
    Windows::Error assigned(ERROR_ACCESS_DENIED);
    assigned = *original;
    original.reset();

    EXPECT_EQ(copy.what(), text);
    EXPECT_EQ(assigned.what(), text);
    EXPECT_STREQ(copy.what(), "Windows Error: The system cannot find the file specified.\r\n");
    EXPECT_EQ(assigned.Code(), static_cast<uint32>(ERROR_FILE_NOT_FOUND));
}

TEST(WindowsError, CopiesMadeBeforeTheTextComposeTheirOwn) {
    Windows::Error original(ERROR_ACCESS_DENIED);
    const Windows::Error copy(original);
    EXPECT_STREQ(original.what(), "Windows Error: Access is denied.\r\n");
    EXPECT_STREQ(copy.what(), "Windows Error: Access is denied.\r\n");
}

TEST(WindowsError, ThrowOperationsThrowNothingForCodeZero) {
    EXPECT_NO_THROW(Windows::ThrowIfError(Windows::Error(0)));
    EXPECT_NO_THROW(Windows::ThrowComError(S_OK));
    SetLastError(ERROR_SUCCESS);
    EXPECT_NO_THROW(Windows::ThrowLastError());
}

TEST(WindowsError, ThrowOperationsCarryTheCode) {
    auto codeThrownBy = [](auto&& operation) -> uint32 {
        try {
            operation();
        } catch (const Windows::Error& e) {
            return e.Code();
        }
        return 0;
    };
    EXPECT_EQ(codeThrownBy([] { Windows::ThrowIfError(Windows::Error(5)); }), 5u);
    EXPECT_EQ(codeThrownBy([] { Windows::ThrowComError(E_POINTER); }),
              static_cast<uint32>(E_POINTER));
    EXPECT_EQ(codeThrownBy([] {
                  SetLastError(ERROR_INVALID_PARAMETER);
                  Windows::ThrowLastError();
              }),
              87u);
}

TEST(WindowsError, IsADebuggableException) {
    try {
        Windows::ThrowComError(E_FAIL);
        FAIL() << "nothing thrown";
    } catch (const DebuggableException& e) {
        EXPECT_STREQ(e.what(), "Windows Error: Unspecified error\r\n");
    }
}

} // namespace
