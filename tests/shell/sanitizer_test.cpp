// The sanitizer build stops at the first finding of every kind it looks for, so that no test
// passes over one; here a NaN converted to an int.
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#define ORB_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORB_SANITIZED 1
#endif
#endif

namespace {

#ifdef ORB_SANITIZED
int toInt(double v) { return static_cast<int>(v); }
#endif

TEST(SanitizerBuild, ANumberOutOfIntsRangeConvertedStopsTheProgram)
{
#ifndef ORB_SANITIZED
    GTEST_SKIP() << "only the sanitizer build checks conversions";
#else
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    volatile double zero = 0;
    EXPECT_DEATH(
        {
            const int i = toInt(zero / zero);
            (void)i;
        },
        "outside the range of representable values");
    EXPECT_DEATH(
        {
            const int i = toInt(3e9 + zero);
            (void)i;
        },
        "outside the range of representable values");
#endif
}

}  // namespace
