#include "modal_driver.h"
#include "tests/support/application_title.h"

#include "ui/boxes/app_message_box.h"
#include "ui/boxes/app_message_form.h"
#include "ui/boxes/application_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using ui::AppMessageBox;
using ui::IDOK;
using ui::MB_ICONERROR;
using ui::MB_OK;

namespace {

ui::TAppMessageForm* asMessageBox(QWidget* box) {
    auto* messageBox = qobject_cast<ui::TAppMessageForm*>(box);
    EXPECT_NE(messageBox, nullptr);
    return messageBox;
}

} // namespace

TEST(AppMessageBox, EndOfGameBoxesCarryTheBareNameAndNoIcon) {
    for (const char* text : {"G A M E   O V E R ! ! !", "HAVE A WINNER!"}) {
        WhenBoxOpens([text](QWidget* box) {
            ui::TAppMessageForm* messageBox = asMessageBox(box);
            ASSERT_NE(messageBox, nullptr);
            EXPECT_EQ(messageBox->windowTitle(), "Vandolin");
            EXPECT_EQ(messageBox->text(), text);
            EXPECT_EQ(messageBox->icon(), ui::MessageIcon::None);
            EXPECT_EQ(box->findChild<QLabel*>("Image"), nullptr);
            const auto buttons = box->findChildren<QPushButton*>();
            ASSERT_EQ(buttons.size(), 1);
            EXPECT_EQ(buttons.front()->text(), "OK");
            EXPECT_EQ(messageBox->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(messageBox->parentWidget(), ui::ApplicationWindow());
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(AppMessageBox(text, "Vandolin", MB_OK), IDOK);
    }
}

// A screen reader reads a box as its title and the text among its children; the message must
// be text to it, and the letter-spaced end of the game the words it spells.
TEST(AppMessageBox, AScreenReaderReadsTheMessageAsWords) {
    const std::pair<const char*, const char*> messages[] = {
        {"G A M E   O V E R ! ! !", "GAME OVER!!!"},
        {"HAVE A WINNER!", "HAVE A WINNER!"},
        {"'1 2' is not a valid integer value.", "'1 2' is not a valid integer value."}};
    for (const auto& [text, spoken] : messages) {
        WhenBoxOpens([spoken](QWidget* box) {
            QStringList texts;
            for (QWidget* child : box->findChildren<QWidget*>()) {
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
                if (child->isVisible() && face && face->role() == QAccessible::StaticText)
                    texts << face->text(QAccessible::Name);
            }
            EXPECT_EQ(texts, QStringList{QString::fromUtf8(spoken)});
            QTest::keyClick(box, Qt::Key_Return);
        });
        AppMessageBox(text, "Vandolin", MB_OK);
    }
}

TEST(AppMessageBox, ErrorFlagGivesTheStopIcon) {
    WhenBoxOpens([](QWidget* box) {
        ui::TAppMessageForm* messageBox = asMessageBox(box);
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(messageBox->icon(), ui::MessageIcon::Error);
        const auto* image = box->findChild<QLabel*>("Image");
        ASSERT_NE(image, nullptr);
        EXPECT_FALSE(image->pixmap().isNull());
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(AppMessageBox("broken", test_support::ApplicationTitle(), MB_OK | MB_ICONERROR),
              IDOK);
}

TEST(AppMessageBox, AnyWayOfClosingAnswersOk) {
    const std::function<void(QWidget*)> closers[] = {
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QWidget* box) { box->close(); },
        [](QWidget* box) { box->findChild<QPushButton*>("OK")->click(); },
    };
    for (const auto& close : closers) {
        WhenBoxOpens(close);
        EXPECT_EQ(AppMessageBox("HAVE A WINNER!", "Vandolin", MB_OK), IDOK);
    }
}

TEST(AppMessageBox, ShowsTextAsWrittenWithCarriageReturnsAsBreaks) {
    WhenBoxOpens([](QWidget* box) {
        ui::TAppMessageForm* messageBox = asMessageBox(box);
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(messageBox->text(), "'<b>7</b>'\nsecond line");
        box->close();
    });
    AppMessageBox("'<b>7</b>'\rsecond line", "Vandolin", MB_OK);
}

TEST(AppMessageBox, StandsInTheMiddleOfTheScreenAtItsFinalSize) {
    // The box sizes itself to its text only as it is shown; short and long texts both centre.
    const QString longText = QStringLiteral("'%1' is not a valid integer value.")
                                 .arg(QStringLiteral("nine ").repeated(40));
    for (const QString& text : {QStringLiteral("HAVE A WINNER!"), longText}) {
        QRect seen;
        WhenBoxOpens([&seen](QWidget* box) {
            seen = box->frameGeometry();
            box->close();
        });
        AppMessageBox(text, "Vandolin", MB_OK | MB_ICONERROR);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(seen.topLeft(), QPoint(screen.width() / 2 - seen.width() / 2,
                                         screen.height() / 2 - seen.height() / 2))
            << text.size() << " characters";
    }
}

TEST(ApplicationWindow, IsAHiddenZeroSizeWindowAtTheScreenCentre) {
    QWidget* window = ui::ApplicationWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ui::ApplicationWindow(), window) << "there is one application window";
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->geometry(),
              QRect(QGuiApplication::primaryScreen()->geometry().center(), QSize(0, 0)));
    EXPECT_EQ(window->windowTitle(), test_support::ApplicationTitle());
    EXPECT_EQ(ui::ApplicationTitle(), test_support::ApplicationTitle());

    ui::SetApplicationTitle("Renamed");
    EXPECT_EQ(window->windowTitle(), "Renamed");
    ui::SetApplicationTitle(test_support::ApplicationTitle());
    EXPECT_EQ(window->windowTitle(), test_support::ApplicationTitle());
}

TEST(AppMessageBox, ALongEntryWrapsWithinTheBoxAndNothingIsCut) {
    // The longest bet entry, with no blank to break at, in the unreadable-bet box.
    const QString message = QStringLiteral("'%1' is not a valid integer value.")
                                .arg(QStringLiteral("0123456789").repeated(26).left(255));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    WhenBoxOpens([&](QWidget* box) {
        EXPECT_EQ(asMessageBox(box)->text(), message) << "the box still holds the whole text";
        EXPECT_LE(box->frameGeometry().width(), screen.width() * 3 / 4);
        EXPECT_TRUE(screen.contains(box->frameGeometry()));

        // The text is laid out inside the box, as high as its wrapped lines need.
        QWidget* text = nullptr;
        for (QWidget* child : box->findChildren<QWidget*>()) {
            if (child->isVisible() && child->accessibleName() == message)
                text = child;
        }
        ASSERT_NE(text, nullptr) << "the message is shown";
        EXPECT_TRUE(box->rect().contains(QRect(text->mapTo(box, QPoint(0, 0)), text->size())));
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
        EXPECT_GE(text->width(), screen.width() / 4) << "as wide as an ordinary message wraps";
        const int lineHeight = QFontMetrics(text->font()).height();
        EXPECT_GE(text->height(), 4 * lineHeight) << "the entry is broken over several lines";

        // Ink reaches the last line (the final full stop is there) but never the right edge.
        const QImage shot = text->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = shot.pixel(shot.width() - 1, 0);
        int lastInkRow = -1;
        int rightmostInk = -1;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (shot.pixel(x, y) != background) {
                    lastInkRow = std::max(lastInkRow, y);
                    rightmostInk = std::max(rightmostInk, x);
                }
            }
        }
        EXPECT_GT(lastInkRow, shot.height() - lineHeight);
        EXPECT_LT(rightmostInk, shot.width());
        EXPECT_GT(rightmostInk, shot.width() * 3 / 4) << "lines are filled before they break";
        box->close();
    });
    AppMessageBox(message, test_support::ApplicationTitle(), MB_OK | MB_ICONERROR);
}

// A box captioned like the table is told apart from it in window lists: the
// window system gets a title of the box's own, while the caption drawn stays the plain one.
TEST(AppMessageBox, HasATaskBarTitleOfItsOwn) {
    WhenBoxOpens([](QWidget* box) {
        ASSERT_NE(box->windowHandle(), nullptr);
        EXPECT_EQ(box->windowTitle(), test_support::ApplicationTitle());
        EXPECT_EQ(box->windowHandle()->title(),
                  test_support::ApplicationTitle() +
                      QString::fromUtf8(" \u2013 'x' is not a valid integer value."));
        box->close();
    });
    AppMessageBox("'x' is not a valid integer value.\rsecond line",
                  test_support::ApplicationTitle(), MB_OK | MB_ICONERROR);
}
