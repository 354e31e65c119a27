#include "universe/exceptions/WindowsError.h"

#include <gtest/gtest.h>
#include <memory>
#include <windows.h>

namespace {

TEST(WindowsError, WhatIsTheSystemTextOrTheCodeInHexadecimal) {
    const std::pair<DWORD, const char*> cases[] = {
        {2, "Windows Error: The system cannot find the file specified.\r\n"},
        {static_cast<DWORD>(E_INVALIDARG), "Windows Error: The parameter is incorrect.\r\n"},
        {0x1234567, "Windows Error: unknown error 0x1234567"},
        {0xDEADBEEF, "Windows Error: unknown error 0xdeadbeef"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_STREQ(Windows::Error(code).what(), text);
    }
}

TEST(WindowsError, CopiesShareTheComposedTextBeyondTheOriginal) {
    auto original = std::make_unique<Windows::Error>(5);
    const char* text = original->what();
    const Windows::Error copy(*original);
    Windows::Error assigned(2);
    assigned = copy;
    original.reset();
    EXPECT_EQ(copy.what(), text);
    EXPECT_EQ(assigned.what(), text);
    EXPECT_STREQ(text, "Windows Error: Access is denied.\r\n");
}

TEST(WindowsError, ThrowOperationsThrowTheCodeUnlessItIsZero) {
    EXPECT_NO_THROW(Windows::ThrowIfError(Windows::Error(0)));
    EXPECT_NO_THROW(Windows::ThrowComError(S_OK));
    SetLastError(0);
    EXPECT_NO_THROW(Windows::ThrowLastError());

    SetLastError(87);
    EXPECT_THROW(Windows::ThrowLastError(), Windows::Error);
    try {
        Windows::ThrowComError(E_POINTER);
        FAIL() << "nothing thrown";
    } catch (const Windows::Error& e) {
        EXPECT_EQ(e.Code(), static_cast<uint32>(E_POINTER));
    }
}

} // namespace
