// The program-wide hint: what the pointer rests on, or the highlighted menu item.
#include "ui/mainwindow/application_hint.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A window with a hinted panel holding an unhinted label, a hinted label, and a bare area.
struct HintedWindow {
    QWidget window;
    QWidget* panel = new QWidget(&window);
    QLabel* plain = new QLabel(QStringLiteral("Bet"), panel);
    QLabel* hinted = new QLabel(QStringLiteral("$1"), panel);
    QLabel* outside = new QLabel(QStringLiteral("x"), &window);

    HintedWindow() {
        window.resize(300, 200);
        panel->setGeometry(0, 100, 300, 100);
        panel->setStatusTip(QStringLiteral("the bar"));
        plain->setGeometry(10, 10, 50, 20);
        hinted->setGeometry(100, 10, 50, 20);
        hinted->setStatusTip(QStringLiteral("denaro puntato"));
        outside->setGeometry(200, 10, 50, 20);
        for (QWidget* w : window.findChildren<QWidget*>())
            w->setMouseTracking(true);
        window.setMouseTracking(true);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

TEST(ApplicationHint, NearestHintedAncestorWins) {
    HintedWindow w;
    EXPECT_EQ(ui::ApplicationHint::hintOf(w.hinted), QStringLiteral("denaro puntato"));
    EXPECT_EQ(ui::ApplicationHint::hintOf(w.plain), QStringLiteral("the bar"));
    EXPECT_EQ(ui::ApplicationHint::hintOf(w.outside), QString());
    EXPECT_EQ(ui::ApplicationHint::hintOf(nullptr), QString());
}

TEST(ApplicationHint, FollowsThePointerAndAnnouncesOnlyChanges) {
    HintedWindow w;
    ui::ApplicationHint hint;
    hint.install();
    QSignalSpy changes(&hint, &ui::ApplicationHint::hintChanged);

    QTest::mouseMove(w.hinted, QPoint(5, 5));
    QTest::mouseMove(w.hinted, QPoint(8, 6));
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.at(0).at(0).toString(), QStringLiteral("denaro puntato"));

    QTest::mouseMove(w.plain, QPoint(5, 5));
    QTest::mouseMove(w.panel, QPoint(250, 80));
    ASSERT_EQ(changes.count(), 2) << "label and bare panel share the panel's hint";
    EXPECT_EQ(hint.hint(), QStringLiteral("the bar"));

    QTest::mouseMove(w.outside, QPoint(5, 5));
    ASSERT_EQ(changes.count(), 3);
    EXPECT_EQ(hint.hint(), QString());
}

TEST(ApplicationHint, NothingHappensBeforeInstallOrAfterDestruction) {
    HintedWindow w;
    {
        ui::ApplicationHint hint;
        QSignalSpy changes(&hint, &ui::ApplicationHint::hintChanged);
        QTest::mouseMove(w.hinted, QPoint(5, 5));
        EXPECT_EQ(changes.count(), 0);
        hint.install();
    }
    // The destroyed tracker must have left the application's event path.
    QTest::mouseMove(w.plain, QPoint(5, 5));
    QTest::mouseMove(w.hinted, QPoint(5, 5));
    SUCCEED() << "no crash after the tracker went away";
}

// Runs f once the menu is open and the event loop has settled.
void whenOpen(QMenu& menu, std::function<void()> f) {
    QTimer::singleShot(0, &menu, [&menu, f] {
        EXPECT_TRUE(menu.isVisible());
        f();
        menu.close();
    });
}

TEST(ApplicationHint, MenuItemsGiveTheirHintsAndClosingClears) {
    HintedWindow w;
    QMenu popup(&w.window);
    QAction* fresh = popup.addAction(QStringLiteral("&New"));
    fresh->setStatusTip(QStringLiteral("Start a new game"));
    popup.addSeparator();
    QAction* quit = popup.addAction(QStringLiteral("&Quit"));
    quit->setStatusTip(QStringLiteral("Exit..."));

    ui::ApplicationHint hint;
    hint.install();
    hint.watchMenu(&popup);
    QSignalSpy changes(&hint, &ui::ApplicationHint::hintChanged);

    QStringList seen;
    whenOpen(popup, [&] {
        popup.setActiveAction(fresh);
        seen << hint.hint();
        popup.setActiveAction(quit);
        seen << hint.hint();
        // The pointer crossing the window behind an open menu does not take the hint.
        QTest::mouseMove(w.hinted, QPoint(3, 3));
        seen << hint.hint();
    });
    QSignalSpy cleared(&hint, &ui::ApplicationHint::hintChanged);
    popup.exec(w.window.mapToGlobal(QPoint(20, 20)));
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Start a new game"), QStringLiteral("Exit..."),
                                 QStringLiteral("Exit...")}));
    // Closing the menu empties the hint (the pointer may then give a new one).
    EXPECT_TRUE(QTest::qWaitFor([&] {
        for (const QList<QVariant>& change : cleared) {
            if (change.at(0).toString().isEmpty())
                return true;
        }
        return false;
    }));
}

TEST(ApplicationHint, MenuBarHeadingsGiveTheirMenusHint) {
    QWidget window;
    auto* bar = new QMenuBar(&window);
    QMenu* game = bar->addMenu(QStringLiteral("&Game"));
    game->setStatusTip(QStringLiteral("Game options."));
    QAction* fresh = game->addAction(QStringLiteral("&New"));
    fresh->setStatusTip(QStringLiteral("Start a new game."));
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ui::ApplicationHint hint;
    hint.install();
    hint.watchMenuBar(bar);

    // Passing over the bar without opening it is not menu mode.
    QTest::mouseMove(bar, bar->actionGeometry(game->menuAction()).center());
    EXPECT_EQ(hint.hint(), QString());

    QStringList seen;
    whenOpen(*game, [&] {
        seen << hint.hint();
        game->setActiveAction(fresh);
        seen << hint.hint();
    });
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(game->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !game->isVisible(); }));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("Game options."), QStringLiteral("Start a new game.")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return hint.hint().isEmpty(); }));
}

} // namespace
