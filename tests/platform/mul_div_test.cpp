#include "platform/mul_div.h"

#include <gtest/gtest.h>

#include <climits>

using platform::MulDiv;

// Halves round away from zero whatever the signs; the product is taken in 64 bits, and only
// a zero denominator or a result beyond an int gives -1. Dialog units and caption gradient
// bands both depend on every one of these.
TEST(MulDiv, RoundsHalvesAwayFromZeroThroughAWideProduct) {
    const struct {
        int number, numerator, denominator, result;
    } cases[] = {
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {5, -1, 2, -3},
        {5, 1, -2, -3},
        {-5, 1, -2, 3},
        {1, 101, 2, 51},
        {-1, 101, 2, -51},
        {7, 1, 4, 2},
        {5, 1, 4, 1},
        {-7, 1, 4, -2},
        {3, 1, 4, 1},
        {1, 1, 4, 0},
        {-3, 1, 4, -1},
        {0, 9, 7, 0},
        {254, 128, 255, 127},                 // 127.498...
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product overflows 32 bits, the result not
        {100000, 100000, 1000, 10000000},
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MIN, 1, -1, -1},
        {INT_MIN, -1, 1, -1},
        {INT_MAX, 2, 1, -1},
        {1, 1, 0, -1},
        {5, 7, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}
