// The framed window among the desktop's own rules: drag distance, Alt+F4, a fixed size,
// minimise where nothing iconifies, activation on show and the window manager's grabs.
#include "platform/frame/framed_window.h"

#include "table_frame_fixture.h"

#include "platform/frame/system_settings.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>

using namespace platform;

namespace {

class DesktopTest : public TableFrameTest {
protected:
    void SetUp() override {
        TableFrameTest::SetUp();
        window->move(50, 50);
    }
    void showAndActivate() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QStringList systemMenuTexts(QList<QAction*>* actions = nullptr) {
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(10, 10));
        auto* menu = window->findChild<QMenu*>(QStringLiteral("SystemMenu"));
        if (menu == nullptr)
            return {};
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                texts << action->text();
                if (actions != nullptr)
                    *actions << action;
            }
        }
        return texts;
    }
    // An X focus event for the window, as the X server sends it.
    void sendFocusEvent(bool in, std::uint8_t mode) {
        std::array<unsigned char, 32> wire{};
        wire[0] = in ? 9 : 10;
        wire[1] = 3; // between unrelated windows
        const auto id = static_cast<std::uint32_t>(window->winId());
        std::memcpy(wire.data() + 4, &id, sizeof id);
        wire[8] = mode;
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", wire.data(),
                                                                &result);
    }
    void setActive(bool active) {
        QEvent event(active ? QEvent::WindowActivate : QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(window.get(), &event);
    }
};

constexpr std::uint8_t kNormal = 0;
constexpr std::uint8_t kGrab = 1;
constexpr std::uint8_t kUngrab = 2;
constexpr std::uint8_t kWhileGrabbed = 3;

TEST_F(DesktopTest, TheCaptionMovesOnlyPastTheDragDistance) {
    showAndActivate();
    const QPoint start = window->pos();
    const int distance = QGuiApplication::styleHints()->startDragDistance();
    ASSERT_GT(distance, 2);
    // A tap with a little jitter is a click, and the window does not follow the pointer after.
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window.get(), QPoint(201, 11));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(201, 11));
    QTest::mouseMove(window.get(), QPoint(260, 40));
    EXPECT_EQ(window->pos(), start);
    // Held and moved far enough, the window catches up with the whole way from the press.
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window.get(), QPoint(200 + distance - 2, 10));
    EXPECT_EQ(window->pos(), start);
    QTest::mouseMove(window.get(), QPoint(200 + distance + 5, 10));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200 + distance + 5, 10));
    EXPECT_EQ(window->pos(), start + QPoint(distance + 5, 0));
}

TEST_F(DesktopTest, AltF4ClosesWithTheSystemMenuOnly) {
    showAndActivate();
    window->setBorderIcons(biMinimize);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(window->isVisible());
    window->setBorderIcons(biSystemMenu | biMinimize);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(DesktopTest, AFixedSizeIgnoresMaximiseAndFullscreen) {
    window->setSizeFixed(true);
    EXPECT_EQ(window->minimumSize(), QSize(442, 353));
    EXPECT_EQ(window->maximumSize(), QSize(442, 353));
    showAndActivate();
    const QRect before = window->geometry();
    window->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isMaximized(); }));
    QTest::qWait(50);
    EXPECT_EQ(window->geometry(), before);
    window->showFullScreen();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    QTest::qWait(50);
    EXPECT_EQ(window->geometry(), before);
    // The frame's size setter still works, and the hints follow it.
    window->setClientSize(QSize(200, 100));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), QSize(208, 146));
}

TEST_F(DesktopTest, MinimisedOnTheScreenItKeepsItsFrameAndOffersRestore) {
    showAndActivate();
    const QImage normal = window->grab().toImage();
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    // Still on the screen (nothing iconified it), so it is no icon.
    ASSERT_TRUE(window->windowHandle()->isExposed());
    EXPECT_FALSE(window->isIconified());
    EXPECT_EQ(window->grab().toImage(), normal);

    QList<QAction*> actions;
    EXPECT_EQ(systemMenuTexts(&actions),
              QStringList({QStringLiteral("&Restore"), QStringLiteral("Mi&nimize"),
                           QStringLiteral("&Close\tAlt+F4")}));
    ASSERT_EQ(actions.size(), 3);
    EXPECT_TRUE(actions[0]->isEnabled());
    EXPECT_FALSE(actions[1]->isEnabled());
    actions[0]->trigger();
    EXPECT_FALSE(window->isMinimized());
    // Restored, the menu is as before.
    window->findChild<QMenu*>(QStringLiteral("SystemMenu"))->close();
    QApplication::processEvents();
    delete window->findChild<QMenu*>(QStringLiteral("SystemMenu"));
    EXPECT_EQ(systemMenuTexts(),
              QStringList({QStringLiteral("Mi&nimize"), QStringLiteral("&Close\tAlt+F4")}));
}

TEST_F(DesktopTest, ShownOrRestoredItPaintsActiveFromTheFirstFrame) {
    // Painted before the window system's activation has been delivered.
    window->show();
    EXPECT_TRUE(window->isFrameActive());
    EXPECT_EQ(window->grab().toImage().pixelColor(300, 10), QColor(0x00, 0x00, 0x80));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    window->showMinimized();
    setActive(false); // what iconifying does
    ASSERT_FALSE(window->isFrameActive());
    window->showNormal();
    EXPECT_TRUE(window->isFrameActive());
    EXPECT_EQ(window->grab().toImage().pixelColor(300, 10), QColor(0x00, 0x00, 0x80));

    // A window shown while another of ours is active stays grey until activated.
    window->hide();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    setActive(false);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->show();
    EXPECT_FALSE(window->isFrameActive());
}

TEST_F(DesktopTest, AWindowManagerGrabIsNoDeactivation) {
    showAndActivate();
    ASSERT_TRUE(window->isFrameActive());
    // The window manager takes the keyboard to move the window: still active.
    sendFocusEvent(false, kGrab);
    setActive(false);
    EXPECT_TRUE(window->isFrameActive());
    // It gives it back.
    sendFocusEvent(true, kUngrab);
    setActive(true);
    EXPECT_TRUE(window->isFrameActive());

    // While it held the keyboard the focus went elsewhere: that is a real deactivation.
    sendFocusEvent(false, kGrab);
    setActive(false);
    sendFocusEvent(false, kWhileGrabbed);
    EXPECT_FALSE(window->isFrameActive());

    // Without a grab a deactivation greys the frame at once.
    setActive(true);
    sendFocusEvent(false, kNormal);
    setActive(false);
    EXPECT_FALSE(window->isFrameActive());
}

} // namespace
