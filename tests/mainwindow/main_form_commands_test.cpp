// Menus, shortcuts, the pop-up menu, the status line, the fixed size and the boxes the
// table's commands open.
#include "tests/support/application_title.h"
#include "window_driver.h"

#include "ui/boxes/boxes.h"
#include "ui/guide/help_form.h"
#include "ui/mainwindow/picture_box.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override { table = OpenTable(); }
    const Ui::MainForm& w() const { return table->widgets(); }
    QString status() const { return w().StatusBar->text(); }

    // Moves the pointer onto a widget of the table (or a point of the client area).
    void pointAt(QWidget* widget, QPoint at = {-1, -1}) {
        QTest::mouseMove(widget, at.x() < 0 ? widget->rect().center() : at);
    }

    std::unique_ptr<ui::TMainForm> table;
};

TEST_F(CommandsTest, MenusAreLaidOutAsTabled) {
    QStringList headings;
    for (QAction* heading : w().MainMenu1->actions())
        headings << heading->text() + u'|' + heading->menu()->statusTip();
    EXPECT_EQ(headings, (QStringList{QStringLiteral("&Game|Game options."),
                                     QStringLiteral("&Deck|Choose new deck back."),
                                     QStringLiteral("&Help|Vandolin Guide")}));

    const auto describe = [](QMenu* menu) {
        QStringList items;
        for (QAction* a : menu->actions()) {
            items << a->objectName() + u'|' + (a->isSeparator() ? QStringLiteral("-") : a->text()) +
                         u'|' + a->shortcut().toString() + u'|' + a->statusTip();
        }
        return items;
    };
    EXPECT_EQ(describe(w().Gioco1), (QStringList{QStringLiteral("Nuovo1|&New|F2|Start a new game."),
                                                 QStringLiteral("Puntata1|&Bet||Change your bet."),
                                                 QStringLiteral("N1|-||"),
                                                 QStringLiteral("Esci1|&Quit|Ctrl+Q|Exit...")}));
    EXPECT_EQ(describe(w().N2),
              (QStringList{QStringLiteral("Sommario1|&Playing the game|F1|To play Vandolin."),
                           QStringLiteral("N3|-||"),
                           QStringLiteral("About1|&About...||About Vandolin.")}));
    EXPECT_EQ(
        describe(w().PopupMenu1),
        (QStringList{QStringLiteral("Nuovo2|&New|F2|Start a new game"),
                     QStringLiteral("Puntata2|&Bet||Change your bet"), QStringLiteral("N4|-||"),
                     QStringLiteral("Esci2|&Quit|Ctrl+Q|Exit...")}));
    const QList<QAction*> backs = w().Mazzo2->actions();
    ASSERT_EQ(backs.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(backs[i]->text(), QString::number(i + 1));
        EXPECT_EQ(backs[i]->property("tag").toInt(), i + 1);
        EXPECT_EQ(backs[i]->statusTip(), QStringLiteral("Card back %1").arg(i + 1));
        EXPECT_TRUE(backs[i]->isCheckable());
    }
}

TEST_F(CommandsTest, F2StartsANewGameOnlyWhenNewIsEnabled) {
    table->game().Cash = 40;
    QTest::keyClick(table.get(), Qt::Key_F2);
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100")) << "F2 in DEAL is New";
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("&Start"));

    Click(w().Mazzo1);
    table->game().Cash = 40;
    QTest::keyClick(table.get(), Qt::Key_F2);
    EXPECT_EQ(table->game().Cash, 40) << "New is disabled in DRAW";
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));

    // Whatever the items say, a disabled window takes no shortcut.
    Click(w().Mazzo1);
    table->game().Cash = 40;
    table->setEnabled(false);
    QTest::keyClick(table.get(), Qt::Key_F2);
    table->setEnabled(true);
    EXPECT_EQ(table->game().Cash, 40);
}

TEST_F(CommandsTest, F1ShowsTheGuideModallyAndTheTableRefreshesAfterwards) {
    ui::THelpForm guide;
    table->setHelpForm(&guide);
    table->game().Bet = 7; // changed behind the panels' back: activation shows it again
    bool tableBlocked = false;
    ModalAnswerer answerer([&](QWidget* box) {
        // The table is disabled behind the guide, so neither clicks nor its close button reach
        // it. (Which window is active follows a moment later, from the window system.)
        tableBlocked = !table->isEnabled() && QApplication::activeModalWidget() == box;
        box->close();
    });
    QTest::keyClick(table.get(), Qt::Key_F1);
    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_EQ(answerer.seen()[0].className, QStringLiteral("ui::THelpForm"));
    EXPECT_TRUE(tableBlocked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w().BetBar->text() == QStringLiteral("$7"); }));
    EXPECT_TRUE(table->isEnabled());

    // In DRAW too; not while the window is disabled.
    Click(w().Mazzo1);
    QTest::keyClick(table.get(), Qt::Key_F1);
    EXPECT_EQ(answerer.seen().size(), 2);
    table->setEnabled(false);
    QTest::keyClick(table.get(), Qt::Key_F1);
    table->setEnabled(true);
    QTest::qWait(50);
    EXPECT_EQ(answerer.seen().size(), 2);
}

TEST_F(CommandsTest, QuitSaysGoodbyeThenCloses) {
    ModalAnswerer answerer;
    QTest::keyClick(table.get(), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral("Information"));
    // The box breaks the farewell at its carriage returns.
    EXPECT_TRUE(answerer.seen()[0].text.contains(QStringLiteral("Thank You for playing")));
    EXPECT_TRUE(answerer.seen()[0].text.contains(QStringLiteral("Bye...")));
    EXPECT_FALSE(table->isVisible());
}

TEST_F(CommandsTest, QuitFromThePopUpMenuAndInDraw) {
    Click(w().Mazzo1);
    ModalAnswerer answerer([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    w().Esci2->trigger();
    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_FALSE(table->isVisible()) << "however the farewell box is closed, the table closes";
}

TEST_F(CommandsTest, TheCloseButtonEndsWithoutFarewell) {
    ModalAnswerer answerer;
    table->close();
    QTest::qWait(50);
    EXPECT_TRUE(answerer.seen().isEmpty());
    EXPECT_FALSE(table->isVisible());
}

TEST_F(CommandsTest, ClosingTheTableEndsTheGameEvenWithAMenuOfItsOpen) {
    // A key that reached the table just before it closed can still open one of its menus;
    // the game must end all the same, not wait on with no window for the player.
    int status = -1;
    QTimer::singleShot(0, [this] {
        table->close();
        w().Gioco1->popup(table->mapToGlobal(QPoint(10, 10)));
    });
    // A timer of the test's own, so that it cannot end a later test's event loop.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    giveUp.start(5000);
    status = QApplication::exec();
    EXPECT_EQ(status, 0) << "the game went on after its table had closed";
    EXPECT_FALSE(table->isVisible());
    w().Gioco1->hide();
}

TEST_F(CommandsTest, AboutShowsTheCreditNotice) {
    ModalAnswerer answerer;
    w().About1->trigger();
    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_TRUE(answerer.seen()[0].text.contains(
        QStringLiteral("Vandolin (c) 1998 Tavola Verde Software")));
    EXPECT_EQ(w().StatusBar->statusTip(), ui::TMainForm::CreditNotice());
    EXPECT_TRUE(table->isVisible());
}

TEST_F(CommandsTest, BetPromptAndItsFailures) {
    ui::SetApplicationTitle(test_support::ApplicationTitle());
    {
        ModalAnswerer answerer(TypeAndConfirm(QStringLiteral("7")));
        w().Puntata1->trigger();
        ASSERT_EQ(answerer.seen().size(), 1);
        EXPECT_EQ(answerer.seen()[0].title, QStringLiteral("Change your bet"));
    }
    EXPECT_EQ(w().BetBar->text(), QStringLiteral("$7"));
    {
        // Cancel keeps the bet the player had.
        ModalAnswerer answerer([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        w().Puntata2->trigger();
        ASSERT_EQ(answerer.seen().size(), 1);
    }
    EXPECT_EQ(w().BetBar->text(), QStringLiteral("$7"));
    {
        // An unreadable entry is reported by the error report; bet and panel stay.
        int boxes = 0;
        ModalAnswerer answerer([&](QWidget* box) {
            if (boxes++ == 0)
                TypeAndConfirm(QStringLiteral("abc"))(box);
            else
                PressEnter(box);
        });
        w().Puntata1->trigger();
        ASSERT_EQ(answerer.seen().size(), 2);
        EXPECT_EQ(answerer.seen()[1].title, test_support::ApplicationTitle());
        EXPECT_EQ(answerer.seen()[1].text, QStringLiteral("'abc' is not a valid integer value."));
    }
    EXPECT_EQ(w().BetBar->text(), QStringLiteral("$7"));
    EXPECT_EQ(table->game().Bet, 7);
    EXPECT_TRUE(table->isEnabled());
}

TEST_F(CommandsTest, StatusLineFollowsTheTableAndTheHints) {
    pointAt(table->clientArea(), QPoint(200, 140));
    EXPECT_EQ(status(), QStringLiteral("Click on the deck to deal"));
    pointAt(w().BetBar);
    EXPECT_EQ(status(), QStringLiteral("denaro puntato"));
    pointAt(w().ScoreBar);
    EXPECT_EQ(status(), QStringLiteral("contante disponibile"));
    pointAt(w().StatusBar);
    EXPECT_EQ(status(), ui::TMainForm::CreditNotice());
    // A control without a hint (and no hinted parent) clears the line.
    pointAt(w().Label1);
    EXPECT_EQ(status(), QString());
    pointAt(w().Score3);
    EXPECT_EQ(status(), QString());

    Click(w().Mazzo1);
    EXPECT_EQ(status(), QStringLiteral("Click on the deck to draw"));
    pointAt(w().BetBar);
    EXPECT_EQ(status(), QStringLiteral("denaro puntato"));
    // Back on the bare table: the prompt for the state, not an emptied hint.
    pointAt(table->clientArea(), QPoint(200, 140));
    EXPECT_EQ(status(), QStringLiteral("Click on the deck to draw"));
    // Movement over a card is not movement over the bare table.
    table->SetStatusText("marker");
    pointAt(w().Carte3);
    pointAt(w().Carte3, QPoint(5, 5));
    EXPECT_EQ(status(), QStringLiteral("marker"));

    // Only BetBar and ScoreBar have tooltips.
    for (QWidget* child : table->findChildren<QWidget*>()) {
        if (child != w().BetBar && child != w().ScoreBar) {
            EXPECT_TRUE(child->toolTip().isEmpty()) << child->objectName().toStdString();
        }
    }
    EXPECT_EQ(w().BetBar->toolTip(), QStringLiteral("denaro puntato"));
    EXPECT_EQ(w().ScoreBar->toolTip(), QStringLiteral("contante disponibile"));
}

TEST_F(CommandsTest, MenuHintsReachTheStatusLine) {
    QStringList seen;
    QTimer::singleShot(50, table.get(), [&] {
        seen << status();
        w().Gioco1->setActiveAction(w().Nuovo1);
        seen << status();
        w().Gioco1->close();
    });
    QMenuBar* bar = w().MainMenu1;
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(w().Gioco1->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w().Gioco1->isVisible() && status().isEmpty(); }));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("Game options."), QStringLiteral("Start a new game.")}));

    seen.clear();
    QTimer::singleShot(50, table.get(), [&] {
        w().PopupMenu1->setActiveAction(w().Nuovo2);
        seen << status();
        w().PopupMenu1->close();
    });
    // Through the window, as the pointer does: the toolkit turns the right button into the
    // pop-up request (a click sent to the label itself would bypass that).
    QTest::mouseClick(table->windowHandle(), Qt::RightButton, {},
                      w().Score4->mapTo(table.get(), w().Score4->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w().PopupMenu1->isVisible(); }));
    EXPECT_EQ(seen, QStringList{QStringLiteral("Start a new game")});
}

TEST_F(CommandsTest, DisabledItemsStillShowTheirHints) {
    Click(w().Mazzo1); // DRAW: New and Bet are disabled
    ASSERT_FALSE(w().Nuovo1->isEnabled());
    QString hinted;
    bool highlighted = false;
    int triggered = 0;
    QObject::connect(w().Nuovo1, &QAction::triggered, table.get(), [&] { ++triggered; });
    QTimer::singleShot(50, table.get(), [&] {
        QMenu* menu = w().Gioco1;
        QTest::mouseMove(menu, menu->actionGeometry(w().Nuovo1).center());
        hinted = status();
        highlighted = menu->activeAction() == w().Nuovo1;
        // Enter on the highlighted disabled item does nothing.
        QTest::keyClick(menu, Qt::Key_Return);
        menu->close();
    });
    QMenuBar* bar = w().MainMenu1;
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      bar->actionGeometry(w().Gioco1->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w().Gioco1->isVisible(); }));
    EXPECT_TRUE(highlighted);
    EXPECT_EQ(hinted, QStringLiteral("Start a new game."));
    EXPECT_EQ(triggered, 0);
}

TEST_F(CommandsTest, RightClickOpensThePopUpAtThePointer) {
    for (QWidget* target :
         {static_cast<QWidget*>(table->clientArea()), static_cast<QWidget*>(w().Carte2),
          static_cast<QWidget*>(w().Mode), static_cast<QWidget*>(w().BetBar)}) {
        const QPoint at = target->rect().center();
        QPoint shownAt;
        QTimer::singleShot(50, table.get(), [&] {
            shownAt = w().PopupMenu1->isVisible() ? w().PopupMenu1->pos() : QPoint(-1, -1);
            w().PopupMenu1->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shownAt.isNull(); }));
        EXPECT_EQ(shownAt, target->mapToGlobal(at)) << target->objectName().toStdString();
    }
    // The menu bar is no part of the table.
    QContextMenuEvent onBar(QContextMenuEvent::Mouse, QPoint(300, 5),
                            w().MainMenu1->mapToGlobal(QPoint(300, 5)));
    QApplication::sendEvent(w().MainMenu1, &onBar);
    EXPECT_FALSE(w().PopupMenu1->isVisible());
}

TEST_F(CommandsTest, TheWindowKeepsItsSize) {
    EXPECT_EQ(table->size(), QSize(442, 353));
    EXPECT_EQ(table->clientArea()->size(), QSize(434, 307));
    EXPECT_EQ(table->recordedSize(), QSize(442, 353));
    table->resize(600, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return table->size() == QSize(442, 353); }));
    table->resize(300, 500);
    EXPECT_TRUE(QTest::qWaitFor([&] { return table->size() == QSize(442, 353); }));
}

TEST_F(CommandsTest, ControlsSitWhereTheLayoutPutsThem) {
    // Fixed-size controls keep the layout's rectangle; labels keep their top-left corner and
    // size themselves to their text. Fonts by pixel height and weight, text colours.
    struct Control {
        QWidget* widget;
        QRect place; // width 0: sized to its text
        int pixels;  // 0: no font of its own
        bool bold;
        QColor text;
    };
    const QColor black(0, 0, 0);
    const std::vector<Control> controls{
        {w().Carte1, {12, 12, 72, 97}, 0, false, {}},
        {w().Carte2, {96, 12, 72, 97}, 0, false, {}},
        {w().Carte3, {180, 12, 72, 97}, 0, false, {}},
        {w().Carte4, {264, 12, 72, 97}, 0, false, {}},
        {w().Carte5, {348, 12, 72, 97}, 0, false, {}},
        {w().Mazzo1, {12, 160, 72, 97}, 0, false, {}},
        {w().Mode, {28, 132, 0, 0}, 13, true, QColor(255, 0, 0)},
        {w().Panel1, {0, 278, 434, 29}, 13, false, {}},
        {w().StatusBar, {4, 4, 245, 21}, 13, false, black},
        {w().Label1, {260, 8, 0, 0}, 13, false, black},
        {w().BetBar, {284, 4, 37, 21}, 13, true, QColor(128, 0, 0)},
        {w().Label2, {332, 8, 0, 0}, 13, false, black},
        {w().ScoreBar, {364, 4, 65, 21}, 13, true, QColor(0, 128, 0)},
    };
    for (const Control& c : controls) {
        const std::string name = c.widget->objectName().toStdString();
        if (c.place.width() > 0) {
            EXPECT_EQ(c.widget->geometry(), c.place) << name;
        } else {
            EXPECT_EQ(c.widget->pos(), c.place.topLeft()) << name;
        }
        if (c.pixels > 0) {
            EXPECT_EQ(c.widget->font().pixelSize(), c.pixels) << name;
            EXPECT_EQ(c.widget->font().bold(), c.bold) << name;
        }
        if (c.text.isValid()) {
            EXPECT_EQ(c.widget->palette().color(QPalette::WindowText), c.text) << name;
        }
    }
    EXPECT_EQ(w().Label1->text(), QStringLiteral("Bet"));
    EXPECT_EQ(w().Label2->text(), QStringLiteral("Cash"));
    EXPECT_EQ(w().StatusBar->text(), QStringLiteral("StatusBar"));
    const std::array<QLabel*, 9> lines{w().Score0, w().Score1, w().Score2, w().Score3, w().Score4,
                                       w().Score5, w().Score6, w().Score7, w().Score8};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i]->geometry().right() + 1, 417) << i;
        EXPECT_EQ(lines[i]->y(), 116 + 16 * i) << i;
        EXPECT_EQ(lines[i]->font().pixelSize(), 13);
        EXPECT_TRUE(lines[i]->font().bold());
    }
    EXPECT_EQ(w().Score8->text(), QStringLiteral("a royal flush- 500 : 1"));
    // The table is green where nothing stands on it.
    EXPECT_EQ(Shot(table->clientArea()).pixelColor(200, 140), QColor(0, 128, 0));
}

} // namespace
