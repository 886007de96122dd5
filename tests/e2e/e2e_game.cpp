// Plays one round of the real game in a real X11 window, as a player would: start it, click
// the deck, mark a card, click the deck, look at the screen, quit with Ctrl+Q and Enter.
// With --trainer it starts the trainer, asks for a hint with H before marking, and reads the
// strip below the table: the hint, the verdict of the draw and the tally; then it kills the game
// between two hands, finds every judged hand in the trainer's log, starts the game again and
// plays one more, a mistake on purpose, which the Review window then lists (read through the
// clipboard). With --game NAME the trainer plays that game of the analyser (one of nine pay
// lines). With --openbox the round is played under a window manager.
// Usage: e2e_game PATH_TO_VANDOLIN [SCREENSHOT.png] [--openbox] [--trainer [--game NAME]]
// Exits 0 on success, 1 on a failed check, 77 (skipped) when the X tools are missing.
#include "e2e_check.h"
#include "tests/support/application_title.h"
#include "x_session.h"

#include "odds/game_hold_analysis.h"
#include "ui/pictures/picture_lookup.h"
#include "ui/trainer/coach.h"
#include "ui/trainer/game_at_table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr QSize kOuter(442, 353);
constexpr QPoint kClientOrigin(4, 42); // frame 4, caption 19, menu bar 19
constexpr QPoint kDeck(12, 160);
constexpr int kSlotLeft[5] = {12, 96, 180, 264, 348};
constexpr int kSlotTop = 12;
constexpr QSize kCard(72, 97);
constexpr int kBack1 = 53;
constexpr QPoint kMode(28, 132);
constexpr QPoint kBetBar(284, 278 + 4); // inside the bottom panel
constexpr QRgb kMaroon = 0x800000;
constexpr QRgb kLime = 0x00FF00;
constexpr QRgb kYellow = 0xFFFF00;
// The strip's inks: a right hold's verdict pale green, a mistake's and the tally white.
constexpr QRgb kRightInk = 0xE0FFE0;
constexpr QRgb kWhite = 0xFFFFFF;
// The trainer's strip below the bottom panel: advice, verdict, chart and tally lines.
constexpr int kStripHeight = 73;
constexpr QRect kAdviceLine(12, 307 + 4, 362, 16);
constexpr QRect kVerdictLine(12, 307 + 21, 410, 16);
constexpr QRect kTallyLine(12, 307 + 55, 410, 16);
// How long a step may take to show on the screen; generous for a busy CI machine, and only
// spent when something is wrong.
constexpr int kPatienceMs = 10000;
// Longer than the desktop's double-click time (400 ms unless set otherwise).
constexpr int kDoubleClickMs = 450;

using e2e::check;

QImage picture(int number) {
    return ui::PictureByNumber(number).convertToFormat(QImage::Format_RGB32);
}

// Whether the screenshot shows the picture with its top-left corner there, pixel for pixel.
// Pixels only: import tags its screenshots as sRGB and the pictures carry no colour space, so
// comparing the images as a whole would never find them equal.
bool showsPicture(const QImage& screen, QPoint topLeft, const QImage& wanted) {
    if (wanted.isNull() || !screen.rect().contains(QRect(topLeft, wanted.size())))
        return false;
    for (int y = 0; y < wanted.height(); ++y) {
        const auto* shown = reinterpret_cast<const QRgb*>(screen.constScanLine(topLeft.y() + y));
        const auto* expected = reinterpret_cast<const QRgb*>(wanted.constScanLine(y));
        for (int x = 0; x < wanted.width(); ++x) {
            if ((shown[topLeft.x() + x] & 0xFFFFFF) != (expected[x] & 0xFFFFFF))
                return false;
        }
    }
    return true;
}

// The picture number shown at a card position of the screenshot, or 0 if none matches.
int pictureAt(const QImage& screen, QPoint topLeft) {
    static const std::array<QImage, 64> pictures = [] {
        std::array<QImage, 64> all;
        for (int n = 1; n <= 63; ++n)
            all[static_cast<std::size_t>(n)] = picture(n);
        return all;
    }();
    for (int n = 1; n <= 63; ++n) {
        if (showsPicture(screen, topLeft, pictures[static_cast<std::size_t>(n)]))
            return n;
    }
    return 0;
}

// Counts pixels of exactly this colour in a rectangle of the screenshot.
int countColour(const QImage& screen, const QRect& area, QRgb colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (screen.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

// The first column of every row a query of the trainer's log gives; none when the log cannot
// be read.
std::vector<QString> readLog(const QString& file, const QString& sql) {
    const QString connection = QStringLiteral("log");
    std::vector<QString> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec(sql))
            while (query.next())
                rows.push_back(query.value(0).toString());
    }
    QSqlDatabase::removeDatabase(connection);
    return rows;
}

long residentKilobytes(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: e2e_game PATH_TO_VANDOLIN [SCREENSHOT.png] [--trainer]\n");
        return 2;
    }
    const QString game = QString::fromLocal8Bit(argv[1]);
    const QString screenshotFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto hasOption = [&](const char* option) {
        for (int i = 3; i < argc; ++i)
            if (QByteArray(argv[i]) == option)
                return true;
        return false;
    };
    const bool underWm = hasOption("--openbox");
    const bool trainer = hasOption("--trainer");
    QStringList arguments;
    if (trainer)
        arguments << QStringLiteral("--trainer");
    std::string gameName = "game";
    for (int i = 3; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--game") {
            gameName = argv[i + 1];
            arguments << QStringLiteral("--game") << QString::fromStdString(gameName);
        }
    }
    const odds::Game* played = odds::findGame(gameName);
    if (!played) {
        std::fprintf(stderr, "e2e_game: no game is called '%s'\n", gameName.c_str());
        return 2;
    }
    const QSize outer = kOuter + QSize(0, trainer ? kStripHeight : 0);

    e2e::XSession x;
    if (!x.Prepare(underWm))
        return e2e::kSkipped;

    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    // The trainer's log goes to a data folder of this run's own.
    QTemporaryDir data;
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    player.setProcessEnvironment(env);
    e2e::XSession::EndWithParent(player);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer sinceStart;
    sinceStart.start();
    player.start(game, arguments);
    if (!player.waitForStarted(5000)) {
        std::printf("FAIL cannot start %s\n", qPrintable(game));
        return 1;
    }

    // The task bar's name of the window is the application title.
    auto window = x.WaitForWindow(test_support::ApplicationTitle(), 15000);
    check(window.has_value(), "a window named after the application title appears");
    if (!window) {
        player.kill();
        player.waitForFinished();
        return 1;
    }
    QRect frame = x.Geometry(*window).value_or(QRect());
    check(frame.size() == outer,
          trainer ? "the window is 442 x 426: the table and the strip" : "the window is 442 x 353");
    check(frame.topLeft() == QPoint((1024 - outer.width()) / 2, (768 - outer.height()) / 2),
          "centred on the screen");
    QPoint client = frame.topLeft() + kClientOrigin;

    // First painted window: the empty slot picture in slot 1 is on the screen.
    QImage screen;
    while (sinceStart.elapsed() < 15000) {
        screen = x.Screenshot();
        if (!screen.isNull() && pictureAt(screen, client + QPoint(kSlotLeft[0], kSlotTop)) == 63)
            break;
        QThread::msleep(20);
    }
    const qint64 startupMs = sinceStart.elapsed();
    check(pictureAt(screen, client + QPoint(kSlotLeft[0], kSlotTop)) == 63,
          "the table is painted with empty slots");
    check(pictureAt(screen, client + kDeck) == kBack1, "the deck shows back 1");

    // Shown, the window is active without a click: its first activation fills the money
    // panels, so the bet panel shows maroon text.
    const auto screenShows = [&](auto done) {
        QElapsedTimer waited;
        waited.start();
        do {
            screen = x.Screenshot();
            if (!screen.isNull() && done(screen))
                return true;
        } while (waited.elapsed() < kPatienceMs);
        return false;
    };
    const QRect betBar(client + kBetBar, QSize(37, 21));
    check(screenShows([&](const QImage& shot) { return countColour(shot, betBar, kMaroon) > 5; }),
          "the window starts active and the bet panel shows the bet");

    QPoint deckCentre = client + kDeck + QPoint(kCard.width() / 2, kCard.height() / 2);
    const QPoint slot1Centre =
        client + QPoint(kSlotLeft[0], kSlotTop) + QPoint(kCard.width() / 2, kCard.height() / 2);

    const auto readHand = [&](const QImage& shot) {
        std::array<int, 5> shown{};
        for (int i = 0; i < 5; ++i)
            shown[i] = pictureAt(shot, client + QPoint(kSlotLeft[i], kSlotTop));
        return shown;
    };
    const auto waitForHand = [&](auto done) {
        QElapsedTimer waited;
        waited.start();
        std::array<int, 5> hand{};
        do {
            screen = x.Screenshot();
            hand = readHand(screen);
        } while (!done(hand) && waited.elapsed() < kPatienceMs);
        return hand;
    };
    const auto isFace = [](int n) { return n >= 1 && n <= 52; };

    QElapsedTimer sinceDeal;
    sinceDeal.start();
    x.ClickAt(deckCentre);
    const std::array<int, 5> dealt = waitForHand(
        [&](const std::array<int, 5>& h) { return std::all_of(h.begin(), h.end(), isFace); });
    check(std::all_of(dealt.begin(), dealt.end(), isFace), "the deal shows five card faces");
    const qint64 firstDealMs = sinceDeal.elapsed();

    // The strip's lines as they are on the screen now.
    const auto lineShot = [&](const QRect& line) {
        return screen.copy(QRect(client + line.topLeft(), line.size()));
    };
    // A line has changed once it differs from before and shows text in one of the strip's
    // inks.
    const auto lineChanges = [&](const QRect& line, const QImage& before) {
        const QRect area(client + line.topLeft(), line.size());
        return screenShows([&](const QImage& shot) {
            int ink = 0;
            for (QRgb colour : {kYellow, kRightInk, kWhite})
                ink += countColour(shot, area, colour);
            return ink > 20 && shot.copy(area) != before;
        });
    };
    const auto saveBeside = [&](const QString& suffix) {
        if (!screenshotFile.isEmpty())
            screen.save(QString(screenshotFile).replace(QStringLiteral(".png"), suffix));
    };
    if (trainer) {
        const QImage beforeHint = lineShot(kAdviceLine);
        x.Run(QStringLiteral("xdotool"),
              {QStringLiteral("windowfocus"), QStringLiteral("--sync"), *window});
        x.Keys(QStringLiteral("h"));
        check(lineChanges(kAdviceLine, beforeHint), "H shows the best hold in the strip");
        saveBeside(QStringLiteral("-hint.png"));
    }
    const QImage verdictBefore = lineShot(kVerdictLine);
    const QImage tallyBefore = lineShot(kTallyLine);

    x.ClickAt(slot1Centre);
    const auto marked = waitForHand([](const std::array<int, 5>& h) { return h[0] == kBack1; });
    check(marked[0] == kBack1, "a clicked card turns to the back");

    x.ClickAt(deckCentre);
    const std::array<int, 5> drawn =
        waitForHand([&](const std::array<int, 5>& h) { return isFace(h[0]); });
    check(isFace(drawn[0]) && drawn[0] != dealt[0], "slot 1 shows a new card face after the draw");
    check(drawn[1] == dealt[1] && drawn[2] == dealt[2] && drawn[3] == dealt[3] &&
              drawn[4] == dealt[4],
          "the unmarked cards stay");

    // A deal not read from the screen has failed above; it is no hand to value.
    const odds::Hand dealtHand{dealt[0], dealt[1], dealt[2], dealt[3], dealt[4]};
    if (trainer && odds::isValidHand(dealtHand)) {
        // Slots 2..5 were kept: right when no hold of the dealt hand is worth more (pale
        // green), a mistake otherwise (white), exactly as the analyser values them.
        const auto analysis = odds::analyseGameHand(dealtHand, *played);
        const auto kept =
            std::find_if(analysis.holds.begin(), analysis.holds.end(),
                         [](const odds::GameHoldOutcome& h) { return h.mask == 0b11110; });
        const bool right = kept->grossValue() == analysis.best().grossValue();
        const QRect verdict(client + kVerdictLine.topLeft(), kVerdictLine.size());
        check(screenShows([&](const QImage& shot) {
                  return countColour(shot, verdict, right ? kRightInk : kWhite) > 20;
              }),
              right ? "the strip calls the kept cards right"
                    : "the strip calls the kept cards a mistake");
        check(lineShot(kVerdictLine) != verdictBefore, "the verdict replaces the empty line");
        check(lineChanges(kTallyLine, tallyBefore), "the tally counts the hand");
        saveBeside(QStringLiteral("-draw.png"));
    }

    // The lit pay line is the one for the hand on the screen, under the game played.
    const int result =
        trainer::ScoreUnder(*played, {0, drawn[0], drawn[1], drawn[2], drawn[3], drawn[4]}).result;
    const int wantedLine = result >= 2 ? result - 2 : -1;
    int lit = -1;
    int litCount = 0;
    const auto readPayLines = [&](const QImage& shot) {
        lit = -1;
        litCount = 0;
        for (int line = 0; line < 9; ++line) {
            const QRect area(client.x() + 240, client.y() + 116 + 16 * line, 417 - 240, 16);
            if (countColour(shot, area, kYellow) > 10) {
                lit = line;
                ++litCount;
            }
        }
        return litCount <= 1 && lit == wantedLine;
    };
    screenShows(readPayLines);
    std::printf("     hand %d %d %d %d %d, result %d, lit line %d\n", drawn[0], drawn[1], drawn[2],
                drawn[3], drawn[4], result, lit);
    check(litCount <= 1 && lit == wantedLine, "the matching pay line is lit");

    // The caption: a dark bar with light text where the title bar is.
    const QRect caption(frame.x() + 25, frame.y() + 5, 330, 16);
    int light = 0;
    int dark = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y) {
        for (int xx = caption.left(); xx <= caption.right(); ++xx) {
            const int grey = qGray(screen.pixel(xx, y));
            light += grey > 200;
            dark += grey < 90;
        }
    }
    check(light > 40 && dark > caption.width() * caption.height() / 2,
          "the title bar shows light text on a dark caption");
    if (!screenshotFile.isEmpty())
        screen.save(screenshotFile);

    // Nine more rounds, each seen through the round-state label: lime DRAW after the deal,
    // yellow DEAL after the draw. Then the resident memory.
    QRect modeArea(client + kMode, QSize(60, 16));
    const auto modeShows = [&](QRgb colour) {
        return screenShows(
            [&](const QImage& shot) { return countColour(shot, modeArea, colour) > 10; });
    };
    int rounds = 0;
    // Two clicks on the deck closer together than the double-click time are one double-click,
    // which deals or draws once; a player's separate clicks come further apart.
    const auto separateClickOnDeck = [&] {
        QThread::msleep(kDoubleClickMs);
        x.ClickAt(deckCentre);
    };
    for (int round = 0; round < 9; ++round) {
        separateClickOnDeck();
        if (!modeShows(kLime))
            break;
        separateClickOnDeck();
        if (!modeShows(kYellow))
            break;
        ++rounds;
    }
    check(rounds == 9, "nine more rounds deal and draw");
    const long rssKb = residentKilobytes(player.processId());

    if (trainer) {
        // Killed between two hands, the game has already logged every hand it judged.
        player.kill();
        player.waitForFinished();
        const QString logFile = data.path() + QStringLiteral("/vandolin/trainer.sqlite");
        const std::vector<QString> logged =
            readLog(logFile, QStringLiteral("SELECT deal || '|' || held FROM hands ORDER BY id"));
        std::printf("     hands in the log after the kill: %zu\n", logged.size());
        check(static_cast<int>(logged.size()) == 1 + rounds,
              "the killed game's log holds every judged hand");
        const QStringList firstDeal = logged.empty() ? QStringList() : logged[0].split(u'|');
        check(firstDeal.size() == 2 && firstDeal[1] == QStringLiteral("30") &&
                  firstDeal[0].split(u' ').size() == 5,
              "the first hand is logged with slots 2 to 5 kept");

        // Started again, the game adds to the same log.
        player.start(game, arguments);
        window = player.waitForStarted(5000)
                     ? x.WaitForWindow(test_support::ApplicationTitle(), 15000)
                     : std::nullopt;
        check(window.has_value(), "the game starts again after the kill");
        if (!window) {
            player.kill();
            player.waitForFinished();
            return 1;
        }
        frame = x.Geometry(*window).value_or(QRect());
        client = frame.topLeft() + kClientOrigin;
        deckCentre = client + kDeck + QPoint(kCard.width() / 2, kCard.height() / 2);
        modeArea.moveTopLeft(client + kMode);
        screenShows([&](const QImage& shot) {
            return pictureAt(shot, client + QPoint(kSlotLeft[0], kSlotTop)) == 63;
        });
        // The hand is played wrong on purpose: the hold the analyser values least.
        separateClickOnDeck();
        const std::array<int, 5> again = waitForHand(
            [&](const std::array<int, 5>& h) { return std::all_of(h.begin(), h.end(), isFace); });
        const bool dealtAgain = modeShows(kLime) && std::all_of(again.begin(), again.end(), isFace);
        check(dealtAgain, "a hand is dealt after the restart");
        const odds::Hand againHand{again[0], again[1], again[2], again[3], again[4]};
        const auto analysis = dealtAgain && odds::isValidHand(againHand)
                                  ? odds::analyseGameHand(againHand, *played)
                                  : odds::GameHandAnalysis();
        const unsigned worst = analysis.holds.back().mask;
        for (int i = 0; i < 5; ++i) {
            if (!(worst & (1u << i))) {
                QThread::msleep(kDoubleClickMs);
                x.ClickAt(client + QPoint(kSlotLeft[i], kSlotTop) +
                          QPoint(kCard.width() / 2, kCard.height() / 2));
            }
        }
        const QImage verdictBeforeMistake = lineShot(kVerdictLine);
        separateClickOnDeck();
        check(modeShows(kYellow), "the hand is drawn");
        // Judged as soon as the game's odds are ready, and logged with its verdict.
        check(lineChanges(kVerdictLine, verdictBeforeMistake), "the strip judges the hand");

        // Review lists it: Ctrl+R opens the window with the keyboard on its mistakes; every
        // one is selected and copied.
        x.Run(QStringLiteral("xdotool"),
              {QStringLiteral("windowfocus"), QStringLiteral("--sync"), *window});
        x.Keys(QStringLiteral("ctrl+r"));
        const auto review = x.WaitForWindow(QStringLiteral("Review"), kPatienceMs);
        check(review.has_value(), "Ctrl+R opens the Review window");
        QStringList listed;
        if (review) {
            x.Run(QStringLiteral("xdotool"),
                  {QStringLiteral("windowfocus"), QStringLiteral("--sync"), *review});
            x.Keys(QStringLiteral("ctrl+a"));
            x.Keys(QStringLiteral("ctrl+c"));
            QElapsedTimer waited;
            waited.start();
            do {
                const auto copied = x.Run(QStringLiteral("xclip"),
                                          {QStringLiteral("-o"), QStringLiteral("-selection"),
                                           QStringLiteral("clipboard")});
                listed = copied ? QString::fromUtf8(*copied).split(u'\n', Qt::SkipEmptyParts)
                                : QStringList();
            } while (listed.isEmpty() && waited.elapsed() < kPatienceMs);
        }
        const auto words = [&](unsigned mask) {
            return QString::fromStdString(trainer::Coach::HoldText(againHand, mask));
        };
        const QString expected = words(odds::kAllHeld) + u'\t' + words(worst) + u'\t' +
                                 words(analysis.best().mask) + u'\t';
        check(std::any_of(listed.begin(), listed.end(),
                          [&](const QString& row) { return row.startsWith(expected); }),
              "the Review lists the mistake: its cards, the hold kept and the best hold");
        std::printf("     mistakes the Review lists: %lld\n",
                    static_cast<long long>(listed.size()));

        // As many as the log holds for the game, each once.
        const std::vector<QString> mistakes =
            readLog(logFile,
                    QStringLiteral("SELECT count(*) FROM hands WHERE game = '%1' AND cost_bets > 0")
                        .arg(QString::fromStdString(gameName)));
        check(mistakes.size() == 1 && mistakes[0].toInt() == listed.size(),
              "the Review lists every mistake the log holds for the game");
    }

    // Ctrl+Q, then Enter on the farewell box.
    x.Run(QStringLiteral("xdotool"),
          {QStringLiteral("windowfocus"), QStringLiteral("--sync"), *window});
    x.Keys(QStringLiteral("ctrl+q"));
    const auto farewell = x.WaitForWindow(QStringLiteral("Information"), kPatienceMs);
    check(farewell.has_value(), "Ctrl+Q shows the farewell box");
    if (farewell)
        x.Run(QStringLiteral("xdotool"),
              {QStringLiteral("windowfocus"), QStringLiteral("--sync"), *farewell});
    x.Keys(QStringLiteral("Return"));
    const bool ended = player.waitForFinished(10000);
    check(ended && player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0,
          "Enter ends the game with exit code 0");
    if (!ended) {
        player.kill();
        player.waitForFinished();
    }
    if (trainer) {
        const std::vector<QString> hands =
            readLog(data.path() + QStringLiteral("/vandolin/trainer.sqlite"),
                    QStringLiteral("SELECT count(*) FROM hands"));
        check(hands.size() == 1 && hands[0].toInt() == rounds + 2,
              "the log holds the hands of both runs");
    }

    std::printf("     start-up to first painted table: %lld ms\n",
                static_cast<long long>(startupMs));
    std::printf("     first deal, click to five faces on the screen: %lld ms\n",
                static_cast<long long>(firstDealMs));
    std::printf("     resident memory after ten rounds: %ld kB\n", rssKb);
    return e2e::ExitCode();
}
