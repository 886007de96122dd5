#include "modal_driver.h"

#include "ui/boxes/app_message_box.h"
#include "ui/boxes/application_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using ui::AppMessageBox;
using ui::IDOK;
using ui::MB_ICONERROR;
using ui::MB_OK;

namespace {

QMessageBox* asMessageBox(QWidget* box) {
    auto* messageBox = qobject_cast<QMessageBox*>(box);
    EXPECT_NE(messageBox, nullptr);
    return messageBox;
}

} // namespace

TEST(AppMessageBox, EndOfGameBoxesCarryTheBareNameAndNoIcon) {
    for (const char* text : {"G A M E   O V E R ! ! !", "HAVE A WINNER!"}) {
        WhenBoxOpens([text](QWidget* box) {
            QMessageBox* messageBox = asMessageBox(box);
            ASSERT_NE(messageBox, nullptr);
            EXPECT_EQ(messageBox->windowTitle(), "Vandolin");
            EXPECT_EQ(messageBox->text(), text);
            EXPECT_EQ(messageBox->icon(), QMessageBox::NoIcon);
            ASSERT_EQ(messageBox->buttons().size(), 1);
            EXPECT_EQ(messageBox->standardButton(messageBox->buttons().front()), QMessageBox::Ok);
            EXPECT_EQ(messageBox->windowModality(), Qt::ApplicationModal);
            EXPECT_EQ(messageBox->parentWidget(), ui::ApplicationWindow());
            QTest::keyClick(box, Qt::Key_Return);
        });
        EXPECT_EQ(AppMessageBox(text, "Vandolin", MB_OK), IDOK);
    }
}

TEST(AppMessageBox, ErrorFlagGivesTheStopIcon) {
    WhenBoxOpens([](QWidget* box) {
        QMessageBox* messageBox = asMessageBox(box);
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(messageBox->icon(), QMessageBox::Critical);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(AppMessageBox("broken", "Vandolin 1.1d", MB_OK | MB_ICONERROR), IDOK);
}

TEST(AppMessageBox, AnyWayOfClosingAnswersOk) {
    const std::function<void(QWidget*)> closers[] = {
        [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](QWidget* box) { box->close(); },
        [](QWidget* box) { asMessageBox(box)->buttons().front()->click(); },
    };
    for (const auto& close : closers) {
        WhenBoxOpens(close);
        EXPECT_EQ(AppMessageBox("HAVE A WINNER!", "Vandolin", MB_OK), IDOK);
    }
}

TEST(AppMessageBox, ShowsTextAsWrittenWithCarriageReturnsAsBreaks) {
    WhenBoxOpens([](QWidget* box) {
        QMessageBox* messageBox = asMessageBox(box);
        ASSERT_NE(messageBox, nullptr);
        EXPECT_EQ(messageBox->textFormat(), Qt::PlainText);
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
    EXPECT_EQ(window->windowTitle(), "Vandolin 1.1d");
    EXPECT_EQ(ui::ApplicationTitle(), "Vandolin 1.1d");

    ui::SetApplicationTitle("Renamed");
    EXPECT_EQ(window->windowTitle(), "Renamed");
    ui::SetApplicationTitle("Vandolin 1.1d");
    EXPECT_EQ(window->windowTitle(), "Vandolin 1.1d");
}
