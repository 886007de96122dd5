// Whole rounds played on the real table with the mouse, checked through what it shows.
#include "window_driver.h"

#include "ui/mainwindow/picture_box.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr int kEmptySlot = 63;
const QColor kSilver(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);

class TableTest : public ::testing::Test {
protected:
    void SetUp() override { table = OpenTable(); }
    const Ui::MainForm& w() const { return table->widgets(); }
    ui::PictureBox* slot(int i) const {
        return std::array{w().Carte1, w().Carte2, w().Carte3, w().Carte4, w().Carte5}[i - 1];
    }
    QColor modeColor() const { return w().Mode->palette().color(QPalette::WindowText); }
    bool commandsEnabled(bool expected) const {
        return w().Nuovo1->isEnabled() == expected && w().Nuovo2->isEnabled() == expected &&
               w().Puntata1->isEnabled() == expected && w().Puntata2->isEnabled() == expected;
    }

    std::unique_ptr<ui::TMainForm> table;
};

TEST_F(TableTest, BeforeTheFirstDeal) {
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), kEmptySlot)) << "slot " << i;
    EXPECT_TRUE(ShowsPicture(w().Mazzo1, 53));
    EXPECT_TRUE(w().N_1->isChecked());
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("Start"));
    EXPECT_EQ(modeColor(), kRed);
    EXPECT_EQ(w().StatusBar->text(), QStringLiteral("StatusBar"));
    // The first activation filled the money panels.
    EXPECT_EQ(w().BetBar->text(), QStringLiteral("$1"));
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    EXPECT_EQ(LitLine(*table), -1);
    EXPECT_TRUE(commandsEnabled(true));
    EXPECT_EQ(w().Mazzo1->cursorId(), 1);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(slot(i)->cursorId(), 1);
    EXPECT_TRUE(table->screenCursors().IsRegistered(1));
    EXPECT_TRUE(table->screenCursors().IsRegistered(2));
    EXPECT_EQ(table->windowTitle(), QStringLiteral("Vandolin"));
    EXPECT_EQ(table->objectName(), QStringLiteral("MainForm"));
    // Task switchers take the large image from the window, the caption the small one.
    const QList<QSize> iconSizes = table->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
}

// A compositor that never activates the table (a headless one) still shows the money.
TEST(TableShown, FillsTheMoneyPanelsWithoutAnActivation) {
    ui::TMainForm table([] { return kFixedClock; });
    table.setAttribute(Qt::WA_ShowWithoutActivating);
    table.show();
    ASSERT_FALSE(table.isActiveWindow());
    EXPECT_EQ(table.widgets().BetBar->text(), QStringLiteral("$1"));
    EXPECT_EQ(table.widgets().ScoreBar->text(), QStringLiteral("$100"));
}

TEST_F(TableTest, DealMarkAndDraw) {
    Click(w().Mazzo1);
    // The fixed clock deals 18, 4, 40, 52, 48: nothing, so no pay line lights.
    const std::array<int, 5> dealt{18, 4, 40, 52, 48};
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), dealt[i - 1])) << "slot " << i;
    EXPECT_EQ(LitLine(*table), -1);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    EXPECT_EQ(modeColor(), kLime);
    EXPECT_EQ(w().StatusBar->text(), QStringLiteral("Click on the deck to draw"));
    EXPECT_TRUE(commandsEnabled(false));
    EXPECT_EQ(w().Mazzo1->cursorId(), 2);
    EXPECT_EQ(w().Mazzo1->cursor().pixmap().toImage(),
              table->screenCursors().Cursor(2).pixmap().toImage());

    // Mark 2 and 4, then change our mind about 4: only slot 2 is replaced (by position 6).
    Click(w().Carte2);
    Click(w().Carte4);
    EXPECT_TRUE(ShowsPicture(w().Carte2, 53));
    EXPECT_TRUE(ShowsPicture(w().Carte4, 53));
    Click(w().Carte4);
    EXPECT_TRUE(ShowsPicture(w().Carte4, 52));

    Click(w().Mazzo1);
    const std::array<int, 5> drawn{18, 6, 40, 52, 48};
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), drawn[i - 1])) << "slot " << i;
    EXPECT_EQ(LitLine(*table), -1);
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$99"));
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    EXPECT_EQ(modeColor(), kYellow);
    EXPECT_EQ(w().StatusBar->text(), QStringLiteral("Click on the deck to deal"));
    EXPECT_TRUE(commandsEnabled(true));
    EXPECT_EQ(w().Mazzo1->cursorId(), 1);

    // In DEAL the cards do not react.
    Click(w().Carte1);
    EXPECT_TRUE(ShowsPicture(w().Carte1, 18));
}

TEST_F(TableTest, ADoubleClickDoesWhatOneClickDoes) {
    // On the deck in DEAL: the hand is dealt, not dealt and drawn at once.
    DoubleClick(w().Mazzo1);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DRAW"));
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    EXPECT_TRUE(ShowsPicture(slot(1), 18));
    // On a card: it is marked, not marked and unmarked.
    DoubleClick(w().Carte1);
    EXPECT_TRUE(ShowsPicture(slot(1), 53));
    // On the deck in DRAW: the hand is drawn and stays on the table.
    DoubleClick(w().Mazzo1);
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$99"));
    EXPECT_TRUE(ShowsPicture(slot(1), 6));
    EXPECT_TRUE(ShowsPicture(slot(2), 4));
}

TEST_F(TableTest, AWinningDrawLightsItsLineAndPays) {
    Click(w().Mazzo1);
    // Stack the deck behind the dealt cards with a royal flush in spades and change all five.
    engine::Game& game = table->game();
    const std::array<int, 5> royal{40, 49, 50, 51, 52};
    for (int i = 0; i < 5; ++i)
        game.Deck[6 + i] = royal[i];
    for (int i = 1; i <= 5; ++i)
        Click(slot(i));
    Click(w().Mazzo1);

    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), royal[i - 1])) << "slot " << i;
    EXPECT_EQ(LitLine(*table), 8);
    EXPECT_EQ(w().Score8->palette().color(QPalette::WindowText), kYellow);
    EXPECT_EQ(w().Score0->palette().color(QPalette::WindowText), kSilver);
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$600"));

    // The next deal puts every line back to silver before lighting its own.
    Click(w().Mazzo1);
    EXPECT_EQ(LitLine(*table), -1);
}

TEST_F(TableTest, GameOverBoxThenRestart) {
    engine::Game& game = table->game();
    game.Cash = 1;
    Click(w().Mazzo1);
    QString panelWhileBoxOpen;
    QString modeWhileBoxOpen;
    ModalAnswerer answerer([&](QWidget* box) {
        panelWhileBoxOpen = w().ScoreBar->text();
        modeWhileBoxOpen = w().Mode->caption();
        PressEnter(box);
    });
    Click(w().Mazzo1); // nothing again: loses the last unit

    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_EQ(answerer.seen()[0].text, QStringLiteral("G A M E   O V E R ! ! !"));
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral("Vandolin"));
    EXPECT_EQ(panelWhileBoxOpen, QStringLiteral("$0"));
    EXPECT_EQ(modeWhileBoxOpen, QStringLiteral("DEAL"));
    // After the box: restarted bankroll, empty slots, still DEAL in yellow.
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    EXPECT_EQ(w().BetBar->text(), QStringLiteral("$1"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), kEmptySlot));
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("DEAL"));
    EXPECT_EQ(modeColor(), kYellow);
    EXPECT_TRUE(table->isEnabled());
}

TEST_F(TableTest, WinnerBoxThenRestart) {
    engine::Game& game = table->game();
    game.Cash = 32767;
    Click(w().Mazzo1);
    const std::array<int, 5> fourAces{1, 14, 27, 40, 2};
    for (int i = 0; i < 5; ++i)
        game.Deck[6 + i] = fourAces[i];
    for (int i = 1; i <= 5; ++i)
        Click(slot(i));
    ModalAnswerer answerer;
    Click(w().Mazzo1);

    ASSERT_EQ(answerer.seen().size(), 1);
    EXPECT_EQ(answerer.seen()[0].text, QStringLiteral("HAVE A WINNER!"));
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral("Vandolin"));
    EXPECT_EQ(LitLine(*table), 6) << "four of a kind stays lit after the restart";
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), kEmptySlot));
}

TEST_F(TableTest, ChangingTheBackWhileTwoCardsAreMarked) {
    Click(w().Mazzo1);
    Click(w().Carte1);
    Click(w().Carte3);
    w().N_3->trigger();

    EXPECT_TRUE(w().N_3->isChecked());
    for (QAction* other : {w().N_1, w().N_2, w().N_4, w().N_5, w().N_6})
        EXPECT_FALSE(other->isChecked()) << other->objectName().toStdString();
    EXPECT_TRUE(ShowsPicture(w().Mazzo1, 55));
    EXPECT_TRUE(ShowsPicture(w().Carte1, 55));
    EXPECT_TRUE(ShowsPicture(w().Carte3, 55));
    EXPECT_TRUE(ShowsPicture(w().Carte2, 4));
    EXPECT_TRUE(ShowsPicture(w().Carte4, 52));
    EXPECT_TRUE(ShowsPicture(w().Carte5, 48));

    // Choosing the checked item again keeps it checked and changes nothing.
    w().N_3->trigger();
    EXPECT_TRUE(w().N_3->isChecked());
    EXPECT_TRUE(ShowsPicture(w().Mazzo1, 55));

    // Unmarking shows the face; marking again shows the new back.
    Click(w().Carte1);
    EXPECT_TRUE(ShowsPicture(w().Carte1, 18));
    Click(w().Carte1);
    EXPECT_TRUE(ShowsPicture(w().Carte1, 55));
}

TEST_F(TableTest, ChangingTheBackInDealTouchesOnlyTheDeck) {
    Click(w().Mazzo1);
    Click(w().Mazzo1);
    w().N_6->trigger();
    EXPECT_TRUE(ShowsPicture(w().Mazzo1, 58));
    EXPECT_TRUE(ShowsPicture(w().Carte1, 18));
    EXPECT_TRUE(ShowsPicture(w().Carte5, 48));
}

TEST_F(TableTest, NewGameKeepsTheLitLineAndUnderlinesStart) {
    Click(w().Mazzo1);
    engine::Game& game = table->game();
    const std::array<int, 5> twoPair{1, 14, 2, 15, 30};
    for (int i = 0; i < 5; ++i)
        game.Deck[6 + i] = twoPair[i];
    for (int i = 1; i <= 5; ++i)
        Click(slot(i));
    Click(w().Mazzo1);
    ASSERT_EQ(LitLine(*table), 1);

    w().Nuovo1->trigger();
    EXPECT_EQ(w().Mode->caption(), QStringLiteral("&Start"));
    EXPECT_EQ(w().Mode->text(), QStringLiteral("<u>S</u>tart"));
    EXPECT_EQ(modeColor(), kRed);
    EXPECT_EQ(w().ScoreBar->text(), QStringLiteral("$100"));
    EXPECT_EQ(LitLine(*table), 1);
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(ShowsPicture(slot(i), kEmptySlot));
}

TEST_F(TableTest, ViewOperationsIgnoreSlotsOutsideTheTable) {
    const QImage before = Shot(table.get());
    table->ShowCard(0, 1);
    table->ShowCard(6, 1);
    table->ShowBack(-1);
    table->ShowBack(6);
    // A picture number with nothing behind it leaves the slot as it was.
    table->ShowCard(1, 60);
    table->LightScore(1);
    table->LightScore(11);
    table->LightScore(0);
    EXPECT_EQ(Shot(table.get()), before);
    table->LightScore(10);
    EXPECT_EQ(LitLine(*table), 8);
    table->LightScore(2);
    EXPECT_EQ(LitLine(*table), 0);
}

} // namespace
