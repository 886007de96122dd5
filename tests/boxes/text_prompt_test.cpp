#include "box_geometry.h"

#include "modal_driver.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/window_frame.h"

#include "ui/boxes/application_window.h"
#include "ui/boxes/modal_result.h"
#include "ui/boxes/text_prompt.h"

#include "platform/classic_fonts.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using ui::AskText;
using ui::TextAnswer;

namespace {

TextAnswer askBet() {
    return AskText("Change your bet", "max value = 10: ", "1");
}

QLineEdit* focusedEdit() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

} // namespace

TEST(TextPrompt, IsLaidOutInDialogUnitsOfItsFont) {
    WhenBoxOpens([](QWidget* box) {
        const QFont expectedFont = platform::classicFont(platform::ClassicFace::MsSansSerif, 11);
        EXPECT_EQ(box->font(), expectedFont);
        const ExpectedUnits du(box->font());
        ASSERT_GT(du.average, 0);

        EXPECT_EQ(box->windowTitle(), "Change your bet");
        EXPECT_EQ(box->findChild<QWidget*>("ClientArea")->size(), QSize(du.h(180), du.v(63)));
        EXPECT_EQ(box->minimumSize(), box->maximumSize()) << "the frame must not resize";
        const Qt::WindowFlags flags = box->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(flags & Qt::WindowTitleHint);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), ui::ApplicationWindow());

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(box->frameGeometry().topLeft(),
                  QPoint(screen.width() / 2 - box->frameGeometry().width() / 2,
                         screen.height() / 2 - box->frameGeometry().height() / 2));

        auto* label = Child<QLabel>(box);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "max value = 10: ");
        // The field is named by its prompt for a screen reader.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Child<QLineEdit>(box));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(QAccessible::Name), "max value = 10: ");
        EXPECT_EQ(label->pos(), QPoint(du.h(8), du.v(8)));
        EXPECT_EQ(label->size(), label->sizeHint());

        auto* edit = Child<QLineEdit>(box);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->geometry(),
                  QRect(label->x(), du.v(19), du.h(164), edit->sizeHint().height()));
        EXPECT_EQ(edit->maxLength(), 255);
        EXPECT_EQ(edit->selectedText(), "1");
        EXPECT_EQ(QApplication::focusWidget(), edit);

        QPushButton* ok = nullptr;
        QPushButton* cancel = nullptr;
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text() == "OK")
                ok = button;
            else if (button->text() == "Cancel")
                cancel = button;
        }
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(ok->geometry(), QRect(du.h(38), du.v(41), du.h(50), du.v(14)));
        EXPECT_EQ(cancel->geometry(), QRect(du.h(92), du.v(41), du.h(50), du.v(14)));
        EXPECT_TRUE(ok->isDefault());
        EXPECT_FALSE(cancel->isDefault());

        // The edit field comes first in the tab order, then OK, then Cancel.
        QWidget* first = box->nextInFocusChain();
        while (first != box && !(first->focusPolicy() & Qt::TabFocus))
            first = first->nextInFocusChain();
        EXPECT_EQ(first, edit);
        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), cancel);
        QTest::keyClick(cancel, Qt::Key_Escape);
    });
    askBet();
}

TEST(TextPrompt, ConfirmedTextReplacesThePreset) {
    // Typing replaces the selected preset; Enter in the edit field confirms.
    WhenBoxOpens([](QWidget*) {
        QLineEdit* edit = focusedEdit();
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, "7");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    TextAnswer answer = askBet();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.text, "7");

    // Enter without typing confirms the preset.
    WhenBoxOpens([](QWidget*) { QTest::keyClick(focusedEdit(), Qt::Key_Enter); });
    answer = askBet();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.text, "1");

    // An emptied field is a confirmed empty answer, not the preset.
    WhenBoxOpens([](QWidget* box) {
        QLineEdit* edit = focusedEdit();
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::mouseClick(box->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    answer = askBet();
    EXPECT_TRUE(answer.confirmed);
    EXPECT_EQ(answer.text, "");
}

TEST(TextPrompt, EveryOtherEndingKeepsThePreset) {
    const struct {
        const char* how;
        std::function<void(QWidget*)> close;
    } endings[] = {
        {"Esc", [](QWidget*) { QTest::keyClick(focusedEdit(), Qt::Key_Escape); }},
        {"Cancel",
         [](QWidget* box) {
             QTest::mouseClick(box->findChild<QPushButton*>("Cancel"), Qt::LeftButton);
         }},
        {"close box", [](QWidget* box) { box->close(); }},
        {"Alt+F4", [](QWidget* box) { QTest::keyClick(box, Qt::Key_F4, Qt::AltModifier); }},
        {"a click on the frame's close box",
         [](QWidget* box) {
             const platform::WindowFrame* frame = platform::WindowFrame::of(box);
             ASSERT_NE(frame, nullptr);
             const QRect button = frame->frameLayout().buttonRect(platform::FrameArea::CloseButton);
             ASSERT_FALSE(button.isEmpty());
             QTest::mouseClick(box, Qt::LeftButton, {}, button.center());
         }},
    };
    for (const auto& ending : endings) {
        WhenBoxOpens([&ending](QWidget* box) {
            QLineEdit* edit = focusedEdit();
            ASSERT_NE(edit, nullptr);
            QTest::keyClicks(edit, "9");
            ASSERT_EQ(edit->text(), "9");
            ending.close(box);
        });
        const TextAnswer answer = AskText("Change your bet", "max value = 10: ", "1");
        EXPECT_FALSE(answer.confirmed) << ending.how;
        EXPECT_EQ(answer.text, "1") << ending.how;
    }
}

TEST(TextPrompt, RefusesThe256thCharacter) {
    WhenBoxOpens([](QWidget*) {
        QLineEdit* edit = focusedEdit();
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QString(300, u'4'));
        EXPECT_EQ(edit->text().size(), 255);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(AskText("c", "p", "").text, QString(255, u'4'));

    // A full field takes nothing more at its end either.
    WhenBoxOpens([](QWidget*) {
        QLineEdit* edit = focusedEdit();
        ASSERT_NE(edit, nullptr);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClicks(edit, "x");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(AskText("c", "p", QString(255, u'5')).text, QString(255, u'5'));
}

TEST(TextPrompt, ShowsMarkupInThePromptAsTyped) {
    WhenBoxOpens([](QWidget* box) {
        auto* label = Child<QLabel>(box);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->text(), "<b>max</b>");
        box->close();
    });
    AskText("c", "<b>max</b>", "1");
}

// The classic look, although the test main asks for a modern desktop style: a button-face
// box, a sunken two-pixel field, raised buttons, the selection in navy.
TEST(TextPrompt, WearsTheClassicLook) {
    const QRgb face = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    const QRgb grey = qRgb(0x80, 0x80, 0x80);
    const QRgb black = qRgb(0, 0, 0);
    WhenBoxOpens([&](QWidget* box) {
        const QImage shot = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shot.pixel(2, shot.height() - 3), face) << "button-face grey box";

        auto* edit = Child<QLineEdit>(box);
        ASSERT_NE(edit, nullptr);
        const QImage field = edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int mid = field.height() / 2;
        EXPECT_EQ(field.pixel(0, mid), grey) << "sunken: grey outside at the left";
        EXPECT_EQ(field.pixel(1, mid), black) << "and black inside it";
        EXPECT_EQ(field.pixel(field.width() - 1, mid), white) << "lit at the right";
        EXPECT_EQ(field.pixel(field.width() / 2, 0), grey) << "grey outside at the top";
        EXPECT_EQ(field.pixel(field.width() - 4, mid), white) << "a white field";
        int navy = 0;
        for (int x = 0; x < field.width(); ++x)
            navy += field.pixel(x, mid) == qRgb(0, 0, 0x80);
        EXPECT_GT(navy, 0) << "the selected preset is highlighted in navy";

        for (auto* button : box->findChildren<QPushButton*>()) {
            const QImage b = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int x = b.width() / 2;
            // Raised, white over black, inside a one-pixel ring that is black round the
            // default button and plain grey round the other.
            const int inset = 1;
            EXPECT_EQ(b.pixel(x, 0), button->isDefault() ? black : face);
            EXPECT_EQ(b.pixel(x, inset), white) << button->text().toStdString();
            EXPECT_EQ(b.pixel(x, b.height() - 1 - inset), black) << button->text().toStdString();
            EXPECT_EQ(b.pixel(x, b.height() - 2 - inset), grey) << button->text().toStdString();
            EXPECT_EQ(b.pixel(3, b.height() / 2), face) << button->text().toStdString();
        }
        QTest::keyClick(box, Qt::Key_Escape);
    });
    askBet();
}
