#include "caption/caption_font.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

using namespace caption;

namespace {

QFont pixelFont(const char* family, int pixels) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TEST(CharacterHeightTest, IsTheEmHeightInPixelsAtNinetySixDpi) {
    EXPECT_EQ(CharacterHeight(pixelFont("Liberation Sans", 20)), 20);
    EXPECT_EQ(CharacterHeight(pixelFont("Liberation Serif", 11)), 11);
    QFont points(QStringLiteral("Liberation Sans"));
    points.setPointSize(12);
    EXPECT_EQ(CharacterHeight(points), 16) << "12 pt at 96 dpi";
    // Less than the cell: the internal leading above the accents is not part of it.
    QImage device(10, 10, QImage::Format_RGB32);
    const QFont sans = pixelFont("Liberation Sans", 40);
    const QFontMetrics metrics(sans, &device);
    EXPECT_LT(CharacterHeight(sans), metrics.ascent() + metrics.descent());
    EXPECT_GT(CharacterHeight(sans), metrics.ascent());
}

TEST(FitToCaptionHeightTest, TakesTheCaptionFontsCharacterHeight) {
    QFont font = pixelFont("Liberation Serif", 30);
    font.setItalic(true);
    FitToCaptionHeight(font, pixelFont("Liberation Sans", 13));
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(font.italic());

    QFont points(QStringLiteral("Liberation Serif"));
    points.setPointSize(9); // 12 px
    FitToCaptionHeight(points, pixelFont("Liberation Sans", 20));
    EXPECT_EQ(points.pixelSize(), 20);
}

TEST(FitToCaptionHeightTest, MakesOneCorrectionPassThatOnlyLowers) {
    // A font engine whose glyphs come out twice as tall as asked.
    int calls = 0;
    auto doubling = [&calls](const QFont& f) {
        ++calls;
        return 2 * f.pixelSize();
    };
    // c = 20; a = 10 -> 5 - 10 + 20 = 15 px; a = 30 > 20 -> 15 - 30 + 20 = 5 px, and no more.
    QFont font = pixelFont("Liberation Sans", 5);
    FitToCaptionHeight(font, pixelFont("Liberation Sans", 10), doubling);
    EXPECT_EQ(font.pixelSize(), 5);
    EXPECT_EQ(calls, 3);

    // c = 20; a = 40 -> 20 - 40 + 20 = 0, kept at 1 px; a = 2 < 20 is not raised again.
    font = pixelFont("Liberation Sans", 20);
    FitToCaptionHeight(font, pixelFont("Liberation Sans", 10), doubling);
    EXPECT_EQ(font.pixelSize(), 1);
}

TEST(CaptionFontFromTest, BuildsTheDesktopsCaptionFontOnTheStockFont) {
    QFont stock = pixelFont("Liberation Sans", 13);
    stock.setBold(true);
    stock.setUnderline(true);

    platform::CaptionFontInfo info;
    info.face = QStringLiteral("Liberation Serif");
    info.height = 12;
    info.weight = 600;
    QFont font = CaptionFontFrom(stock, info);
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_EQ(font.pixelSize(), -1);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline()) << "the style is rebuilt, not added to";

    info.height = -13;
    info.weight = 500;
    info.italic = true;
    font = CaptionFontFrom(stock, info);
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_FALSE(font.bold()) << "bold only above 500";
    EXPECT_TRUE(font.italic());

    // A zero height keeps the stock size; the face ends at a terminating zero.
    info.height = 0;
    info.face = QStringLiteral("Liberation Mono") + QChar(0) + QStringLiteral("junk");
    font = CaptionFontFrom(stock, info);
    EXPECT_EQ(font.pixelSize(), 13);
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Mono"));

    // Without an answer from the desktop the stock font stays.
    EXPECT_EQ(CaptionFontFrom(stock, std::nullopt), stock);
}
