// The desktop icon as the package ships it: the files the build wrote for the icon theme.
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>

namespace {

const int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString IconFile(int size) {
    return QStringLiteral(VANDOLIN_THEME_ICONS "/vandolin-%1.png").arg(size);
}

QImage Icon(int size) {
    return QImage(IconFile(size)).convertToFormat(QImage::Format_ARGB32);
}

// True when every factor × factor block of the image is one colour: a smaller picture
// enlarged pixel for pixel.
bool IsWholeEnlargement(const QImage& image, int factor) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x - x % factor, y - y % factor))
                return false;
    return true;
}

// The mean difference per channel, 0 to 255, between two pictures shrunk to 16 pixels.
double Difference(const QImage& a, const QImage& b) {
    const auto shrink = [](const QImage& image) {
        return image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage x = shrink(a);
    const QImage y = shrink(b);
    double total = 0;
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i) {
            const QRgb p = x.pixel(i, j);
            const QRgb q = y.pixel(i, j);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return total / (16 * 16 * 4);
}

TEST(ThemeIcon, EverySizeIsACompressedPictureOfItsSizeOnAClearGround) {
    for (int size : kSizes) {
        const QImage icon = Icon(size);
        ASSERT_EQ(icon.size(), QSize(size, size)) << IconFile(size).toStdString();
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        // Stored without compression, a PNG of these needs four bytes a pixel.
        EXPECT_LT(QFileInfo(IconFile(size)).size(), 2 * size * size) << size;
    }
}

TEST(ThemeIcon, LargeSizesAreDrawnNotEnlarged) {
    for (int size : kSizes) {
        if (size < 48)
            continue;
        const QImage icon = Icon(size);
        for (int factor : {2, 3}) {
            if (size % factor == 0) {
                EXPECT_FALSE(IsWholeEnlargement(icon, factor)) << size << " by " << factor;
            }
        }
    }
}

TEST(ThemeIcon, NeighbouringSizesShowTheSameDesign) {
    // Shrunk to the same size, each picture is close to the next larger one: the small sizes
    // leave details out, but a different picture (another card, another layout) is far off.
    for (std::size_t i = 0; i + 1 < std::size(kSizes); ++i) {
        EXPECT_LT(Difference(Icon(kSizes[i]), Icon(kSizes[i + 1])), 45.0)
            << kSizes[i] << " and " << kSizes[i + 1];
    }
}

} // namespace
