#include "platform/frame/framed_window.h"

#include "table_frame_fixture.h"

#include "platform/frame/frame_layout.h"
#include "platform/frame/system_settings.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace platform;

namespace {

class FramedWindowTest : public TableFrameTest {
protected:
    QImage shot() const { return window->grab().toImage(); }
    QColor pixel(QPoint p) const { return shot().pixelColor(p); }
    void showAndWait() {
        window->move(50, 50);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void setActive(bool active) {
        QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(window.get(), &event);
    }
};

QPixmap solidIcon(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}

} // namespace

TEST_F(FramedWindowTest, ClientAndMenuBarSitInsideTheFrame) {
    EXPECT_EQ(window->size(), QSize(442, 353));
    EXPECT_EQ(window->clientArea()->geometry(), QRect(4, 42, 434, 307));
    EXPECT_EQ(window->menuBar()->geometry(), QRect(4, 23, 434, 19));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->isWindow());

    // The frame region is exactly the window less the client and the menu bar.
    const QRegion frame = window->frameRegion();
    EXPECT_TRUE(frame.contains(QPoint(100, 10)));
    EXPECT_TRUE(frame.contains(QPoint(0, 200)));
    EXPECT_FALSE(frame.contains(QPoint(100, 30)));
    EXPECT_FALSE(frame.contains(QPoint(100, 200)));

    // Removing the menu bar keeps the outer size and gives its rows to the client.
    window->setMenuBar(nullptr);
    EXPECT_EQ(window->size(), QSize(442, 353));
    EXPECT_EQ(window->clientArea()->geometry(), QRect(4, 23, 434, 326));
    window->setClientSize(QSize(434, 307));
    EXPECT_EQ(window->size(), QSize(442, 334));
}

TEST_F(FramedWindowTest, LayoutFollowsSizeStyleAndMetrics) {
    showAndWait();
    window->resize(500, 400);
    EXPECT_EQ(window->clientArea()->geometry(), QRect(4, 42, 492, 354));
    EXPECT_EQ(window->menuBar()->geometry(), QRect(4, 23, 492, 19));

    window->setBorderStyle(BorderStyle::bsSingle);
    EXPECT_EQ(window->clientArea()->geometry(), QRect(3, 41, 494, 356));

    // A hidden menu bar leaves the frame; shown again it comes back.
    window->menuBar()->hide();
    EXPECT_EQ(window->clientArea()->geometry(), QRect(3, 22, 494, 375));
    window->menuBar()->show();
    EXPECT_EQ(window->clientArea()->geometry(), QRect(3, 41, 494, 356));

    // A desktop change of the caption height moves the client down, the outer size stays.
    window->setBorderStyle(BorderStyle::bsSizeable);
    SystemSettings::instance().setMetric(Metric::CyCaption, 25);
    SystemSettings::instance().notifyChanged();
    EXPECT_EQ(window->size(), QSize(500, 400));
    EXPECT_EQ(window->clientArea()->geometry(), QRect(4, 48, 492, 348));
    EXPECT_EQ(window->menuBar()->geometry(), QRect(4, 29, 492, 19));
}

TEST_F(FramedWindowTest, StandardFramePixels) {
    setActive(true);
    window->setWindowIcon(solidIcon(Qt::red));
    QImage image = shot();
    // Raised outer edge: light and white top-left, black and grey bottom-right.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(441, 352), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(440, 351), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(100, 22), QColor(0xC0, 0xC0, 0xC0)); // line under the caption
    // Active caption, the icon at (6, 5), 16 x 16.
    EXPECT_EQ(image.pixelColor(300, 10), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(image.pixelColor(6, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(21, 20), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(image.pixelColor(22, 5), QColor(0x00, 0x00, 0x80));
    // Close glyph in button text colour; the maximise glyph greyed (window has no maximise).
    EXPECT_EQ(image.pixelColor(424, 9), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(405, 8), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(406, 9), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(390, 15), QColor(Qt::black)); // minimise bar
    EXPECT_EQ(image.pixelColor(390, 12), QColor(0xC0, 0xC0, 0xC0));

    window->setBorderIcons(biSystemMenu | biMinimize | biMaximize);
    EXPECT_EQ(pixel(QPoint(405, 8)), QColor(Qt::black));

    setActive(false);
    image = shot();
    EXPECT_EQ(image.pixelColor(300, 10), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(image.pixelColor(6, 5), QColor(Qt::red));
}

TEST_F(FramedWindowTest, TitleIsWrittenInTheCaptionTextColour) {
    setActive(true);
    const auto countColour = [](const QImage& image, const QRect& area, const QColor& colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += image.pixelColor(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    };
    const QRect textArea(25, 4, 357, 18);
    EXPECT_GT(countColour(shot(), textArea, Qt::white), 20);
    setActive(false);
    EXPECT_EQ(countColour(shot(), textArea, Qt::white), 0);
    EXPECT_GT(countColour(shot(), textArea, QColor(0xC0, 0xC0, 0xC0)), 20);

    // A long title runs up to the buttons and is cut there.
    setActive(true);
    window->setWindowTitle(QString(200, QLatin1Char('W')));
    EXPECT_GT(countColour(shot(), QRect(350, 4, 32, 18), Qt::white), 10);
    EXPECT_EQ(countColour(shot(), QRect(382, 4, 4, 18), Qt::white), 0);
    window->setWindowTitle(QString());
    EXPECT_EQ(countColour(shot(), textArea, Qt::white), 0);
}

TEST_F(FramedWindowTest, CaptionButtonsAndSystemMenu) {
    showAndWait();
    // Pressing close and leaving the button before release does nothing.
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(427, 12));
    QTest::mouseMove(window.get(), QPoint(300, 12));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(300, 12));
    EXPECT_TRUE(window->isVisible());

    // The greyed maximise button does nothing.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(410, 12));
    EXPECT_FALSE(window->isMaximized());

    // The icon opens the system menu below the caption, with Minimize and Close.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(10, 10));
    auto* menu = window->findChild<QMenu*>(QStringLiteral("SystemMenu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    EXPECT_EQ(texts, QStringList({QStringLiteral("Mi&nimize"), QStringLiteral("&Close\tAlt+F4")}));
    menu->close();

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(390, 12));
    EXPECT_TRUE(window->isMinimized());
    window->showNormal();

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(427, 12));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FramedWindowTest, CaptionDragMovesAndEdgesResize) {
    showAndWait();
    const QPoint start = window->pos();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window.get(), QPoint(230, 30));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(230, 30));
    // Either the window system moves it or we do; offscreen we do.
    EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    EXPECT_EQ(window->size(), QSize(442, 353));

    QTest::mouseMove(window.get(), QPoint(440, 200));
    EXPECT_EQ(window->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(window.get(), QPoint(200, 351));
    EXPECT_EQ(window->cursor().shape(), Qt::SizeVerCursor);
    QTest::mouseMove(window.get(), QPoint(200, 10));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    // The client does not inherit the frame's sizing cursors.
    EXPECT_EQ(window->clientArea()->cursor().shape(), Qt::ArrowCursor);

    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(440, 200));
    QTest::mouseMove(window.get(), QPoint(460, 200));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(460, 200));
    EXPECT_EQ(window->size(), QSize(462, 353));
    EXPECT_EQ(window->clientArea()->geometry(), QRect(4, 42, 454, 307));
}
