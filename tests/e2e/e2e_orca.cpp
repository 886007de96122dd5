// A blind player's game, checked by what the screen reader Orca says. Orca is started first, as
// on a desktop with the screen reader on, on the test's X server and session bus, its speech
// going to its debug log. The game is then played with the keyboard only: a round with a
// card marked, unmarked and marked again, the draw, the bet prompt with an entry that is no
// number, the guide's pages, and in the trainer a hint and the verdict of the draw.
// Usage: e2e_orca PATH_TO_VANDOLIN [SPEECH_LOG]   (SPEECH_LOG: where to keep Orca's log)
// Exits 0 on success, 1 on a failed check, 77 (skipped) when Orca or the X tools are missing.
#include "e2e_check.h"
#include "orca_speech.h"
#include "tests/support/application_title.h"
#include "x_session.h"

#include "engine/hand_evaluator.h"
#include "engine/hand_result.h"
#include "engine/spoken_names.h"
#include "odds/hold_analysis.h"
#include "odds/pay_table.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QString EscapedTitle() {
    return QRegularExpression::escape(test_support::ApplicationTitle());
}

// What Orca says when the table's window has the focus again.
QString TableFrame() {
    return QStringLiteral("^%1 frame\\.$").arg(EscapedTitle());
}

using e2e::check;

constexpr int kPatienceMs = 15000;
const QString kCard = QStringLiteral("(?:ace|two|three|four|five|six|seven|eight|nine|ten|jack|"
                                     "queen|king) of (?:clubs|diamonds|hearts|spades)");

struct Game {
    Game(e2e::XSession& session, e2e::OrcaSpeech& reader) : x(session), orca(reader) {}

    e2e::XSession& x;
    e2e::OrcaSpeech& orca;
    QProcess player;

    // Waits until Orca says something matching; on failure shows what it said instead.
    std::optional<QRegularExpressionMatch> hear(const QString& pattern, const char* what) {
        const auto heard = orca.WaitFor(QRegularExpression(pattern), kPatienceMs);
        check(heard.has_value(), what);
        if (!heard) {
            std::printf("     wanted /%s/; Orca said since:\n", qPrintable(pattern));
            for (const QString& line : orca.Unheard())
                std::printf("       '%s'\n", qPrintable(line));
        }
        return heard;
    }
    void keys(const char* keys) { x.Keys(QString::fromLatin1(keys)); }
    // How often Orca has said exactly this, from the start.
    qsizetype timesSaid(const QString& utterance) { return orca.Spoken().count(utterance); }

    bool start(const QString& program, const QStringList& args) {
        if (!x.Launch(player, program, args)) {
            std::printf("FAIL cannot start %s\n", qPrintable(program));
            return false;
        }
        // A frame with the game's title, then where the focus is.
        return hear(TableFrame(), "Orca names the window frame") &&
               hear(QStringLiteral("^deal push button\\.$"), "the deck has the focus");
    }
    void quit() {
        keys("ctrl+q");
        hear(QStringLiteral("^Information dialog Thank You for playing Vandolin\\. Bye\\.\\.\\.$"),
             "Ctrl+Q: the farewell box is read");
        keys("Return");
        check(player.waitForFinished(kPatienceMs) && player.exitCode() == 0, "Enter ends the game");
        if (player.state() != QProcess::NotRunning) {
            player.kill();
            player.waitForFinished();
        }
    }
};

engine::CardCode cardCode(const QString& name) {
    static const QHash<QString, engine::CardCode> codes = [] {
        QHash<QString, engine::CardCode> all;
        for (engine::CardCode code = 1; code <= engine::kDeckSize; ++code)
            all.insert(QString::fromStdString(engine::CardName(code)), code);
        return all;
    }();
    return codes.value(name, 0);
}

// Deal, mark card 1, unmark it, mark it again, step to card 2, draw: each step as heard.
void roundByKeyboard(Game& g) {
    g.keys("space");
    const auto dealt =
        g.hear(QStringLiteral("^notification ((?:%1, ){4}%1)\\. (No pay line lit|Lit: "
                              "[a-z ]+)\\.$")
                   .arg(kCard),
               "the deal: the five cards in slot order and the lit pay line");
    if (!dealt)
        return;
    const QStringList cards = dealt->captured(1).split(QStringLiteral(", "));
    std::array<engine::CardCode, engine::kHandSize> hand{};
    for (int i = 0; i < engine::kHandSize; ++i)
        hand[static_cast<std::size_t>(i)] = cardCode(cards[i]);
    const int dealtResult = engine::EvaluateCards(hand);
    check((dealtResult >= engine::JacksOrBetter) == dealt->captured(2).startsWith(u'L'),
          "a pay line is said lit exactly when the dealt hand pays");

    g.keys("1");
    g.hear(QStringLiteral("^%1 check box checked\\.$").arg(QRegularExpression::escape(cards[0])),
           "1: card 1 is focused by its name, checked (marked to change)");
    g.keys("1");
    g.hear(QStringLiteral("^not checked$"), "1 again: card 1 is no longer marked");
    g.keys("1");
    g.hear(QStringLiteral("^checked$"), "1 once more: marked again");
    g.keys("Right");
    g.hear(
        QStringLiteral("^%1 check box not checked\\.$").arg(QRegularExpression::escape(cards[1])),
        "Right: card 2, unmarked, by its name");

    g.keys("Return");
    const auto drawn =
        g.hear(QStringLiteral(
                   "^notification New cards: (%1)\\. ([A-Za-z ]+): (you win|you lose) \\$(\\d+), "
                   "cash \\$(\\d+)\\.$")
                   .arg(kCard),
               "the draw: the new card, the result, the win or loss and the cash");
    if (!drawn)
        return;
    hand[0] = cardCode(drawn->captured(1));
    check(hand[0] != 0 && !cards.contains(drawn->captured(1)), "the new card is another card");
    const bool pays = engine::EvaluateCards(hand) >= engine::JacksOrBetter;
    check(pays == (drawn->captured(3) == QLatin1String("you win")) &&
              pays == (drawn->captured(2) != QLatin1String("Nothing")),
          "win, loss and result agree with the hand that was said");
    const int amount = drawn->captured(4).toInt();
    const int cash = drawn->captured(5).toInt();
    check(cash == (pays ? 100 + amount : 100 - amount), "the cash moved by what was won or lost");

    check(g.timesSaid(dealt->captured(0)) == 1 && g.timesSaid(drawn->captured(0)) == 1,
          "the deal and the draw are each said once");
}

// The bet prompt from the Game menu; an entry that is no number; the box that says so.
void betPromptWithABadEntry(Game& g) {
    // The table's own menu, from the Menu key: B is its Bet item. (The menu bar's Alt keys
    // are not used here: Qt hands every key to the screen reader and acts on it only after
    // the answer or a timeout, and on a loaded machine Alt now and then loses the menu bar.)
    g.keys("Menu");
    g.keys("b");
    g.hear(QStringLiteral("^Change your bet dialog\\.$"), "Menu, B: the bet prompt opens");
    g.hear(QStringLiteral("^max value = 10:\\s+text\\.$"), "its field is named by its prompt");
    g.keys("x");
    g.keys("Return");
    g.hear(QStringLiteral("^alert %1\\.$").arg(EscapedTitle()), "the bad entry opens an alert");
    g.hear(QStringLiteral("^'x' is not a valid integer value\\.$"), "the alert's message is read");
    g.hear(QStringLiteral("^OK push button\\.$"), "then its focused button");
    g.keys("Return");
    g.hear(TableFrame(), "Enter closes it; the table is back");
    g.hear(QStringLiteral(" check box not checked\\.$"), "with the focus on card 2, where it was");
}

// F1; Tab to the tabs, Right to the next page, whose text comes with its tab; Tab into it.
void guidePages(Game& g) {
    g.keys("F1");
    g.hear(QStringLiteral("^Vandolin Guide dialog"), "F1 opens the guide");
    g.keys("Tab");
    g.hear(QStringLiteral("page tab list\\.$"), "Tab reaches the pages' tabs");
    g.keys("Right");
    g.hear(QStringLiteral("^Game: 1\\. Click the deck to start the game\\. 2\\. Choose the cards "
                          "to change\\..* page tab\\.$"),
           "Right: the Game page's tab is read with the page's text");
    g.keys("Tab");
    g.hear(QStringLiteral("^read only text\\.$"), "Tab reaches the page's text");
    g.hear(QStringLiteral("^1\\.\\s+Click the deck to start the game\\.$"), "and reads its line");
    g.keys("Escape");
    g.hear(TableFrame(), "Escape closes the guide");
}

void trainerHintAndVerdict(Game& g) {
    g.keys("space");
    const auto dealt = g.hear(QStringLiteral("^notification ((?:%1, ){4}%1)\\. ").arg(kCard),
                              "trainer: the deal is read");
    g.keys("Tab");
    g.hear(QStringLiteral("^Hint push button\\.$"), "Tab reaches the Hint button");
    // The coach answers once its tables are ready; a hint asked before is not given.
    std::optional<QRegularExpressionMatch> advice;
    for (int attempt = 0; attempt < 4 && !advice; ++attempt) {
        g.keys("h");
        advice = g.orca.WaitFor(QRegularExpression(QStringLiteral("^notification (Best: .*)$")),
                                kPatienceMs / 3);
    }
    check(advice.has_value(), "H: the advice is read");
    if (advice) {
        const QString words = advice->captured(1);
        check(QRegularExpression(QStringLiteral("^Best: (keep|draw|change) "))
                  .match(words)
                  .hasMatch(),
              "the advice says what to keep");
        check(!words.contains(QRegularExpression(QStringLiteral("[\\x{2660}-\\x{2667}]"))),
              "cards in the advice are words, not suit symbols");
    }
    // All five kept: right exactly when no hold of the dealt hand is worth more.
    g.keys("Return");
    const auto verdict =
        g.hear(QStringLiteral("^notification No new cards\\. .*cash \\$\\d+\\. (Right: .+|Mistake: "
                              "Best: keep .+; cost [0-9.]+ bets?\\.?)( Rule \\d+: .+)?$"),
               "the draw is read with the verdict (and the cost of a mistake)");
    if (!dealt || !verdict)
        return;
    const QStringList cards = dealt->captured(1).split(QStringLiteral(", "));
    odds::Hand hand{};
    for (int i = 0; i < engine::kHandSize; ++i)
        hand[static_cast<std::size_t>(i)] = cardCode(cards[i]);
    const auto analysis = odds::analyseHand(hand, odds::PayTable::game());
    const auto kept = std::find_if(analysis.holds.begin(), analysis.holds.end(),
                                   [](const odds::HoldOutcome& h) { return h.mask == 0b11111; });
    const bool right =
        kept != analysis.holds.end() && kept->grossValue() == analysis.best().grossValue();
    check(right == verdict->captured(1).startsWith(QLatin1String("Right")),
          right ? "the verdict says right, as the analyser does"
                : "the verdict names the better hold, as the analyser does");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: e2e_orca PATH_TO_VANDOLIN\n");
        return 2;
    }
    e2e::XSession x;
    if (!x.Prepare(false, {QStringLiteral("orca"), QStringLiteral("dbus-daemon")}))
        return e2e::kSkipped;
    if (!x.StartSessionBus()) {
        std::printf("SKIP: %s\n", qPrintable(x.why()));
        return e2e::kSkipped;
    }
    // The trainer's memory and the game's settings stay out of the user's home.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", data.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", data.path().toLocal8Bit()); // private to this user already

    e2e::OrcaSpeech orca;
    if (!orca.Start(x))
        return e2e::kSkipped;
    std::printf("     Orca's log: %s\n", qPrintable(orca.logFile()));

    {
        Game table(x, orca);
        if (table.start(args[1], {})) {
            roundByKeyboard(table);
            betPromptWithABadEntry(table);
            guidePages(table);
        }
        table.quit();
    }
    {
        Game trainer(x, orca);
        if (trainer.start(args[1], {QStringLiteral("--trainer")}))
            trainerHintAndVerdict(trainer);
        trainer.quit();
    }
    if (args.size() > 2)
        orca.SaveLog(args[2]);
    if (e2e::FailedChecks() != 0 || qEnvironmentVariableIsSet("E2E_ORCA_TRANSCRIPT")) {
        std::printf("     Orca said:\n");
        for (const QString& line : orca.Spoken())
            std::printf("       '%s'\n", qPrintable(line));
    }
    return e2e::ExitCode();
}
