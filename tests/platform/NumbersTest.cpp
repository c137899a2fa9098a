// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/numbers/Numbers.h"

using namespace vantor;

TEST(Numbers, RoundHalfEvenTiesGoToEven) {
    struct Case { long double in; std::int64_t out; };
    for (Case c : {Case{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2}, {62.5L, 62}, {63.5L, 64},
                   {2.4999L, 2}, {2.5001L, 3}, {-2.5001L, -3}, {0.0L, 0}}) {
        EXPECT_EQ(roundHalfEven(c.in), c.out) << static_cast<double>(c.in);
    }
}

TEST(Numbers, TruncationAndScreenCoordinates) {
    EXPECT_EQ(truncToInt(2.9L), 2);
    EXPECT_EQ(truncToInt(-2.9L), -2);
    // Adding one half then cutting toward zero differs from rounding below zero.
    EXPECT_EQ(screenCoord(-0.7L), 0);
    EXPECT_EQ(screenCoord(-1.6L), -1);
    EXPECT_EQ(screenCoord(2.5L), 3);
}

TEST(Numbers, HugeAndInvalidValuesSaturateInsteadOfOverflowing) {
    EXPECT_EQ(roundI32(1e30L), INT32_MAX);
    EXPECT_EQ(truncI32(-1e30L), INT32_MIN);
    EXPECT_EQ(roundHalfEven(std::nanl("")), 0);
}
