// The two cursors and the application icon, loaded the way the main window loads them.
#include <gtest/gtest.h>

#include <QPixmap>

#include "tests/pictures/palette_grid.h"
#include "ui/pictures/cursor_resource.h"
#include "ui/pictures/main_icon.h"

namespace {

using cardgen::Colour;

bool BlackWhiteOrClear(int v) {
    return v == cardgen::Index(Colour::Black) || v == cardgen::Index(Colour::White) ||
           v == PaletteGrid::kClear;
}

TEST(Cursors, HandPointsWithItsFingertipOnTheHotSpot) {
    const QCursor hand = ui::LoadCursorResource("MANO");
    ASSERT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(7, 1));
    const QImage img = hand.pixmap().toImage();
    ASSERT_EQ(img.size(), QSize(32, 32));
    const PaletteGrid g(img);
    EXPECT_EQ(g.Count({0, 0, 32, 32}, [](int v) { return !BlackWhiteOrClear(v); }), 0);
    // The hot spot is the top of the finger: opaque, nothing above it, white just below.
    EXPECT_NE(g.At(7, 1), PaletteGrid::kClear);
    EXPECT_EQ(g.At(7, 0), PaletteGrid::kClear);
    EXPECT_TRUE(g.Is(7, 3, Colour::White));
    EXPECT_EQ(g.Count({0, 0, 32, 1}, [](int v) { return v != PaletteGrid::kClear; }), 0);
    EXPECT_GT(g.Count({0, 0, 32, 32}, IsColour(Colour::White)), 150);
}

TEST(Cursors, ChangeArrowsCircleTheHotSpot) {
    const QCursor change = ui::LoadCursorResource("CAMBIA");
    ASSERT_EQ(change.shape(), Qt::BitmapCursor);
    EXPECT_EQ(change.hotSpot(), QPoint(15, 15));
    const QImage img = change.pixmap().toImage();
    ASSERT_EQ(img.size(), QSize(32, 32));
    const PaletteGrid g(img);
    EXPECT_EQ(g.Count({0, 0, 32, 32}, [](int v) { return !BlackWhiteOrClear(v); }), 0);
    // Two arrows, each the other turned half way round the centre.
    for (int y = 0; y <= 30; ++y) {
        for (int x = 0; x <= 30; ++x) {
            ASSERT_EQ(g.At(x, y), g.At(30 - x, 30 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(g.At(15, 15), PaletteGrid::kClear) << "the centre of the circle is open";
    EXPECT_EQ(g.Components({0, 0, 32, 32}, IsColour(Colour::White)).size(), 2u);
}

TEST(Cursors, UnknownNamesGiveTheArrow) {
    for (const char* name : {"", "HAND", "mano", "../cursors/MANO", "MANO.cur", "MAINICON"}) {
        EXPECT_EQ(ui::LoadCursorResource(name).shape(), Qt::ArrowCursor) << name;
    }
}

TEST(MainIcon, HasALargeAndASmallImage) {
    const QIcon icon = ui::MainIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_EQ(sizes.size(), 2);
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));

    const PaletteGrid large(icon.pixmap(32, 32).toImage());
    const PaletteGrid small(icon.pixmap(16, 16).toImage());
    ASSERT_EQ(large.Width(), 32);
    ASSERT_EQ(small.Width(), 16);
    for (const PaletteGrid* g : {&large, &small}) {
        EXPECT_EQ(g->Count({0, 0, g->Width(), g->Height()}, IsValue(PaletteGrid::kForeign)), 0);
        EXPECT_GT(g->Count({0, 0, g->Width(), g->Height()}, IsValue(PaletteGrid::kClear)), 0)
            << "an icon has see-through corners";
    }
    // Blue-backed stack with red signs and a king behind it; one red-backed card.
    EXPECT_GT(large.Count({0, 0, 32, 32}, IsColour(Colour::Blue)), 40);
    EXPECT_GT(large.Count({0, 0, 32, 32}, IsColour(Colour::Red)), 4);
    EXPECT_GT(large.Count({0, 0, 32, 32}, IsColour(Colour::Maroon)), 10);
    EXPECT_GT(small.Count({0, 0, 16, 16}, IsColour(Colour::Red)), 20);
    EXPECT_EQ(small.Count({0, 0, 16, 16}, IsColour(Colour::Blue)), 0);
}

TEST(MainIcon, UnknownNamesGiveANullIcon) {
    EXPECT_TRUE(ui::LoadIconResource("NOICON").isNull());
    EXPECT_TRUE(ui::LoadIconResource("MANO").isNull());
    EXPECT_TRUE(ui::LoadIconResource("").isNull());
}

} // namespace
