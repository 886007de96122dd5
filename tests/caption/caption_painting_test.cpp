#include "caption_fixture.h"

#include "caption/title_bar_painter.h"

#include <QBackingStore>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>

#include <algorithm>

using namespace caption;
using namespace captiontest;

namespace {

constexpr QRgb Navy = 0xFF000080;    // active caption
constexpr QRgb Gray = 0xFF808080;    // inactive caption
constexpr QRgb Magenta = 0xFFFF00FF; // the test icon
constexpr int CaptionRow = 4;        // the caption's top row: no icon, no text

class CaptionPaintingTest : public CaptionWindowTest {
protected:
    // Distinct text colours: company red, application name lime, caption white.
    TGradientCaption* makeColouredCaption() {
        TGradientCaption* c = makeCaption();
        c->CompanyText()->WriteCaption(QStringLiteral("(c) 1998 Tavola Verde"));
        c->CompanyText()->SetColorActive(0x0000FF);
        c->AppNameText()->WriteCaption(QStringLiteral("Software -"));
        c->AppNameText()->SetColorActive(0x00FF00);
        return c;
    }

    // The width a caption needs for its items, measured as the painting measures them.
    static int measured(const TCompanyText& item) {
        QImage scratch(10, 10, QImage::Format_RGB32);
        QPainter p(&scratch);
        return TitleBarPainter(p).MeasureTitleText(item);
    }

    // Where the texts go: right of the icon (c.left + 2 .. c.left + 17), whose magenta would
    // pass for red.
    static QRect textArea(const TitleRect& c) {
        return QRect(c.left + 18, c.top + 1, c.width() - 18, c.height() - 2);
    }
};

} // namespace

TEST_F(CaptionPaintingTest, MainWindowCaptionRectangleIconAndFirstText) {
    TGradientCaption* c = makeColouredCaption();
    setActive(true);
    EXPECT_EQ(c->TitleBarRect(), (TitleRect{4, 4, 382, 22}));
    const QImage image = grab();
    EXPECT_EQ(image.pixel(6, 5), Magenta);
    EXPECT_EQ(image.pixel(21, 20), Magenta);
    EXPECT_NE(image.pixel(5, 5), Magenta);
    EXPECT_NE(image.pixel(22, 5), Magenta);
    EXPECT_NE(image.pixel(6, 4), Magenta);
    // The company text (red) starts at x = 25: nothing red left of it, red within a pixel or two.
    const TitleRect rect = c->TitleBarRect();
    EXPECT_FALSE(anyPixel(image, QRect(22, 5, 3, 17), isRed));
    EXPECT_TRUE(anyPixel(image, QRect(25, 5, 3, 17), isRed));
    EXPECT_TRUE(anyPixel(image, textArea(rect), isLime));
    EXPECT_TRUE(anyPixel(image, textArea(rect), isWhite));
}

TEST_F(CaptionPaintingTest, MinimisedButStillOnTheScreenTheCaptionKeepsItsPlace) {
    // Where nothing iconifies (no window manager) a minimised window stays on the screen.
    TGradientCaption* c = makeColouredCaption();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    setActive(true);
    const QImage normal = grab();
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized() && !window->isIconified());
    EXPECT_EQ(c->TitleBarRect(), (TitleRect{4, 4, 382, 22}));
    EXPECT_EQ(grab(), normal);
}

TEST_F(CaptionPaintingTest, OutsideTheCaptionTheStandardFrameIsUntouched) {
    const QImage standard = grab();
    TGradientCaption* c = makeColouredCaption();
    const QImage hooked = grab();
    const QRect caption = c->TitleBarRect().toQRect();
    bool captionDiffers = false;
    for (int y = 0; y < standard.height(); ++y) {
        for (int x = 0; x < standard.width(); ++x) {
            if (caption.contains(x, y)) {
                captionDiffers = captionDiffers || standard.pixel(x, y) != hooked.pixel(x, y);
            } else {
                ASSERT_EQ(standard.pixel(x, y), hooked.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_TRUE(captionDiffers);
}

TEST_F(CaptionPaintingTest, GradientRunsFromBlackToTheCaptionColour) {
    makeCaption();
    setActive(true);
    const QImage image = grab();
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u);
    EXPECT_EQ(image.pixel(381, CaptionRow), Navy);
    for (int x = 5; x < 382; ++x) {
        ASSERT_GE(qBlue(image.pixel(x, CaptionRow)), qBlue(image.pixel(x - 1, CaptionRow)));
    }
    // The caption's last row is the frame's line, not ours.
    EXPECT_EQ(grab().pixel(381, 22), image.pixel(381, 22));
}

TEST_F(CaptionPaintingTest, OneAndTwoBands) {
    TGradientCaption* c = makeCaption();
    setActive(true);
    c->SetNumColors(1);
    QImage image = grab();
    for (int x = 4; x < 382; ++x) {
        ASSERT_EQ(image.pixel(x, CaptionRow), 0xFF000000u) << x;
    }
    // A caption 101 pixels wide: the second band starts at 4 + 51.
    window->resize(165, 353);
    ASSERT_EQ(c->TitleBarRect().width(), 101);
    c->SetNumColors(2);
    image = grab();
    EXPECT_EQ(image.pixel(54, CaptionRow), 0xFF000000u);
    EXPECT_EQ(image.pixel(55, CaptionRow), Navy);
}

TEST_F(CaptionPaintingTest, BandsOfManyColoursOnNarrowAndWideCaptions) {
    TGradientCaption* c = makeCaption();
    setActive(true);
    c->SetNumColors(256);
    window->resize(164, 353);
    ASSERT_EQ(c->TitleBarRect().width(), 100);
    EXPECT_EQ(grab().pixel(103, CaptionRow), qRgb(0, 0, 127))
        << "band 254, a step short of the caption colour";

    c->SetNumColors(64);
    window->resize(420, 353);
    ASSERT_EQ(c->TitleBarRect().width(), 356);
    const QImage image = grab();
    std::vector<int> runs{1};
    for (int x = 5; x < 360; ++x) {
        if (image.pixel(x, CaptionRow) == image.pixel(x - 1, CaptionRow)) {
            ++runs.back();
        } else {
            runs.push_back(1);
        }
    }
    EXPECT_EQ(runs.size(), 64u);
    for (int width : runs) {
        EXPECT_TRUE(width == 5 || width == 6) << width;
    }
}

TEST_F(CaptionPaintingTest, InactiveStateByEnabledSetting) {
    TGradientCaption* c = makeCaption();
    c->CaptionText()->SetColorActive(0x00FFFF);   // yellow
    c->CaptionText()->SetColorInactive(0x00FF00); // lime
    const QRect text = textArea(c->TitleBarRect());

    setActive(false);
    QImage image = grab();
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u) << "geAlways: a gradient even when inactive";
    EXPECT_EQ(image.pixel(381, CaptionRow), Gray);

    c->SetEnabled(geWhenActive);
    image = grab();
    for (int x = 4; x < 382; ++x) {
        ASSERT_EQ(image.pixel(x, CaptionRow), Gray) << x;
    }
    EXPECT_TRUE(anyPixel(image, text, isLime));
    EXPECT_FALSE(anyPixel(image, text, isYellow));

    setActive(true);
    image = grab();
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u);
    EXPECT_EQ(image.pixel(381, CaptionRow), Navy);
    EXPECT_TRUE(anyPixel(image, text, isYellow));
    EXPECT_FALSE(anyPixel(image, text, isLime));

    c->SetEnabled(geNever);
    EXPECT_EQ(grab().pixel(4, CaptionRow), Navy);
}

TEST_F(CaptionPaintingTest, ActivationRepaintsTheWindowAtOnce) {
    // Hooked before the caption, the probe sees what the caption passes on.
    FrameProbe probe(*window);
    TGradientCaption* c = makeCaption();
    c->SetEnabled(geWhenActive);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    probe.paints = 0;
    auto* surface = dynamic_cast<QImage*>(window->backingStore()->paintDevice());
    ASSERT_NE(surface, nullptr) << "the offscreen surface is an image";

    // No event loop runs between the message and the checks.
    setActive(false);
    EXPECT_EQ(probe.paints, 1);
    EXPECT_FALSE(probe.lastRegion.intersects(c->TitleBarRect().toQRect()))
        << "the caption is taken out";
    EXPECT_EQ(surface->pixel(200, CaptionRow), Gray);
    setActive(true);
    EXPECT_EQ(probe.paints, 2);
    EXPECT_EQ(surface->pixel(4, CaptionRow) & 0xFFFFFFu, 0u);
    EXPECT_EQ(surface->pixel(381, CaptionRow) & 0xFFFFFFu, Navy & 0xFFFFFFu);
}

TEST_F(CaptionPaintingTest, TextsExactlyAsWideAsTheSpaceDropTheCompany) {
    TGradientCaption* c = makeColouredCaption();
    setActive(true);
    c->CaptionText()->WriteCaption(QStringLiteral("Vandolin"));
    const int total =
        measured(*c->CompanyText()) + measured(*c->AppNameText()) + measured(*c->CaptionText());
    // The texts start after the icon at 22; the caption ends 60 pixels before the window's edge.
    window->resize(82 + total, 353);
    QImage image = grab();
    const QRect text = textArea(c->TitleBarRect());
    EXPECT_FALSE(anyPixel(image, text, isRed));
    EXPECT_TRUE(anyPixel(image, text, isLime));
    EXPECT_TRUE(anyPixel(image, text, isWhite));

    window->resize(83 + total, 353);
    image = grab();
    EXPECT_TRUE(anyPixel(image, textArea(c->TitleBarRect()), isRed));
}

TEST_F(CaptionPaintingTest, TooNarrowShowsOnlyTheCaptionEndingInAnEllipsis) {
    TGradientCaption* c = makeColouredCaption();
    setActive(true);
    const TitleRect rect = c->TitleBarRect();
    QString title = QStringLiteral("Vandolin");
    while (title.size() < 200) {
        title += QStringLiteral(" Vandolin");
    }
    c->CaptionText()->WriteCaption(title);
    ASSERT_GE(measured(*c->CaptionText()), rect.width() - 18) << "the caption alone does not fit";
    const QImage image = grab();
    const QRect text = textArea(rect);
    EXPECT_FALSE(anyPixel(image, text, isRed));
    EXPECT_FALSE(anyPixel(image, text, isLime));

    // The caption reaches the end of the space, and its last glyph is the ellipsis: three
    // dots on the baseline, no tall strokes.
    int right = -1;
    int top = rect.bottom;
    for (int x = text.left(); x <= text.right(); ++x) {
        for (int y = text.top(); y <= text.bottom(); ++y) {
            if (isWhite(image.pixel(x, y))) {
                right = x;
                top = std::min(top, y);
            }
        }
    }
    // Cut between letters, so it may stop short of the end by up to the widest of them.
    QImage scratch(10, 10, QImage::Format_RGB32);
    const QFontMetrics metrics(c->CaptionText()->Font(), &scratch);
    int widest = 0;
    for (const QChar letter : QStringLiteral("Vandoli ")) {
        widest = std::max(widest, metrics.horizontalAdvance(letter));
    }
    EXPECT_GE(right, rect.right - 1 - widest);
    for (int x = right - 7; x <= right; ++x) {
        EXPECT_FALSE(anyPixel(image, QRect(x, text.top(), 1, (top + 5) - text.top()), isWhite))
            << x;
    }
}

TEST_F(CaptionPaintingTest, InvisibleCaptionItemDrawsTheOtherTwoOnly) {
    TGradientCaption* c = makeColouredCaption();
    setActive(true);
    c->CaptionText()->SetVisible(false);
    const QImage image = grab();
    const QRect text = textArea(c->TitleBarRect());
    EXPECT_TRUE(anyPixel(image, text, isRed));
    EXPECT_TRUE(anyPixel(image, text, isLime));
    EXPECT_FALSE(anyPixel(image, text, isWhite));
}

TEST_F(CaptionPaintingTest, NothingIsPaintedWithoutABorderOrAPainter) {
    TGradientCaption* c = makeCaption();
    QImage image(442, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        EXPECT_EQ(c->PaintTitleBar(p, true), (TitleRect{4, 4, 382, 22}));
    }
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFF000000u);

    QPainter inactive;
    EXPECT_TRUE(c->PaintTitleBar(inactive, true).isEmpty());

    window->setBorderStyle(platform::BorderStyle::bsNone);
    image.fill(Qt::white);
    QPainter p(&image);
    EXPECT_TRUE(c->PaintTitleBar(p, true).isEmpty());
    p.end();
    EXPECT_EQ(image.pixel(4, CaptionRow), 0xFFFFFFFFu);
}

TEST_F(CaptionPaintingTest, DestroyingTheCaptionBringsBackTheStandardOne) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage standard = grab();
    TGradientCaption* c = makeCaption();
    ASSERT_NE(grab(), standard);
    FrameProbe probe(*window);
    delete c;
    EXPECT_EQ(probe.paints, 1) << "the frame is repainted as the caption goes";
    EXPECT_EQ(grab(), standard);
}
