#include "box_geometry.h"
#include "modal_driver.h"

#include "ui/boxes/application_window.h"
#include "ui/boxes/message_form.h"
#include "ui/boxes/modal_result.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using ui::ShowInformation;

namespace {

const QString Farewell =
    QStringLiteral("Thank You for playing \rVandolin.\rBye...") + QString(19, u' ');

constexpr int WrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;

// The part of the box inside its frame.
QWidget* clientOf(QWidget* box) {
    return box->findChild<QWidget*>("ClientArea");
}

int halfScreen() {
    return QGuiApplication::primaryScreen()->geometry().width() / 2;
}

// Opens the box for message, checks the common layout rules and hands the box to inspect.
void inspectBox(const QString& message,
                const std::function<void(QWidget*, const ExpectedUnits&)>& inspect) {
    WhenBoxOpens([&inspect](QWidget* box) {
        EXPECT_STREQ(box->metaObject()->className(), "ui::TMessageForm");
        EXPECT_EQ(box->font(), QApplication::font("QMessageBoxLabel"));
        const ExpectedUnits du(box->font());
        auto* image = Child<QLabel>(box, "Image");
        auto* text = Child<QLabel>(box, "Message");
        auto* ok = Child<QPushButton>(box, "OK");
        ASSERT_TRUE(image && text && ok);

        EXPECT_EQ(box->windowTitle(), "Information");
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->minimumSize(), box->maximumSize());
        EXPECT_FALSE(box->windowFlags() & Qt::WindowMinMaxButtonsHint);
        EXPECT_EQ(box->parentWidget(), ui::ApplicationWindow());

        EXPECT_EQ(image->geometry(), QRect(du.h(8), du.v(8), 32, 32));
        ASSERT_FALSE(image->pixmap().isNull());
        EXPECT_EQ(image->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        EXPECT_EQ(text->pos(), QPoint(du.h(8) + 32 + du.h(10), du.v(8)));
        EXPECT_TRUE(text->wordWrap());
        EXPECT_EQ(text->textFormat(), Qt::PlainText);

        const int blockWidth = text->width() + 32 + du.h(10);
        const int blockHeight = std::max(text->height(), 32);
        const int clientWidth = std::max(blockWidth, du.h(50)) + 2 * du.h(8);
        EXPECT_EQ(clientOf(box)->size(),
                  QSize(clientWidth, blockHeight + du.v(14) + du.v(10) + 2 * du.v(8)));
        EXPECT_EQ(ok->geometry(), QRect((clientWidth - du.h(50)) / 2,
                                        blockHeight + du.v(8) + du.v(10), du.h(50), du.v(14)));
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_EQ(box->frameGeometry().topLeft(),
                  QPoint(screen.width() / 2 - box->frameGeometry().width() / 2,
                         screen.height() / 2 - box->frameGeometry().height() / 2));

        inspect(box, du);
        ok->click();
    });
    EXPECT_EQ(ShowInformation(message), ui::mrOk);
}

} // namespace

TEST(InformationBox, FarewellShowsThreeLines) {
    inspectBox(Farewell, [](QWidget* box, const ExpectedUnits&) {
        auto* text = Child<QLabel>(box, "Message");
        EXPECT_EQ(text->text(), "Thank You for playing \nVandolin.\nBye..." + QString(19, u' '));
        const QFontMetrics metrics(box->font());
        const QRect threeLines = metrics.boundingRect(QRect(0, 0, halfScreen(), 0), WrapFlags,
                                                      "Thank You for playing\nX\nX");
        EXPECT_EQ(text->height(), threeLines.height());
        EXPECT_EQ(
            text->width(),
            metrics.boundingRect(QRect(0, 0, halfScreen(), 0), WrapFlags, "Thank You for playing")
                .width());
    });
}

TEST(InformationBox, LongMessageWrapsAtHalfTheScreen) {
    QString words;
    for (int i = 0; i < 120; ++i)
        words += "wager ";
    inspectBox(words, [](QWidget* box, const ExpectedUnits&) {
        auto* text = Child<QLabel>(box, "Message");
        const QFontMetrics metrics(box->font());
        EXPECT_LE(text->width(), halfScreen());
        EXPECT_GT(text->width(), halfScreen() - metrics.horizontalAdvance("wager "));
        EXPECT_GE(text->height(), 3 * metrics.height());
        // Every wrapped line must fit the label as drawn: the label needs no more height
        // at its own width than it was given.
        EXPECT_LE(text->heightForWidth(text->width()), text->height());
    });
}

TEST(InformationBox, ShortMessageKeepsRoomForTheIconAndTheButton) {
    inspectBox("x", [](QWidget* box, const ExpectedUnits& du) {
        auto* text = Child<QLabel>(box, "Message");
        EXPECT_LT(text->height(), 32);
        EXPECT_EQ(clientOf(box)->height(), 32 + du.v(14) + du.v(10) + 2 * du.v(8));
    });
}

TEST(InformationBox, TabsAreExpanded) {
    inspectBox("a\tb", [](QWidget* box, const ExpectedUnits&) {
        auto* text = Child<QLabel>(box, "Message");
        const QFontMetrics metrics(box->font());
        EXPECT_GT(text->width(), metrics.horizontalAdvance("a b"));
    });
}

TEST(InformationBox, ResultDependsOnHowItCloses) {
    // OK is both the default and the cancel button; only the close box cancels.
    const struct {
        const char* how;
        std::function<void(QWidget*)> close;
        int result;
    } endings[] = {
        {"OK",
         [](QWidget* box) { QTest::mouseClick(Child<QPushButton>(box, "OK"), Qt::LeftButton); },
         ui::mrOk},
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, ui::mrOk},
        {"Esc", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, ui::mrOk},
        {"close box", [](QWidget* box) { box->close(); }, ui::mrCancel},
    };
    for (const auto& ending : endings) {
        WhenBoxOpens([&ending](QWidget* box) {
            EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>(box, "OK")) << ending.how;
            ending.close(box);
        });
        EXPECT_EQ(ShowInformation(Farewell), ending.result) << ending.how;
    }
}
