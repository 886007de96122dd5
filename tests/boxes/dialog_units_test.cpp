#include "ui/boxes/dialog_units.h"

#include <gtest/gtest.h>

#include <climits>

using ui::DialogUnits;
using ui::MulDiv;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(5, 1, 2), 3);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, -1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(-5, 1, -2), 3);
    EXPECT_EQ(MulDiv(7, 1, 4), 2); // 1.75
    EXPECT_EQ(MulDiv(5, 1, 4), 1); // 1.25
    EXPECT_EQ(MulDiv(-7, 1, 4), -2);
    EXPECT_EQ(MulDiv(0, 9, 7), 0);
}

TEST(MulDiv, UsesAWideProductAndFailsOnlyWhereItMust) {
    // The product overflows 32 bits, the quotient does not.
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(100000, 100000, 1000), 10000000);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, -1, 1), -1);
}

TEST(DialogUnits, ScaleByQuarterWidthAndEighthHeight) {
    const DialogUnits du(6, 13);
    EXPECT_EQ(du.h(180), 270);
    EXPECT_EQ(du.h(38), 57);
    EXPECT_EQ(du.h(50), 75);
    EXPECT_EQ(du.v(63), 102); // 102.375
    EXPECT_EQ(du.v(41), 67);  // 66.625
    EXPECT_EQ(du.v(19), 31);  // 30.875
    EXPECT_EQ(du.v(14), 23);  // 22.75
    EXPECT_EQ(du.v(8), 13);

    const DialogUnits halves(2, 12);
    EXPECT_EQ(halves.h(1), 1); // 0.5 rounds up
    EXPECT_EQ(halves.v(1), 2); // 1.5 rounds up
}
