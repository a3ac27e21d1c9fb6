// MulDiv: 64-bit intermediate, rounding half away from zero, -1 on failure.
#include "platform/MulDiv.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MulDiv, RoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(10, 3, 4), 8);    // 7.5
    EXPECT_EQ(MulDiv(-10, 3, 4), -8);  // -7.5
    EXPECT_EQ(MulDiv(10, -3, 4), -8);
    EXPECT_EQ(MulDiv(10, 3, -4), -8);
    EXPECT_EQ(MulDiv(-10, -3, -4), -8);
    EXPECT_EQ(MulDiv(-10, 3, -4), 8);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);  // 2.33
    EXPECT_EQ(MulDiv(5, 1, 3), 2);  // 1.67
    EXPECT_EQ(MulDiv(-5, 1, 3), -2);
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(0, 5, 7), 0);
}

TEST(MulDiv, UsesA64BitIntermediate) {
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(100000, 100000, 1000), 10000000);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
}

TEST(MulDiv, FailsWithMinusOne) {
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0, 0, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, -1), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 3, 2), -1);
}
