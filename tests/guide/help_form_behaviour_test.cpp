// The guide window in use: shown modally, closed every way, and the same on every opening.
#include "ui/guide/help_form.h"

#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

using ui::THelpForm;

constexpr int kWatchdogMs = 5000;

// Opens the form with ShowModal() and runs `whileOpen` inside its modal loop once the window is
// active. If the steps leave it open, a watchdog closes it so a fault fails the test instead of
// hanging it. Returns what ShowModal() returned.
int openAndRun(THelpForm& form, const std::function<void()>& whileOpen) {
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&] {
        stuck = true;
        form.hide();
    });
    QTimer::singleShot(0, &form, [&] {
        // Not qWaitForWindowActive: a window counts as active there as soon as the window it
        // is a transient of is, before it has the focus itself.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &form; }));
        whileOpen();
        watchdog.start(kWatchdogMs);
    });
    const int result = form.ShowModal();
    EXPECT_FALSE(stuck) << "the guide did not close";
    return result;
}

template <typename T> T* control(const THelpForm& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

void clickTab(THelpForm& form, int index) {
    QTabBar* tabs = control<QTabWidget>(form, "PageControl1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

QWidget* focused() {
    return QApplication::focusWidget();
}

TEST(HelpFormUse, FirstOpeningShowsAboutWithOkFocusedAndEnterCloses) {
    THelpForm form;
    bool wasModal = false;
    QString page, focus;
    const int result = openAndRun(form, [&] {
        wasModal = QApplication::activeModalWidget() == &form;
        page = control<QTabWidget>(form, "PageControl1")->currentWidget()->objectName();
        focus = focused() ? focused()->objectName() : QString();
        QTest::keyClick(focused(), Qt::Key_Return);
    });
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(page, "TabSheet1");
    EXPECT_EQ(focus, "BitBtn1");
    EXPECT_EQ(result, THelpForm::mrCancel);
    EXPECT_FALSE(form.isVisible());
}

TEST(HelpFormUse, EveryWayOfClosingEndsWithCancel) {
    THelpForm form;
    const std::function<void()> ways[] = {
        [&] { QTest::mouseClick(control<QPushButton>(form, "BitBtn1"), Qt::LeftButton); },
        [&] { QTest::keyClick(focused(), Qt::Key_Enter); }, // the keypad's Enter
        [&] { QTest::keyClick(focused(), Qt::Key_Escape); },
        [&] { form.close(); }, // what the title bar's close button does
    };
    int way = 0;
    for (const auto& close : ways) {
        EXPECT_EQ(openAndRun(form, close), THelpForm::mrCancel) << "way " << way;
        EXPECT_FALSE(form.isVisible()) << "way " << way;
        ++way;
    }
}

// A blind reader picks a page with the arrow keys on the tab bar, hears its text with the tab,
// and reaches the text itself with Tab.
TEST(HelpFormUse, EachPagesTextIsHeardWithItsTabAndReachedWithTab) {
    THelpForm form;
    QStringList tabNames;
    QString reached;
    openAndRun(form, [&] {
        QTabBar* tabs = control<QTabWidget>(form, "PageControl1")->tabBar();
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), tabs);
        QTest::keyClick(tabs, Qt::Key_Right);
        QTest::keyClick(focused(), Qt::Key_Tab);
        reached = focused() ? focused()->objectName() : QString();
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs);
        for (int i = 0; bar && i < bar->childCount(); ++i)
            tabNames << bar->child(i)->text(QAccessible::Name);
        form.close();
    });
    EXPECT_EQ(reached, "Memo1");
    ASSERT_GE(tabNames.size(), 4);
    const QString game = control<QPlainTextEdit>(form, "Memo1")->toPlainText().simplified();
    EXPECT_EQ(tabNames[1], QStringLiteral("Game: ") + game);
    EXPECT_TRUE(
        tabNames[3].contains(control<QPlainTextEdit>(form, "Memo3")->toPlainText().simplified()));
}

TEST(HelpFormUse, ReopensOnThePageLastShown) {
    THelpForm form;
    openAndRun(form, [&] {
        clickTab(form, 3);
        QTest::mouseClick(control<QPushButton>(form, "BitBtn1"), Qt::LeftButton);
    });
    QString page;
    openAndRun(form, [&] {
        page = control<QTabWidget>(form, "PageControl1")->currentWidget()->objectName();
        form.close();
    });
    EXPECT_EQ(page, "TabSheet4");
}

TEST(HelpFormUse, OptionsKeepTheirEditsAndTakeEnterAsANewLine) {
    THelpForm form;
    auto* options = control<QPlainTextEdit>(form, "Memo2");
    const QString before = options->toPlainText();
    bool openAfterEnter = false;
    openAndRun(form, [&] {
        clickTab(form, 2);
        QTest::mouseClick(options->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        options->moveCursor(QTextCursor::Start);
        QTest::keyClicks(focused(), "My note");
        QTest::keyClick(focused(), Qt::Key_Return);
        openAfterEnter = form.isVisible();
        form.close();
    });
    EXPECT_TRUE(openAfterEnter) << "Enter in the text box closed the guide";
    EXPECT_EQ(options->toPlainText(), "My note\n" + before);

    QString seen;
    openAndRun(form, [&] {
        seen = options->toPlainText();
        form.close();
    });
    EXPECT_EQ(seen, "My note\n" + before);
}

TEST(HelpFormUse, GameAndVersionRefuseTypingAndKeepEnter) {
    THelpForm form;
    for (int index : {1, 3}) {
        auto* pages = control<QTabWidget>(form, "PageControl1");
        auto* memo = qobject_cast<QPlainTextEdit*>(pages->widget(index)->findChild<QWidget*>(
            index == 1 ? QStringLiteral("Memo1") : QStringLiteral("Memo3")));
        ASSERT_NE(memo, nullptr);
        const QString before = memo->toPlainText();
        bool openAfterEnter = false;
        QWidget* focus = nullptr;
        openAndRun(form, [&] {
            clickTab(form, index);
            QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
            focus = focused();
            QTest::keyClicks(focus, "xyz");
            QTest::keyClick(focus, Qt::Key_Delete);
            QTest::keyClick(focus, Qt::Key_Return);
            QTest::keyClick(focus, Qt::Key_Enter);
            openAfterEnter = form.isVisible();
            form.close();
        });
        EXPECT_EQ(focus, memo) << "page " << index << ": a click does not focus the text";
        EXPECT_TRUE(openAfterEnter) << "page " << index << ": Enter closed the guide";
        EXPECT_EQ(memo->toPlainText(), before) << "page " << index;
    }
}

TEST(HelpFormUse, ScrollPositionsSurviveClosing) {
    THelpForm form;
    auto* version = control<QPlainTextEdit>(form, "Memo3");
    int scrolledTo = -1;
    openAndRun(form, [&] {
        clickTab(form, 3);
        QScrollBar* bar = version->verticalScrollBar();
        bar->setValue(bar->maximum());
        scrolledTo = bar->value();
        form.close();
    });
    ASSERT_GT(scrolledTo, 0) << "the Version text should be longer than its page";
    int seen = -1;
    openAndRun(form, [&] {
        seen = version->verticalScrollBar()->value();
        form.close();
    });
    EXPECT_EQ(seen, scrolledTo);
}

TEST(HelpFormUse, HandsTheKeyboardBackToTheWindowThatOpenedIt) {
    // The table's activation refreshes its money panels, and its F1 must work again at once.
    QWidget table;
    table.resize(200, 100);
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    THelpForm form;
    for (int opening = 0; opening < 2; ++opening) {
        openAndRun(form, [&] {
            // Compositors place it over the table.
            EXPECT_EQ(form.windowHandle()->transientParent(), table.windowHandle());
            QTest::keyClick(focused(), Qt::Key_Return);
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &table; }, 1000))
            << "opening " << opening;
    }
}

TEST(HelpFormUse, IsCentredOnTheScreenEachTimeItIsShown) {
    THelpForm form;
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    for (int opening = 0; opening < 2; ++opening) {
        QPoint seen;
        openAndRun(form, [&] {
            seen = form.frameGeometry().center();
            form.move(form.pos() + QPoint(40, 30)); // the player drags it aside
            form.close();
        });
        EXPECT_LE((seen - centre).manhattanLength(), 2) << "opening " << opening;
    }
}

} // namespace
