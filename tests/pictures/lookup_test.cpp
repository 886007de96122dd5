// Picture numbers through the game's lookup: the right picture under every number the game
// passes, and nothing under the others.
#include <gtest/gtest.h>

#include <climits>

#include "tests/pictures/palette_grid.h"
#include "tools/cardgen/back_painter.h"
#include "tools/cardgen/face_painter.h"
#include "ui/pictures/picture_lookup.h"

namespace {

using cardgen::Rank;
using cardgen::Suit;

void ExpectShows(int n, const cardgen::Canvas& expected) {
    const QImage img = ui::PictureByNumber(n);
    ASSERT_FALSE(img.isNull()) << n;
    EXPECT_EQ(img.size(), QSize(ui::kPictureWidth, ui::kPictureHeight)) << n;
    EXPECT_TRUE(PaletteGrid(img) == PaletteGrid(expected)) << "picture " << n;
}

TEST(PictureLookup, CardCodesShowTheirOwnFaces) {
    ExpectShows(1, cardgen::PaintFace(Suit::Clubs, Rank::Ace));
    ExpectShows(13, cardgen::PaintFace(Suit::Clubs, Rank::King));
    ExpectShows(14, cardgen::PaintFace(Suit::Diamonds, Rank::Ace));
    ExpectShows(27, cardgen::PaintFace(Suit::Hearts, Rank::Ace));
    ExpectShows(40, cardgen::PaintFace(Suit::Spades, Rank::Ace));
    ExpectShows(52, cardgen::PaintFace(Suit::Spades, Rank::King));
    ExpectShows(24, cardgen::PaintFace(Suit::Diamonds, Rank::Jack));
    ExpectShows(38, cardgen::PaintFace(Suit::Hearts, Rank::Queen));
    ExpectShows(49, cardgen::PaintFace(Suit::Spades, Rank::Ten));
}

TEST(PictureLookup, DeckTagsShowTheirBacks) {
    for (int tag = 1; tag <= 6; ++tag) {
        ExpectShows(52 + tag, cardgen::PaintBack(tag));
    }
}

TEST(PictureLookup, SixtyThreeIsTheEmptySlot) {
    ExpectShows(63, cardgen::PaintEmptySlot());
}

TEST(PictureLookup, NumbersWithoutAPictureGiveAnEmptyOne) {
    for (int n : {0, 59, 60, 61, 62, 64, 100, 630, -1, -53, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(ui::PictureByNumber(n).isNull()) << n;
    }
}

TEST(PictureLookup, FindsPicturesByTheirExactNameOnly) {
    EXPECT_TRUE(PaletteGrid(ui::PictureByName("BITMAP_53")) == PaletteGrid(cardgen::PaintBack(1)));
    EXPECT_FALSE(ui::PictureByName("BITMAP_1").isNull());
    for (const char* bad :
         {"BITMAP_053", "BITMAP_+1", "BITMAP_ 1", "BITMAP_1 ", "bitmap_1", "BITMAP_", "BITMAP_0",
          "BITMAP_-1", "BITMAP_59", "BITMAP_1.dib", "../pictures/BITMAP_1", "MANO", ""}) {
        EXPECT_TRUE(ui::PictureByName(bad).isNull()) << bad;
    }
}

} // namespace
