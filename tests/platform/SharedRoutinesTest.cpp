// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/numbers/SharedRoutines.h"

using namespace vantor;

TEST(SharedRoutines, RoundTo3CarriesSinglePrecisionAndHalvesToEven) {
    EXPECT_EQ(roundTo3(0.0625f), 0.062f);  // 62.5 rounds to the even 62
    EXPECT_EQ(roundTo3(0.1f), 0.1f);
    EXPECT_EQ(static_cast<double>(roundTo3(1.234f)), 1.2339999675750732);
    EXPECT_EQ(roundTo3(-2.0005f), -2.0f);   // -2000.4999.. in extended precision
    EXPECT_EQ(roundTo3(123.4567f), 123.457f);
}

TEST(SharedRoutines, SignedDecimalAcceptsPlainNumbersOnly) {
    for (const char* ok : {"12", "-3.5", "+.5", "7.", "0", "0."}) EXPECT_TRUE(isSignedDecimal(ok)) << ok;
    for (const char* bad : {"", "-", "+", ".", "+-1", "1e3", "1,5", "1 2", " 1", "1.2.3", "1-", "abc"})
        EXPECT_FALSE(isSignedDecimal(bad)) << bad;
}

TEST(SharedRoutines, DigitsAndSpaces) {
    EXPECT_FALSE(isDigits(""));
    EXPECT_TRUE(isDigits("0123"));
    EXPECT_FALSE(isDigits("-1"));
    EXPECT_EQ(removeSpaces(" 1 2\t3 "), "12\t3");
}

TEST(SharedRoutines, SameFloatComparesAtDoublePrecision) {
    EXPECT_TRUE(sameFloat(0.1, 0.1L + 1e-20L));  // equal once rounded to double
    EXPECT_FALSE(sameFloat(0.1, 0.1000000000001L));
    EXPECT_TRUE(sameFloat(1.5, 1.5L));
}
