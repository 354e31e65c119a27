#include "universe/strings/ConstCString.h"

#include "tests/support/ReportedAssertions.h"

#include <gtest/gtest.h>

namespace {

TEST(ConstCString, ViewEndsAtTheFirstZeroAndNullIsReported) {
    const char text[] = "abc\0def";
    EXPECT_EQ(ConstCString(text).Bytes(), ConstData(text, 3));
    ReportedAssertions reported;
    EXPECT_TRUE(ConstCString(nullptr).Bytes().IsEmpty());
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"theText != 0"});
}

} // namespace
