// The build-time picture generator: palette reduction, the scene and the tick.
#include "tools/thanksgen/light_scene.h"
#include "tools/thanksgen/ok_tick.h"
#include "tools/thanksgen/palette_quantizer.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

namespace {

using thanksgen::Dither;
using thanksgen::QuantizeToPalette;

int channelError(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

double meanError(const QImage& original, const QImage& reduced) {
    double total = 0;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            total += channelError(original.pixel(x, y), reduced.pixel(x, y));
    return total / (original.width() * original.height());
}

// Every colour of a 64 x 64 cube slice: 4096 distinct colours.
QImage colourField() {
    QImage image(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
    return image;
}

TEST(PaletteQuantizer, RejectsWhatCannotBecomeAPalettePicture) {
    const QImage small = colourField();
    EXPECT_TRUE(QuantizeToPalette(QImage(), 256, Dither::None).isNull());
    EXPECT_TRUE(QuantizeToPalette(small, 1, Dither::None).isNull());
    EXPECT_TRUE(QuantizeToPalette(small, 257, Dither::None).isNull());
    EXPECT_TRUE(QuantizeToPalette(small, -5, Dither::FloydSteinberg).isNull());
    EXPECT_FALSE(QuantizeToPalette(small, 2, Dither::None).isNull());
}

TEST(PaletteQuantizer, KeepsAFewColoursExactlyAndPadsThePalette) {
    const QRgb colours[] = {qRgb(0x80, 0, 0), qRgb(0, 0x80, 0), qRgb(0xff, 0xff, 0), qRgb(1, 2, 3),
                            qRgb(0xff, 0xff, 0xff)};
    QImage picture(23, 17, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, colours[(x * 3 + y * 7) % 5]);
    for (Dither dither : {Dither::None, Dither::FloydSteinberg}) {
        const QImage reduced = QuantizeToPalette(picture, 256, dither);
        ASSERT_EQ(reduced.format(), QImage::Format_Indexed8);
        EXPECT_EQ(reduced.colorCount(), 256);
        EXPECT_EQ(reduced.size(), picture.size());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_EQ(reduced.pixel(x, y), picture.pixel(x, y) | 0xff000000)
                    << "at " << x << "," << y;
    }
}

TEST(PaletteQuantizer, MoreEntriesFollowTheColoursMoreClosely) {
    const QImage field = colourField();
    const QImage coarse = QuantizeToPalette(field, 16, Dither::None);
    const QImage fine = QuantizeToPalette(field, 256, Dither::None);
    ASSERT_EQ(coarse.colorCount(), 16);
    ASSERT_EQ(fine.colorCount(), 256);
    const double coarseError = meanError(field, coarse);
    const double fineError = meanError(field, fine);
    EXPECT_LT(fineError, coarseError / 2);
    EXPECT_LT(fineError, 12.0); // 256 colours for 4096: within a few steps a channel
    std::set<int> used;
    for (int y = 0; y < fine.height(); ++y)
        for (int x = 0; x < fine.width(); ++x)
            used.insert(fine.pixelIndex(x, y));
    EXPECT_GT(used.size(), 240u) << "the cut wastes palette entries";
}

TEST(PaletteQuantizer, DitheringKeepsTheAverageOfAGradient) {
    // A grey ramp on two colours: plain mapping jumps from one to the other; dithering mixes
    // them so that each small patch still averages out to the grey it should be.
    QImage ramp(128, 32, QImage::Format_RGB32);
    for (int y = 0; y < ramp.height(); ++y)
        for (int x = 0; x < ramp.width(); ++x)
            ramp.setPixel(x, y, qRgb(x * 2, x * 2, x * 2));
    constexpr int kPatch = 8;
    auto worstPatch = [&](const QImage& reduced) {
        double worst = 0;
        for (int left = 32; left < 96; left += kPatch) { // between the two palette greys
            double got = 0, want = 0;
            for (int y = 0; y < reduced.height(); ++y)
                for (int x = left; x < left + kPatch; ++x) {
                    got += qGray(reduced.pixel(x, y));
                    want += qGray(ramp.pixel(x, y));
                }
            worst = std::max(worst, std::abs(got - want) / (kPatch * reduced.height()));
        }
        return worst;
    };
    EXPECT_LT(worstPatch(QuantizeToPalette(ramp, 2, Dither::FloydSteinberg)), 6.0);
    EXPECT_GT(worstPatch(QuantizeToPalette(ramp, 2, Dither::None)), 30.0);
}

TEST(LightScene, IsAFullPictureWithALitLamp) {
    EXPECT_TRUE(thanksgen::PaintLightScene(QSize(0, 10)).isNull());
    const QImage scene = thanksgen::PaintLightScene();
    ASSERT_EQ(scene.size(), QSize(185, 213));
    std::set<QRgb> colours;
    for (int y = 0; y < scene.height(); ++y)
        for (int x = 0; x < scene.width(); ++x)
            colours.insert(scene.pixel(x, y));
    EXPECT_GT(colours.size(), 1000u) << "the picture should have depth before reduction";
    // Warm light at the lamp; night still at the top of the sky.
    const QRgb lamp = scene.pixel(29, 41);
    EXPECT_GT(qRed(lamp), 230);
    EXPECT_GT(qGreen(lamp), 200);
    EXPECT_LT(qGray(scene.pixel(180, 2)), 60);
    // Scaled, it is the same picture.
    const QImage twice = thanksgen::PaintLightScene(QSize(370, 426));
    EXPECT_LT(channelError(twice.pixel(58, 82), lamp), 40);
}

TEST(OkTick, IsAGreenTickOnATransparentGround) {
    EXPECT_TRUE(thanksgen::PaintOkTick(QSize(-1, 18)).isNull());
    const QImage tick = thanksgen::PaintOkTick();
    ASSERT_EQ(tick.size(), QSize(18, 18));
    ASSERT_TRUE(tick.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(17, 0), QPoint(0, 17), QPoint(17, 17)})
        EXPECT_EQ(qAlpha(tick.pixel(corner)), 0) << corner.x() << "," << corner.y();
    int green = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb p = tick.pixel(x, y);
            if (qAlpha(p) == 255 && qGreen(p) > 2 * qRed(p) && qGreen(p) > 2 * qBlue(p))
                ++green;
        }
    EXPECT_GT(green, 30) << "too little of the tick is solid green";
}

} // namespace
