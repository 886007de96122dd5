// The table played from the keyboard, and read back as a screen reader reads it.
#include "window_driver.h"

#include "ui/mainwindow/picture_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class KeyboardTable : public ::testing::Test {
protected:
    void SetUp() override { table = OpenTable(); }
    const Ui::MainForm& w() const { return table->widgets(); }
    ui::PictureBox* slot(int i) const {
        return std::array{w().Carte1, w().Carte2, w().Carte3, w().Carte4, w().Carte5}[i - 1];
    }
    QStringList slotNames() const {
        QStringList names;
        for (int i = 1; i <= 5; ++i)
            names << AccessibleName(slot(i));
        return names;
    }
    QStringList lineDescriptions() const {
        QStringList lit;
        for (QLabel* line : {w().Score0, w().Score1, w().Score2, w().Score3, w().Score4, w().Score5,
                             w().Score6, w().Score7, w().Score8}) {
            EXPECT_EQ(AccessibleName(line), line->text());
            lit << AccessibleDescription(line);
        }
        return lit;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        PressKey(*table, key, modifiers);
    }

    std::unique_ptr<ui::TMainForm> table;
};

TEST_F(KeyboardTable, ARoundPlayedWithKeysReadsAsItShows) {
    const QString empty = QStringLiteral("empty");
    EXPECT_EQ(slotNames(), QStringList(5, empty));
    EXPECT_EQ(AccessibleName(w().Mazzo1), QStringLiteral("deal"));
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("Start"));
    EXPECT_EQ(AccessibleName(w().BetBar), QStringLiteral("Bet $1"));
    EXPECT_EQ(AccessibleName(w().ScoreBar), QStringLiteral("Cash $100"));
    EXPECT_TRUE(AccessibleDescription(slot(3)).contains(u'3'));

    // Before a deal the number keys mark nothing.
    press(Qt::Key_1);
    EXPECT_TRUE(ShowsPicture(slot(1), 63));

    // Space deals 18, 4, 40, 52, 48 with the fixed clock.
    press(Qt::Key_Space);
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DRAW"));
    EXPECT_EQ(AccessibleName(w().Mazzo1), QStringLiteral("draw"));
    EXPECT_EQ(slotNames(), QStringList({"five of diamonds", "four of clubs", "ace of spades",
                                        "king of spades", "nine of spades"}));
    EXPECT_EQ(lineDescriptions(), QStringList(9, QStringLiteral("not lit")));

    // 1, 2, 3 mark; 2 again keeps its card after all, and 2 once more marks it again.
    const QString marked = QStringLiteral("marked to change");
    press(Qt::Key_1);
    press(Qt::Key_2);
    EXPECT_TRUE(ShowsPicture(slot(2), 53));
    EXPECT_EQ(AccessibleName(slot(2)), marked);
    press(Qt::Key_2);
    EXPECT_TRUE(ShowsPicture(slot(2), 4));
    EXPECT_EQ(AccessibleName(slot(2)), QStringLiteral("four of clubs"));
    press(Qt::Key_2);
    press(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(slotNames(),
              QStringList({marked, marked, marked, "king of spades", "nine of spades"}));

    // Enter draws 6, 23, 26 into the marked slots: a pair of kings pays 2 : 1.
    press(Qt::Key_Return);
    EXPECT_EQ(slotNames(), QStringList({"six of clubs", "ten of diamonds", "king of diamonds",
                                        "king of spades", "nine of spades"}));
    EXPECT_TRUE(ShowsPicture(slot(3), 26));
    QStringList lit(9, QStringLiteral("not lit"));
    lit[0] = QStringLiteral("lit");
    EXPECT_EQ(lineDescriptions(), lit);
    EXPECT_EQ(AccessibleName(w().ScoreBar), QStringLiteral("Cash $102"));
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DEAL"));
    EXPECT_EQ(AccessibleName(w().Mazzo1), QStringLiteral("deal"));

    // The keypad's Enter deals again.
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DRAW"));
}

TEST_F(KeyboardTable, OnlyPlainSinglePressesOfTheTableKeysAct) {
    press(Qt::Key_Space);
    // Keys with a modifier belong to others (menus, the desktop), and a key held down
    // clicks once, not once per repeat.
    press(Qt::Key_1, Qt::ControlModifier);
    press(Qt::Key_1, Qt::AltModifier);
    EXPECT_TRUE(ShowsPicture(slot(1), 18));
    press(Qt::Key_6);
    press(Qt::Key_0);
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DRAW"));
    QKeyEvent held(QEvent::KeyPress, Qt::Key_4, Qt::NoModifier, QStringLiteral("4"), true);
    QTest::keyPress(table->windowHandle(), Qt::Key_4);
    QCoreApplication::sendEvent(table->windowHandle(), &held);
    QTest::keyRelease(table->windowHandle(), Qt::Key_4);
    EXPECT_EQ(AccessibleName(slot(4)), QStringLiteral("marked to change"));
    QKeyEvent heldSpace(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(table->windowHandle(), &heldSpace);
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DRAW"));

    // A table that does not take input ignores the keys, as it ignores its menu shortcuts.
    table->setEnabled(false);
    press(Qt::Key_Space);
    press(Qt::Key_5);
    table->setEnabled(true);
    EXPECT_EQ(AccessibleName(w().Mode), QStringLiteral("DRAW"));
    EXPECT_EQ(AccessibleName(slot(5)), QStringLiteral("nine of spades"));
}

} // namespace
