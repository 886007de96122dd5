#include "modal_driver.h"

#include "ui/boxes/app_message_box.h"
#include "ui/boxes/application_window.h"
#include "ui/boxes/error_report.h"
#include "ui/boxes/message_form.h"
#include "ui/boxes/text_prompt.h"
#include "ui/boxes/window_disabler.h"

#include "engine/errors.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/window_frame.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

// A stand-in for the table window: a button, a window shortcut (like F2 for a new game) and
// two edit fields, the second one holding the focus.
struct TableWindow {
    TableWindow() {
        window.setWindowTitle("table");
        auto* layout = new QVBoxLayout(&window);
        button = new QPushButton("deal", &window);
        first = new QLineEdit(&window);
        second = new QLineEdit(&window);
        layout->addWidget(button);
        layout->addWidget(first);
        layout->addWidget(second);
        auto* action = new QAction(&window);
        action->setShortcut(Qt::Key_F2);
        window.addAction(action);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
        QObject::connect(action, &QAction::triggered, [this] { ++shortcuts; });
        window.show();
        window.activateWindow();
        second->setFocus();
    }

    // Tries a click and the shortcut; returns how many of them got through.
    int tryInput() {
        const int before = clicks + shortcuts;
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(&window, Qt::Key_F2);
        return clicks + shortcuts - before;
    }

    QWidget window;
    QPushButton* button = nullptr;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    int clicks = 0;
    int shortcuts = 0;
};

struct BoxKind {
    const char* name;
    std::function<void()> open;
};

const BoxKind boxKinds[] = {
    {"text prompt", [] { ui::AskText("Change your bet", "max value = 10: ", "1"); }},
    {"information box", [] { ui::ShowInformation("Bye"); }},
    {"message box", [] { ui::AppMessageBox("HAVE A WINNER!", "Vandolin", ui::MB_OK); }},
    {"error report",
     [] { ui::ReportError(engine::EConvertError("'x' is not a valid integer value")); }},
};

// Opens a box and closes it with Enter: the table must have the keyboard back and take input.
void ExpectTheTableActiveAfterABox(TableWindow& table) {
    WhenBoxOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    ui::AppMessageBox("Pick a bet", "Vandolin", ui::MB_ICONINFORMATION);

    EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    EXPECT_EQ(table.tryInput(), 2);
}

} // namespace

TEST(Modality, OtherWindowsRefuseInputWhileABoxIsOpen) {
    for (const BoxKind& kind : boxKinds) {
        SCOPED_TRACE(kind.name);
        QWidget alreadyDisabled;
        alreadyDisabled.show();
        alreadyDisabled.setEnabled(false);
        auto* doomed = new QWidget;
        doomed->show();
        TableWindow table;
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
        ASSERT_EQ(QApplication::focusWidget(), table.second);

        WhenBoxOpens([&](QWidget* box) {
            EXPECT_EQ(QApplication::activeModalWidget(), box);
            // Placed over the table by window managers and compositors, owned as before.
            ASSERT_NE(box->windowHandle(), nullptr);
            EXPECT_EQ(box->windowHandle()->transientParent(), table.window.windowHandle());
            EXPECT_EQ(box->parentWidget(), ui::ApplicationWindow());
            EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
            EXPECT_FALSE(table.window.isEnabled());
            EXPECT_FALSE(doomed->isEnabled());
            EXPECT_EQ(table.tryInput(), 0);
            // A window that goes away meanwhile must not trouble the box's clean-up.
            delete doomed;
            QTest::keyClick(box, Qt::Key_Escape);
        });
        kind.open();

        EXPECT_TRUE(table.window.isEnabled());
        EXPECT_FALSE(alreadyDisabled.isEnabled()) << "a window disabled before stays so";
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }))
            << "the window that was active is active again";
        EXPECT_EQ(QApplication::focusWidget(), table.second) << "and its focus is back";
        EXPECT_EQ(table.tryInput(), 2);
    }
}

TEST(Modality, WindowsComeBackWhenABoxFails) {
    TableWindow table;
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    try {
        const ui::WindowDisabler disabler;
        EXPECT_FALSE(table.window.isEnabled());
        throw std::runtime_error("the box could not be shown");
    } catch (const std::runtime_error&) {
    }
    EXPECT_TRUE(table.window.isEnabled());
    EXPECT_EQ(table.tryInput(), 2);
}

TEST(Modality, HiddenWindowsAreLeftAlone) {
    QWidget hidden;
    QWidget shown;
    shown.show();
    {
        const ui::WindowDisabler disabler;
        EXPECT_FALSE(shown.isEnabled());
        EXPECT_TRUE(hidden.isEnabled());
        // A window that was not on the list is not touched when the box closes.
        hidden.setEnabled(false);
    }
    EXPECT_TRUE(shown.isEnabled());
    EXPECT_FALSE(hidden.isEnabled());
}

TEST(Modality, TheFirstActiveWindowIsActiveAgainAfterAChainOfBoxes) {
    // The bet prompt closes and the error box opens at once, before the table has been
    // activated again: the table must still be the window that gets the activation back.
    TableWindow table;
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    WhenBoxOpens([](QWidget* prompt) {
        Child<QLineEdit>(prompt)->setText("abc");
        WhenBoxOpens([](QWidget* error) { QTest::keyClick(error, Qt::Key_Return); });
        QTest::keyClick(prompt, Qt::Key_Return);
    });
    const ui::TextAnswer answer = ui::AskText("Change your bet", "max value = 10: ", "1");
    ASSERT_TRUE(answer.confirmed);
    ui::AppMessageBox("'abc' is not a valid integer value", "Vandolin", ui::MB_ICONERROR);

    EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    EXPECT_EQ(QApplication::focusWidget(), table.second);
    EXPECT_EQ(table.tryInput(), 2);
}

TEST(Modality, ABoxOpenedFromAMenuGivesTheActivationBackToTheMenusWindow) {
    // The menu whose command opens the box has closed, but the activation has not yet moved
    // back from it (as on an X server without a window manager, in a burst of input): the
    // window the menu belongs to must be active again when the box closes, not nothing.
    TableWindow table;
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    QMenu menu(&table.window);
    menu.addAction("Bet");
    menu.popup(table.window.mapToGlobal(QPoint(0, 0)));
    menu.hide();
    QApplication::setActiveWindow(&menu);
    ASSERT_EQ(QApplication::activeWindow(), &menu);

    ExpectTheTableActiveAfterABox(table);
}

TEST(Modality, ABoxOpenedJustAfterAnotherWindowClosedGivesTheActivationBackToTheTable) {
    // The guide has just closed and handed the activation back to the table, but the toolkit
    // still counts the hidden guide as active when the next box opens.
    TableWindow table;
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    WhenBoxOpens([](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); });
    ui::AppMessageBox("The guide", "Vandolin", ui::MB_ICONINFORMATION);
    QWidget guide;
    guide.show();
    guide.hide();
    QApplication::setActiveWindow(&guide);
    ASSERT_EQ(QApplication::activeWindow(), &guide);

    ExpectTheTableActiveAfterABox(table);
}

TEST(Modality, TheFirstBoxOpenedWhileNoWindowIsActiveGivesTheActivationToTheWindowItBlocked) {
    // The game's first box opens while the activation is between windows (a menu's keyboard
    // grab has just ended, on an X server without a window manager): nothing is active and no
    // box has handed anything back yet. The table it blocked must have the keyboard after it.
    TableWindow table;
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);

    ExpectTheTableActiveAfterABox(table);
}

// A click on the blocked table, or a task bar, activates it while a box is open (the box
// perhaps minimised by the compositor): the box comes back and takes the activation, so
// the keys the player types next reach it.
TEST(Modality, AnActivatedBlockedWindowHandsTheActivationToTheBox) {
    for (const BoxKind& kind : boxKinds) {
        SCOPED_TRACE(kind.name);
        TableWindow table;
        ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
        WhenBoxOpens([&](QWidget* box) {
            box->showMinimized();
            table.window.activateWindow();
            EXPECT_TRUE(WaitFor([&] {
                return QApplication::activeWindow() == box && !box->isMinimized();
            })) << "the box is back and active";
            QTest::keyClick(box, Qt::Key_Escape);
        });
        kind.open();
        EXPECT_TRUE(WaitFor([&] { return QApplication::activeWindow() == &table.window; }));
    }
}

// Every box wears the game's dialog frame and nothing of the window system's: frameless to
// the platform (Qt puts a title bar back on a window that customises its own), a navy caption
// while active, and at the caption's right end the close box alone.
TEST(Modality, EveryBoxWearsTheGamesDialogFrame) {
    for (const BoxKind& kind : boxKinds) {
        SCOPED_TRACE(kind.name);
        TableWindow table;
        WhenBoxOpens([](QWidget* box) {
            ASSERT_NE(box->windowHandle(), nullptr);
            EXPECT_TRUE(box->windowHandle()->flags() & Qt::FramelessWindowHint);
            const platform::WindowFrame* frame = platform::WindowFrame::of(box);
            ASSERT_NE(frame, nullptr);
            const QRect caption = frame->frameLayout().captionRect();
            ASSERT_TRUE(WaitFor([&] { return frame->isFrameActive(); }));
            const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // A row through the buttons above the title's letters.
            const int row =
                frame->frameLayout().buttonRect(platform::FrameArea::CloseButton).top() + 1;
            int navy = 0;
            int buttons = 0;
            for (int x = caption.left(); x <= caption.right(); ++x) {
                const bool isNavy = (shot.pixel(x, row) & 0xFFFFFF) == 0x000080;
                navy += isNavy;
                buttons += !isNavy && x > caption.right() - 60;
            }
            EXPECT_GT(navy, caption.width() / 2) << "an active caption";
            EXPECT_GT(buttons, 8) << "a close box";
            EXPECT_LE(buttons, 20) << "and no other button";
            box->close();
        });
        kind.open();
    }
}
