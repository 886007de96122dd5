// The generator's own building blocks: mistakes in the art and bad requests are refused,
// and the contact sheet is a PNG that a real decoder reads back.
#include <gtest/gtest.h>

#include <stdexcept>

#include <QImage>

#include "tests/pictures/palette_grid.h"
#include "tools/cardgen/back_painter.h"
#include "tools/cardgen/dib_encoder.h"
#include "tools/cardgen/glyph.h"
#include "tools/cardgen/icon_art.h"
#include "tools/cardgen/icon_encoder.h"
#include "tools/cardgen/picture_set.h"
#include "tools/cardgen/png_encoder.h"

namespace {

using cardgen::Canvas;
using cardgen::Colour;
using cardgen::Glyph;

TEST(CardGen, GlyphArtMustBeRectangularAndUseKnownSymbols) {
    EXPECT_THROW((Glyph{"##.", "#."}), std::invalid_argument);
    EXPECT_THROW((Glyph{"#Z#"}), std::invalid_argument);
    const Glyph g{".#K", "MO."};
    EXPECT_EQ(g.CellAt(0, 0), Glyph::Cell::Clear);
    EXPECT_EQ(g.CellAt(1, 0), Glyph::Cell::Ink);
    EXPECT_EQ(g.FixedColour(2, 0), Colour::Black);
    EXPECT_EQ(g.FixedColour(0, 1), Colour::Maroon);
    EXPECT_EQ(g.FixedColour(1, 1), Colour::Olive);
}

TEST(CardGen, GlyphsDrawUprightOrTurnedAndClipAtTheEdge) {
    const Glyph g{"#.", ".K"};
    Canvas c(4, 4, Colour::White);
    c.Draw(g, 0, 0, Colour::Red);
    c.Draw(g, 2, 2, Colour::Blue, cardgen::Turn::HalfTurn);
    c.Draw(g, 3, 3, Colour::Green); // only the ink cell is on the canvas
    const PaletteGrid p(c);
    EXPECT_TRUE(p.Is(0, 0, Colour::Red));
    EXPECT_TRUE(p.Is(1, 1, Colour::Black));
    EXPECT_TRUE(p.Is(2, 2, Colour::Black)) << "turned: the fixed cell comes first";
    EXPECT_TRUE(p.Is(3, 3, Colour::Green));
    EXPECT_EQ(p.Count({0, 0, 4, 4}, IsColour(Colour::Blue)), 0) << "ink overdrawn at (3, 3)";
    EXPECT_EQ(p.Count({0, 0, 4, 4}, NotColour(Colour::White)), 4);
    EXPECT_THROW(c.At(4, 0), std::out_of_range);
}

TEST(CardGen, HalfTurnCompletesTheLowerHalf) {
    Canvas c(5, 5, Colour::White);
    c.Set(1, 0, Colour::Red);
    c.Set(0, 2, Colour::Blue);  // middle row, left half
    c.Set(4, 2, Colour::Green); // middle row, right half: overwritten by its partner
    c.CompleteHalfTurn({0, 0, 5, 5});
    const PaletteGrid p(c);
    EXPECT_TRUE(p.Is(3, 4, Colour::Red));
    EXPECT_TRUE(p.Is(4, 2, Colour::Blue));
    EXPECT_TRUE(p.Is(0, 2, Colour::Blue));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(p.At(x, y), p.At(4 - x, 4 - y)) << x << "," << y;
        }
    }
}

TEST(CardGen, EncodersRefuseWhatTheirFormatCannotHold) {
    Canvas holed(72, 97, Colour::White);
    holed.Set(10, 10, Colour::Transparent);
    EXPECT_THROW(cardgen::EncodeDib(holed), std::invalid_argument);

    Canvas coloured(32, 32, Colour::Transparent);
    coloured.Set(1, 1, Colour::Red);
    EXPECT_THROW(cardgen::EncodeCursor(coloured, {0, 0}), std::invalid_argument);
    const Canvas blank(32, 32, Colour::Transparent);
    EXPECT_THROW(cardgen::EncodeCursor(blank, {32, 0}), std::invalid_argument);
    EXPECT_THROW(cardgen::EncodeCursor(blank, {0, -1}), std::invalid_argument);
    EXPECT_THROW(cardgen::EncodeIcon({}), std::invalid_argument);
    EXPECT_THROW(cardgen::EncodeIcon({Canvas(257, 16, Colour::White)}), std::invalid_argument);
}

TEST(CardGen, OnlyPictureNumbersHavePictures) {
    EXPECT_THROW(cardgen::PaintBack(0), std::invalid_argument);
    EXPECT_THROW(cardgen::PaintBack(7), std::invalid_argument);
    for (int n : {-1, 0, 59, 62, 64}) {
        EXPECT_FALSE(cardgen::PaintPicture(n).has_value()) << n;
    }
    EXPECT_EQ(cardgen::PictureName(7), "BITMAP_7");
    EXPECT_EQ(cardgen::PictureNumbers().size(), 59u);
}

TEST(CardGen, PngDecodesToTheSamePixels) {
    // Wider than one stored deflate block, so the block splitting is exercised too.
    cardgen::IndexedImage img{400, 200, {{0, 0, 0}, {255, 0, 0}, {0, 0, 255}}, {}, {}};
    for (int i = 0; i < img.width * img.height; ++i) {
        img.pixels.push_back(static_cast<std::uint8_t>((i * 7 + i / 400) % 3));
    }
    const std::vector<std::uint8_t> png = cardgen::EncodePng(img);
    const QImage back = QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size())),
        "png");
    ASSERT_EQ(back.size(), QSize(400, 200));
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const cardgen::Rgb& c = img.palette[img.pixels[static_cast<std::size_t>(y * 400 + x)]];
            ASSERT_EQ(back.pixel(x, y), qRgb(c.r, c.g, c.b)) << x << "," << y;
        }
    }
    img.pixels[5] = 3; // past the palette
    EXPECT_THROW(cardgen::EncodePng(img), std::invalid_argument);
}

TEST(CardGen, PngRefusesMoreOpacitiesThanColours) {
    cardgen::IndexedImage tooManyOpacities{1, 1, {{0, 0, 0}}, {0}, {255, 0}};
    EXPECT_THROW(cardgen::EncodePng(tooManyOpacities), std::invalid_argument);
}

} // namespace
