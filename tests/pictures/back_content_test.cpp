// The card backs and the empty slot, read back through the lookup.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/pictures/palette_grid.h"
#include "ui/pictures/picture_lookup.h"

namespace {

using cardgen::Colour;
using cardgen::Rect;

constexpr int kW = 72;
constexpr int kH = 97;
const Rect kField{4, 4, kW - 8, kH - 8};

PaletteGrid Picture(int n) {
    return PaletteGrid(ui::PictureByNumber(n));
}

double Share(const PaletteGrid& g, Colour c) {
    return static_cast<double>(g.Count(kField, IsColour(c))) / (kField.width * kField.height);
}

TEST(Backs, SitInsideAWhiteMarginAndDifferFromEachOther) {
    for (int n = 53; n <= 58; ++n) {
        const PaletteGrid g = Picture(n);
        for (const Rect& edge : {Rect{1, 1, kW - 2, 3}, Rect{1, kH - 4, kW - 2, 3},
                                 Rect{1, 1, 3, kH - 2}, Rect{kW - 4, 1, 3, kH - 2}}) {
            EXPECT_EQ(g.Count(edge, NotColour(Colour::White)), 0) << n;
        }
        // The design reaches the margin on every side.
        EXPECT_GT(g.Count({4, 4, kW - 8, 1}, NotColour(Colour::White)), 0) << n;
        EXPECT_GT(g.Count({4, kH - 5, kW - 8, 1}, NotColour(Colour::White)), 0) << n;
    }
}

TEST(Backs, DesignsUseTheirColours) {
    const PaletteGrid lattice = Picture(53);
    EXPECT_GT(Share(lattice, Colour::Red) + Share(lattice, Colour::Maroon), 0.99);
    EXPECT_GT(Share(lattice, Colour::Red), 0.3);
    EXPECT_GT(Share(lattice, Colour::Maroon), 0.2);

    const PaletteGrid vines = Picture(54);
    EXPECT_GT(Share(vines, Colour::Black), 0.5);
    for (Colour c : {Colour::Green, Colour::Lime, Colour::Red, Colour::Yellow, Colour::White}) {
        EXPECT_GT(Share(vines, c), 0.002) << cardgen::Index(c);
    }

    const PaletteGrid roses = Picture(55);
    EXPECT_GT(Share(roses, Colour::Black), 0.25);
    // Roses are red with maroon shading.
    EXPECT_GT(Share(roses, Colour::Red) + Share(roses, Colour::Maroon), 0.2);
    EXPECT_GT(Share(roses, Colour::Red), 0.1);
    EXPECT_GT(Share(roses, Colour::Green), 0.05);

    const PaletteGrid harlequin = Picture(56);
    EXPECT_NEAR(Share(harlequin, Colour::Red), 0.5, 0.1);
    EXPECT_NEAR(Share(harlequin, Colour::Silver), 0.5, 0.1);

    const PaletteGrid keyboard = Picture(58);
    EXPECT_GT(Share(keyboard, Colour::Blue), 0.3);
    EXPECT_GT(Share(keyboard, Colour::White), 0.2);
    EXPECT_GT(Share(keyboard, Colour::Black), 0.05);
}

TEST(Backs, StarsRingTheEmblem) {
    const PaletteGrid g = Picture(57);
    EXPECT_GT(Share(g, Colour::Blue), 0.7);
    const double cx = (kW - 1) / 2.0;
    const double cy = (kH - 1) / 2.0;
    int stars = 0;
    for (const Rect& s : g.Components(kField, IsColour(Colour::Yellow))) {
        const double d =
            std::hypot(s.x + (s.width - 1) / 2.0 - cx, s.y + (s.height - 1) / 2.0 - cy);
        if (d > 12) {
            ++stars;
            EXPECT_NEAR(d, 22, 2) << "a star off the ring";
        }
    }
    EXPECT_EQ(stars, 12);
    // The emblem: red and yellow mixed, which reads as orange.
    const Rect emblem{static_cast<int>(cx) - 3, static_cast<int>(cy) - 3, 7, 7};
    EXPECT_GT(g.Count(emblem, IsColour(Colour::Red)), 15);
    EXPECT_GT(g.Count(emblem, IsColour(Colour::Yellow)), 15);
}

TEST(EmptySlot, IsASunkenTrayStippledWithDots) {
    const PaletteGrid g = Picture(63);
    // White edge all round inside the frame, grey line along top and left inside that.
    EXPECT_EQ(g.Count({1, 1, kW - 2, 1}, NotColour(Colour::White)), 0);
    EXPECT_EQ(g.Count({1, 1, 1, kH - 2}, NotColour(Colour::White)), 0);
    EXPECT_EQ(g.Count({1, kH - 2, kW - 2, 1}, NotColour(Colour::White)), 0);
    EXPECT_EQ(g.Count({kW - 2, 1, 1, kH - 2}, NotColour(Colour::White)), 0);
    EXPECT_EQ(g.Count({2, 2, kW - 4, 1}, NotColour(Colour::Grey)), 0);
    EXPECT_EQ(g.Count({2, 2, 1, kH - 4}, NotColour(Colour::Grey)), 0);
    // The field: silver with single black dots on a regular grid.
    const Rect field{3, 3, kW - 5, kH - 5};
    EXPECT_EQ(g.Count(field,
                      [](int v) {
                          return v != cardgen::Index(Colour::Silver) &&
                                 v != cardgen::Index(Colour::Black);
                      }),
              0);
    const auto dots = g.Components(field, IsColour(Colour::Black));
    ASSERT_GT(dots.size(), 100u);
    const Rect& first = dots.front();
    const Rect& second = dots[1];
    const int step = second.x - first.x;
    EXPECT_GE(step, 2);
    for (const Rect& d : dots) {
        EXPECT_EQ(d.width, 1);
        EXPECT_EQ(d.height, 1);
        EXPECT_EQ((d.x - first.x) % step, 0) << d.x << "," << d.y;
        EXPECT_EQ((d.y - first.y) % step, 0) << d.x << "," << d.y;
    }
}

} // namespace
