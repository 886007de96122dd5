#include "ui/boxes/dialog_units.h"

#include <gtest/gtest.h>

using ui::DialogUnits;

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
