#include "universe/strings/ConstCString.h"

#include "tests/universe/exceptions/ReportedAssertions.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(ConstCString, ViewCoversTheCharactersWithoutTheTerminator) {
    const char text[] = "abc\0def";
    const ConstData view = ConstCString(text);
    EXPECT_EQ(view.Start(), reinterpret_cast<const uint8*>(text));
    EXPECT_EQ(view.Length(), 3u);
    EXPECT_TRUE(ConstCString("").Bytes().IsEmpty());
}

TEST(ConstCString, NullIsReportedAndReadsAsEmpty) {
    ReportedAssertions reported;
    const ConstCString none(nullptr);
    EXPECT_EQ(reported.Conditions(), std::vector<std::string>{"theText != 0"});
    EXPECT_STREQ(none.Text(), "");
    EXPECT_TRUE(none.Bytes().IsEmpty());
}

} // namespace
