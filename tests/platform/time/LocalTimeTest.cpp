#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(LocalTime, MatchesTheCLibrarysLocalTime) {
    setenv("TZ", "NPT-5:45", 1);
    // The second may tick between the two readings; a few tries find a pair
    // taken within the same one.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::time_t before = std::time(nullptr);
        SYSTEMTIME st{};
        GetLocalTime(&st);
        if (std::time(nullptr) != before) {
            continue;
        }
        std::tm local{};
        localtime_r(&before, &local);
        EXPECT_EQ(st.wYear, local.tm_year + 1900);
        EXPECT_EQ(st.wMonth, local.tm_mon + 1);
        EXPECT_EQ(st.wDay, local.tm_mday);
        EXPECT_EQ(st.wDayOfWeek, local.tm_wday);
        EXPECT_EQ(st.wHour, local.tm_hour);
        EXPECT_EQ(st.wMinute, local.tm_min);
        EXPECT_EQ(st.wSecond, local.tm_sec);
        EXPECT_LT(st.wMilliseconds, 1000);
        unsetenv("TZ");
        return;
    }
    unsetenv("TZ");
    FAIL() << "the clock never stood still for one reading";
}

TEST(PerformanceCounter, CountsNanosecondsForwardAndRefusesNull) {
    LARGE_INTEGER frequency{};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    EXPECT_EQ(frequency.QuadPart, 1000000000);

    LARGE_INTEGER first{};
    LARGE_INTEGER second{};
    ASSERT_TRUE(QueryPerformanceCounter(&first));
    timespec pause{0, 2000000};
    nanosleep(&pause, nullptr);
    ASSERT_TRUE(QueryPerformanceCounter(&second));
    EXPECT_GE(second.QuadPart - first.QuadPart, 2000000);

    EXPECT_FALSE(QueryPerformanceCounter(nullptr));
    EXPECT_FALSE(QueryPerformanceFrequency(nullptr));
}

} // namespace
