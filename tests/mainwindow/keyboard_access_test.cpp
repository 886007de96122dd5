// The table played from the keyboard, and read back as a screen reader reads it.
#include "window_driver.h"

#include "ui/mainwindow/announcer.h"
#include "ui/mainwindow/picture_box.h"
#include "ui/mainwindow/table_accessibility.h"

#include <QApplication>
#include <QHash>
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

    table->announcer().flush();
    EXPECT_EQ(table->announcer().lastSaid(),
              QStringLiteral("five of diamonds, four of clubs, ace of spades, king of spades, "
                             "nine of spades. No pay line lit."));

    // 1, 2, 3 mark; 2 again keeps its card after all, and 2 once more marks it again. A marked
    // card keeps its name and is checked; the focus follows the number keys.
    press(Qt::Key_1);
    press(Qt::Key_2);
    EXPECT_TRUE(ShowsPicture(slot(2), 53));
    EXPECT_TRUE(AccessibleState(slot(2)).checked);
    EXPECT_EQ(QApplication::focusWidget(), slot(2));
    press(Qt::Key_2);
    EXPECT_TRUE(ShowsPicture(slot(2), 4));
    EXPECT_FALSE(AccessibleState(slot(2)).checked);
    press(Qt::Key_2);
    press(Qt::Key_3, Qt::KeypadModifier);
    EXPECT_EQ(slotNames(), QStringList({"five of diamonds", "four of clubs", "ace of spades",
                                        "king of spades", "nine of spades"}));
    QList<bool> checked;
    for (int i = 1; i <= 5; ++i)
        checked << AccessibleState(slot(i)).checked;
    EXPECT_EQ(checked, QList<bool>({true, true, true, false, false}));

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
    EXPECT_TRUE(AccessibleState(w().Score0).selected);
    EXPECT_FALSE(AccessibleState(w().Score1).selected);
    EXPECT_FALSE(AccessibleState(slot(1)).checked);
    // Only the drawn cards, then the hand and the money, once.
    table->announcer().flush();
    EXPECT_EQ(table->announcer().lastSaid(),
              QStringLiteral("New cards: six of clubs, ten of diamonds, king of diamonds. "
                             "jacks or better: you win $2, cash $102."));

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
    EXPECT_TRUE(AccessibleState(slot(4)).checked);
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
    EXPECT_FALSE(AccessibleState(slot(5)).checked);
}

TEST_F(KeyboardTable, TheTableTellsWhatEachControlIs) {
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(AccessibleRole(slot(i)), QAccessible::CheckBox);
        EXPECT_TRUE(AccessibleState(slot(i)).focusable);
    }
    EXPECT_EQ(AccessibleRole(w().Mazzo1), QAccessible::Button);
    EXPECT_EQ(AccessibleRole(w().StatusBar), QAccessible::StatusBar);
    EXPECT_EQ(AccessibleName(w().StatusBar), w().StatusBar->text());
    EXPECT_EQ(AccessibleRole(table.get()), QAccessible::Window);
    EXPECT_EQ(AccessibleDescription(w().BetBar), QStringLiteral("the amount bet"));
    EXPECT_EQ(AccessibleDescription(w().ScoreBar), QStringLiteral("the cash"));
    // The Deck menu's items show a number beside a picture; they are card backs when heard.
    QAccessibleInterface* deckMenu = QAccessible::queryAccessibleInterface(w().Mazzo2);
    ASSERT_NE(deckMenu, nullptr);
    QStringList backs;
    for (int i = 0; i < deckMenu->childCount(); ++i)
        backs << deckMenu->child(i)->text(QAccessible::Name);
    EXPECT_EQ(backs, QStringList({"Card back 1", "Card back 2", "Card back 3", "Card back 4",
                                  "Card back 5", "Card back 6"}));
    EXPECT_TRUE(deckMenu->child(0)->state().checked);
    // The deck has the focus from the start; no focus mark until the keyboard moves it.
    EXPECT_EQ(QApplication::focusWidget(), w().Mazzo1);
    EXPECT_TRUE(AccessibleState(w().Mazzo1).focused);
    const QImage unmarked = Shot(w().Mazzo1);
    EXPECT_EQ(unmarked, Picture(53).convertToFormat(unmarked.format()));
}

TEST_F(KeyboardTable, TabAndTheArrowKeysWalkTheCardsAndTheDeck) {
    press(Qt::Key_Space);
    const QImage before = Shot(slot(1));
    press(Qt::Key_Right); // from the deck round to card 1
    EXPECT_EQ(QApplication::focusWidget(), slot(1));
    EXPECT_NE(Shot(slot(1)), before) << "the keyboard's move shows the focus mark";
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), slot(3));
    press(Qt::Key_Left);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), slot(1));
    press(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w().Mazzo1);
    // A click marks a card but leaves the focus where the keyboard put it.
    Click(slot(4));
    EXPECT_TRUE(AccessibleState(slot(4)).checked);
    EXPECT_EQ(QApplication::focusWidget(), w().Mazzo1);
}

// Qt tells screen readers of every name or description set, changed or not; a burst of such
// non-changes on every deal buries what did change.
// Records the changes the table reports to screen readers: name, description and state, by
// object, while it lives.
class ReportedChanges {
public:
    ReportedChanges() {
        current = this;
        QAccessible::setActive(true);
        previous_ = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const auto type = event->type();
            if (type != QAccessible::NameChanged && type != QAccessible::DescriptionChanged &&
                type != QAccessible::StateChanged)
                return;
            if (auto* widget = qobject_cast<QWidget*>(event->object())) {
                const QString now = AccessibleName(widget) + u'|' + AccessibleDescription(widget);
                current->events << widget->objectName() + u':' + QString::number(type);
                // A name or description reported as changed must have changed.
                if (type != QAccessible::StateChanged && current->seen.value(widget) == now)
                    current->repeats << widget->objectName();
                current->seen.insert(widget, now);
            }
        });
    }
    ~ReportedChanges() {
        QAccessible::installUpdateHandler(previous_);
        current = nullptr;
    }
    void startFrom(const QWidget& window) {
        for (QWidget* widget : window.findChildren<QWidget*>())
            seen.insert(widget, AccessibleName(widget) + u'|' + AccessibleDescription(widget));
    }
    // Objects that reported the same kind of change more than once: a flicker.
    QStringList flickers() const {
        QStringList twice;
        for (const QString& event : events) {
            if (events.count(event) > 1 && !twice.contains(event))
                twice << event;
        }
        return twice;
    }

    QStringList events;
    QStringList repeats;
    QHash<QObject*, QString> seen;

private:
    static inline ReportedChanges* current = nullptr;
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(KeyboardTable, ADealAndADrawReportOnlyRealChanges) {
    ReportedChanges changes;
    changes.startFrom(*table);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Space}) {
        changes.events.clear();
        press(key);
        EXPECT_TRUE(changes.flickers().isEmpty())
            << "one step, one change each: " << changes.flickers().join(u' ').toStdString();
    }
    EXPECT_TRUE(changes.repeats.isEmpty()) << changes.repeats.join(u' ').toStdString();

    // A pay line that stays lit, as when a dealt pair is kept, changes nothing.
    table->LightScore(2);
    changes.events.clear();
    table->LightScore(2);
    EXPECT_TRUE(changes.events.isEmpty()) << changes.events.join(u' ').toStdString();
}

} // namespace
