// The embedded picture files themselves: the exact bitmap layout the game relies on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "tests/pictures/palette_grid.h"
#include "tools/cardgen/picture_set.h"

namespace {

constexpr int kFileSize = 3596;
constexpr int kPixelBytes = 3492;

QByteArray ReadResource(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString PathOf(int n) {
    return QStringLiteral(":/pictures/BITMAP_%1.dib").arg(n);
}

quint32 Le(const QByteArray& b, int at, int len) {
    quint32 v = 0;
    for (int i = len - 1; i >= 0; --i) {
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    }
    return v;
}

class PictureFile : public testing::TestWithParam<int> {};

TEST_P(PictureFile, HasTheStoredBitmapLayout) {
    const QByteArray b = ReadResource(PathOf(GetParam()));
    ASSERT_EQ(b.size(), kFileSize);
    EXPECT_EQ(Le(b, 0, 4), 40u) << "info header size";
    EXPECT_EQ(Le(b, 4, 4), 72u) << "width";
    EXPECT_EQ(Le(b, 8, 4), 97u) << "height, positive: rows run bottom-up";
    EXPECT_EQ(Le(b, 12, 2), 1u) << "planes";
    EXPECT_EQ(Le(b, 14, 2), 4u) << "bits a pixel";
    EXPECT_EQ(Le(b, 16, 4), 0u) << "no compression";
    EXPECT_EQ(Le(b, 20, 4), static_cast<quint32>(kPixelBytes));
    EXPECT_TRUE(Le(b, 32, 4) == 16u || Le(b, 32, 4) == 0u) << "palette of 16";
    // The standard palette, in index order, as blue-green-red-zero quads.
    for (int i = 0; i < cardgen::kPaletteSize; ++i) {
        const cardgen::Rgb& c = cardgen::kPalette[static_cast<std::size_t>(i)];
        const int at = 40 + 4 * i;
        EXPECT_EQ(static_cast<quint8>(b[at]), c.b) << "entry " << i;
        EXPECT_EQ(static_cast<quint8>(b[at + 1]), c.g) << "entry " << i;
        EXPECT_EQ(static_cast<quint8>(b[at + 2]), c.r) << "entry " << i;
        EXPECT_EQ(static_cast<quint8>(b[at + 3]), 0) << "entry " << i;
    }
}

TEST_P(PictureFile, DecodesToExactlyWhatWasDrawn) {
    // Rows stored upside down or nibbles swapped would show here as a different picture.
    const QImage decoded = QImage::fromData(ReadResource(PathOf(GetParam())), "dib");
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(PaletteGrid(decoded), PaletteGrid(*cardgen::PaintPicture(GetParam())));
}

TEST_P(PictureFile, IsOpaqueWithABlackFrame) {
    const PaletteGrid g(QImage::fromData(ReadResource(PathOf(GetParam())), "dib"));
    ASSERT_EQ(g.Width(), 72);
    ASSERT_EQ(g.Height(), 97);
    EXPECT_EQ(g.Count({0, 0, 72, 97}, [](int v) { return v < 0 || v >= 16; }), 0);
    for (int x = 0; x < 72; ++x) {
        EXPECT_TRUE(g.Is(x, 0, cardgen::Colour::Black) && g.Is(x, 96, cardgen::Colour::Black))
            << "column " << x;
    }
    for (int y = 0; y < 97; ++y) {
        EXPECT_TRUE(g.Is(0, y, cardgen::Colour::Black) && g.Is(71, y, cardgen::Colour::Black))
            << "row " << y;
    }
    // Only one pixel of frame: the ring just inside it is not all black.
    const int inner_black = g.Count({1, 1, 70, 1}, IsColour(cardgen::Colour::Black)) +
                            g.Count({1, 1, 1, 95}, IsColour(cardgen::Colour::Black));
    EXPECT_LT(inner_black, 70 + 95 - 1);
}

std::vector<int> AllNumbers() {
    return cardgen::PictureNumbers();
}

INSTANTIATE_TEST_SUITE_P(Every, PictureFile, testing::ValuesIn(AllNumbers()));

TEST(PictureSet, HoldsFacesBacksAndTheEmptySlotOnly) {
    for (int n = 1; n <= 58; ++n) {
        EXPECT_TRUE(QFile::exists(PathOf(n))) << n;
    }
    EXPECT_TRUE(QFile::exists(PathOf(63)));
    for (int n : {0, 59, 60, 61, 62, 64}) {
        EXPECT_FALSE(QFile::exists(PathOf(n))) << n;
    }
}

} // namespace
