// A seeded random player for the whole game in a real X server, running whatever build it
// is given (the test build has the sanitizers): clicks and double-clicks anywhere on the
// table, its frame, its menus and its boxes, right-clicks, menu keys, F1, F2, Ctrl+Q, Esc,
// Enter, Alt+F4, Tab, digits and letters, and random text in any prompt that opens. When the
// game ends as a player can end it, it is started again.
//
// After every event, within a few seconds: the game runs with no sanitizer report; exactly
// one box (or the guide) is open, or the table has the keyboard; and with nothing over the
// table, both money panels start with "$" and the round label reads Start, DEAL or DRAW.
// The state is read from outside: window list, names and keyboard focus from the X server,
// and the panels' pixels.
//
// The input goes in through XTEST as fast as the server takes it, each event checked before
// the next; a game that is slow to react meets the following events in a burst, faster than
// any player types. --pause MS waits that long after each event, as a quick player would.
//
// Usage: e2e_monkey PATH_TO_VANDOLIN [--seed N] [--events N] [--screenshot FILE]
//                   [--game-log FILE] [--pause MS]
// The same seed makes the same choices; what they meet depends on the game's timing too, so a
// replay reaches a failure often but not always. --game-log keeps what the last game wrote to
// standard error (Qt's logging categories, say). Exits 0 when every check held, 1 on a
// failure (with the seed, the events that led to it and, with gdb installed, the stacks of a
// game still running), 77 (skipped) without the X tools.
#include "tests/support/application_title.h"
#include "x_input.h"
#include "x_probe.h"
#include "x_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>

namespace {

constexpr char kBetPrompt[] = "Change your bet";
constexpr QSize kOuter(442, 353);
constexpr QPoint kClientOrigin(4, 42);
constexpr QRect kModeArea(20, 128, 70, 22);  // client coordinates, around "Start", DEAL, DRAW
constexpr QRect kBetPanel(286, 284, 33, 17); // inside the bevels
constexpr QRect kCashPanel(366, 284, 61, 17);
constexpr QRgb kTableGreen = 0x008000;
constexpr QRgb kPanelGrey = 0xC0C0C0;
constexpr QRgb kRoundColours[] = {0xFF0000, 0xFFFF00, 0x00FF00}; // Start, DEAL, DRAW
// How long a state may take to settle after an event; only spent when something is wrong.
constexpr int kPatienceMs = 8000;
constexpr int kEndingMs = 30000;

// Which pixels of an area stand out from its background: the ink of the text there. The
// text is smoothed, so the faint edge pixels between two characters do not count.
struct Mask {
    int width = 0;
    std::vector<bool> ink;
    bool operator<(const Mask& o) const { return std::tie(width, ink) < std::tie(o.width, o.ink); }
    bool operator==(const Mask& o) const = default;
};

Mask InkOf(const QImage& image, QRgb background) {
    Mask mask{image.width(), {}};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(background)) +
                                 std::abs(qGreen(p) - qGreen(background)) +
                                 std::abs(qBlue(p) - qBlue(background));
            mask.ink.push_back(distance > 160);
        }
    return mask;
}

// Whether a left-to-right text starts with the glyph and goes on after it. The glyph is
// laid over the text's first inked column; a few smoothed pixels where the next character
// comes close may differ.
bool StartsWith(const Mask& text, int height, const Mask& glyph) {
    const auto inked = [&](const Mask& m, int x, int y) {
        return m.ink[static_cast<std::size_t>(y * m.width + x)];
    };
    int first = 0;
    while (first < text.width && [&] {
        for (int y = 0; y < height; ++y)
            if (inked(text, first, y))
                return false;
        return true;
    }())
        ++first;
    if (first + glyph.width >= text.width)
        return false;
    int differ = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            differ += inked(text, first + x, y) != inked(glyph, x, y);
    bool more = false;
    for (int y = 0; y < height; ++y)
        for (int x = first + glyph.width; x < text.width; ++x)
            more = more || inked(text, x, y);
    return differ <= 3 && more;
}

// The first glyph of a text whose characters stand apart: the inked columns up to the first
// blank one.
std::optional<Mask> FirstGlyph(const Mask& all, int height) {
    const auto columnInked = [&](int x) {
        for (int y = 0; y < height; ++y)
            if (all.ink[static_cast<std::size_t>(y * all.width + x)])
                return true;
        return false;
    };
    int first = 0;
    while (first < all.width && !columnInked(first))
        ++first;
    int end = first;
    while (end < all.width && columnInked(end))
        ++end;
    if (first == end || end == all.width)
        return std::nullopt;
    Mask glyph{end - first, {}};
    for (int y = 0; y < height; ++y)
        for (int x = first; x < end; ++x)
            glyph.ink.push_back(all.ink[static_cast<std::size_t>(y * all.width + x)]);
    return glyph;
}

class Monkey {
public:
    Monkey(e2e::XSession& x, QString game, std::uint64_t seed, const QString& gameLog, int pauseMs)
        : x_(x), game_(std::move(game)), seed_(seed), rng_(seed), pauseMs_(pauseMs) {
        if (!gameLog.isEmpty())
            errorFile_ = gameLog;
    }

    bool Start();
    bool Play(std::uint64_t events);
    void Report() const;
    void SaveScreenshot(const QString& file) { x_.Screenshot().save(file); }

private:
    struct State {
        std::vector<e2e::XProbe::Window> boxes;  // the game's other windows with a frame
        std::vector<e2e::XProbe::Window> popups; // menus and tool tips
        bool mainShown = false;
        std::uint32_t focus = 0;
    };

    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
    bool OneIn(std::size_t n) { return Pick(n) == 0; }

    State Read();
    // Empty when every check holds, else what is wrong.
    std::string Check(const State& s);
    // Says once what a window without a name is: its class and size.
    void NoteUnnamed(const e2e::XProbe::Window& window);
    bool Settle(std::string* problem);
    bool GameEnded(std::string* problem);
    void Event(const State& s);
    // Logs the event, sends it, and returns once the server has it. An event this keyboard
    // cannot send is the driver's fault and ends the run.
    void Do(const std::string& what, const std::function<bool()>& send);
    QPoint RandomPointIn(const QRect& r) {
        return r.topLeft() + QPoint(static_cast<int>(Pick(static_cast<std::size_t>(r.width()))),
                                    static_cast<int>(Pick(static_cast<std::size_t>(r.height()))));
    }
    bool Fail(const std::string& problem);

    e2e::XSession& x_;
    e2e::XProbe probe_;
    e2e::XInput input_;
    QString game_;
    std::uint64_t seed_;
    std::mt19937_64 rng_;
    int pauseMs_ = 0;
    // A sanitizer's report in what the game wrote to standard error; empty when none.
    std::string SanitizerReport() {
        QFile file(errorFile_);
        if (file.size() == errorsSeen_ || !file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray errors = file.readAll();
        errorsSeen_ = errors.size();
        return errors.contains("Sanitizer") || errors.contains("runtime error:")
                   ? errors.toStdString()
                   : std::string();
    }

    QProcess player_;
    QTemporaryDir scratch_;
    QString errorFile_ = scratch_.filePath(QStringLiteral("vandolin.stderr"));
    qint64 errorsSeen_ = 0;
    std::uint32_t main_ = 0;
    QRect frame_;
    std::optional<Mask> dollarBet_, dollarCash_;
    std::map<QRgb, std::set<Mask>> roundLabels_;
    std::deque<std::string> recent_;
    std::string unsendable_;
    std::uint64_t event_ = 0;
    int restarts_ = 0;
    std::map<std::string, int> boxesSeen_;
    std::set<std::string> unnamedSeen_;
    qint64 sendingMs_ = 0;
    qint64 settlingMs_ = 0;
};

bool Monkey::Start() {
    if (!probe_.Connect(x_.display()) || !input_.Connect(x_.display()))
        return Fail("cannot connect to " + x_.display().toStdString() + " with XTEST");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x_.display());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    player_.setProcessEnvironment(env);
    // The game's messages go to a file: without an event loop here, a pipe would not be read.
    player_.setStandardOutputFile(QProcess::nullDevice());
    player_.setStandardErrorFile(errorFile_);
    e2e::XSession::EndWithParent(player_);
    // The server takes down an ended game's windows a moment after the process has gone;
    // until then its table could be taken for the new one's.
    const auto tableShown = [this]() -> std::optional<e2e::XProbe::Window> {
        for (const auto& w : probe_.ShownWindows())
            if (!w.overrideRedirect && w.name == test_support::ApplicationTitle() &&
                w.rect.size() == kOuter)
                return w;
        return std::nullopt;
    };
    QElapsedTimer gone;
    gone.start();
    while (tableShown() && gone.elapsed() < 10000)
        QThread::msleep(10);
    player_.start(game_, {});
    if (!player_.waitForStarted(5000))
        return Fail("cannot start " + game_.toStdString());
    main_ = 0;
    QElapsedTimer waited;
    waited.start();
    while (!main_ && waited.elapsed() < 30000) {
        if (const auto table = tableShown())
            main_ = table->id, frame_ = table->rect;
        else
            QThread::msleep(50);
    }
    if (!main_)
        return Fail("no table window appeared");
    std::string problem;
    return Settle(&problem) || Fail("the new game never settled: " + problem);
}

Monkey::State Monkey::Read() {
    State s;
    for (const auto& w : probe_.ShownWindows()) {
        if (w.id == main_)
            s.mainShown = true;
        else if (w.overrideRedirect)
            s.popups.push_back(w);
        else if (w.rect.width() > 3) // not the toolkit's tiny helper windows
            s.boxes.push_back(w);
    }
    s.focus = probe_.Focus();
    return s;
}

std::string Monkey::Check(const State& s) {
    if (!s.mainShown)
        return "the table window is not shown";
    if (s.boxes.size() > 1) {
        std::string names;
        for (const auto& b : s.boxes)
            names += " \"" + b.name.toStdString() + "\"";
        return std::to_string(s.boxes.size()) + " boxes open at once:" + names;
    }
    // A menu of the window's own may hold the keyboard, by the focus or by a grab.
    bool popupFocus = false;
    for (const auto& p : s.popups)
        popupFocus = popupFocus || p.id == s.focus;
    const bool menuHasKeys =
        popupFocus || (!s.popups.empty() && s.focus != main_ && probe_.KeyboardGrabbed());
    if (s.boxes.size() == 1) {
        const auto& box = s.boxes.front();
        if (box.name.isEmpty())
            NoteUnnamed(box);
        // A box just opened is given the patience of every check to take the keyboard; one
        // that has not by then leaves the player's keys going elsewhere.
        if (s.focus != box.id && !menuHasKeys)
            return s.focus <= 1 ? "a box is open and the keyboard goes nowhere"
                                : "a box is open and the keyboard is not on it";
        return {};
    }
    // Nothing open: the table must have the keyboard.
    if (s.focus != main_ && !menuHasKeys)
        return s.focus <= 1 ? "no box is open and the keyboard goes nowhere"
                            : "no box is open and the keyboard is not on the table";
    if (!s.popups.empty())
        return {}; // a menu may cover the panels
    const QPoint client = frame_.topLeft() + kClientOrigin;
    const QImage round = probe_.Grab(kModeArea.translated(client));
    std::map<QRgb, int> colours;
    for (int y = 0; y < round.height(); ++y)
        for (int xx = 0; xx < round.width(); ++xx)
            if ((round.pixel(xx, y) & 0xFFFFFF) != kTableGreen)
                ++colours[round.pixel(xx, y) & 0xFFFFFF];
    QRgb main = 0;
    int most = 0;
    for (const auto& [c, n] : colours)
        if (n > most)
            main = c, most = n;
    if (std::find(std::begin(kRoundColours), std::end(kRoundColours), main) ==
        std::end(kRoundColours))
        return "the round label shows none of Start, DEAL, DRAW";
    // Each colour's word, plain or underlined: a third look for one colour is something else.
    // A look is learnt only once it holds still, and an unknown one is not kept, so a label
    // caught half redrawn passes once the drawing is done.
    const Mask look = InkOf(round, kTableGreen);
    if (!(InkOf(probe_.Grab(kModeArea.translated(client)), kTableGreen) == look))
        return "the round label is being redrawn";
    auto& looks = roundLabels_[main];
    if (!looks.contains(look)) {
        if (looks.size() == 2)
            return "the round label shows a third text in its colour";
        looks.insert(look);
    }

    for (auto [panel, dollar] : {std::pair{kBetPanel, &dollarBet_}, {kCashPanel, &dollarCash_}}) {
        const QImage shot = probe_.Grab(panel.translated(client));
        const Mask text = InkOf(shot, kPanelGrey);
        if (!*dollar) {
            // The first look, right after start-up, shows "$1" and "$100": learn the "$".
            *dollar = FirstGlyph(text, shot.height());
            if (!*dollar)
                return "a money panel shows no amount at start-up";
        } else if (!StartsWith(text, shot.height(), **dollar)) {
            return "a money panel does not show \"$\" and an amount";
        }
    }
    return {};
}

void Monkey::NoteUnnamed(const e2e::XProbe::Window& window) {
    const std::string what = probe_.Class(window.id).toStdString() + " " +
                             std::to_string(window.rect.width()) + "x" +
                             std::to_string(window.rect.height());
    if (unnamedSeen_.insert(what).second)
        std::printf("     an unnamed window: class %s\n", what.c_str());
}

bool Monkey::GameEnded(std::string* problem) {
    // Without an event loop here, only a wait notices that the game has ended.
    if (player_.state() != QProcess::NotRunning && !player_.waitForFinished(0))
        return false;
    problem->clear();
    if (player_.exitStatus() != QProcess::NormalExit || player_.exitCode() != 0)
        *problem = "the game ended with status " + std::to_string(player_.exitCode()) +
                   (player_.exitStatus() == QProcess::NormalExit ? "" : " (crashed)");
    return true;
}

bool Monkey::Settle(std::string* problem) {
    QElapsedTimer waited;
    waited.start();
    do {
        if (const std::string report = SanitizerReport(); !report.empty()) {
            *problem = "sanitizer report:\n" + report;
            return false;
        }
        if (GameEnded(problem))
            return problem->empty();
        const State s = Read();
        *problem = Check(s);
        if (problem->empty()) {
            if (s.boxes.size() == 1)
                ++boxesSeen_[s.boxes.front().name.toStdString()];
            return true;
        }
        QThread::msleep(20);
        // A table that has closed gives the game time to end: the leak check at exit is slow.
    } while (waited.elapsed() <
             (problem->starts_with("the table window") ? kEndingMs : kPatienceMs));
    if (problem->starts_with("the table window"))
        *problem = "the table window closed but the game did not end";
    return false;
}

void Monkey::Do(const std::string& what, const std::function<bool()>& send) {
    recent_.push_back(std::to_string(event_) + ": " + what);
    if (recent_.size() > 20)
        recent_.pop_front();
    if (!send())
        unsendable_ = what;
    input_.Sync();
    if (pauseMs_ > 0)
        QThread::msleep(static_cast<unsigned long>(pauseMs_));
}

void Monkey::Event(const State& s) {
    const auto click = [&](QPoint at, int button, int times, const char* where) {
        Do(std::string(times > 1     ? "double-click"
                       : button == 3 ? "right-click"
                                     : "click") +
               " on " + where + " at " + std::to_string(at.x()) + "," + std::to_string(at.y()),
           [&] {
               input_.MoveTo(at);
               input_.Click(button, times);
               return true;
           });
    };
    const QPoint client = frame_.topLeft() + kClientOrigin;
    const bool prompt = s.boxes.size() == 1 && s.boxes.front().name == QLatin1String(kBetPrompt);
    if (prompt && OneIn(3)) {
        static const char alphabet[] = "0123456789-+$ aAfFxz.,";
        std::string text(Pick(8), ' ');
        for (char& c : text)
            c = alphabet[Pick(sizeof alphabet - 1)];
        Do("type '" + text + "'", [&] { return input_.Type(text); });
        return;
    }
    const std::size_t kind = Pick(100);
    if (kind < 40) { // a click
        const int button = kind < 34 ? 1 : 3;
        const int times = kind < 28 ? 1 : button == 1 ? 2 : 1;
        const std::size_t place = Pick(10);
        if (!s.boxes.empty() && place < 5) {
            const QRect box = s.boxes.front().rect;
            // Half the time the bottom third, where the buttons are.
            const QRect area = OneIn(2) ? QRect(box.left(), box.top() + box.height() * 2 / 3,
                                                box.width(), box.height() / 3)
                                        : box;
            click(RandomPointIn(area), button, times, "the box");
        } else if (!s.popups.empty() && place < 8) {
            click(RandomPointIn(s.popups.back().rect), button, times, "the menu");
        } else if (place < 3) { // the deck and the cards
            const QPoint deck = client + QPoint(12 + 36, 160 + 48);
            const QPoint card = client + QPoint(12 + 84 * static_cast<int>(Pick(5)) + 36, 60);
            click(OneIn(2) ? deck : card, button, times, "the deck or a card");
        } else if (place < 5) { // the caption and the menu bar, buttons included
            click(RandomPointIn(QRect(frame_.left(), frame_.top(), frame_.width(), 42)), button,
                  times, "the caption or menu bar");
        } else if (place < 9) {
            click(RandomPointIn(frame_), button, times, "the window");
        } else {
            click(RandomPointIn(QRect(0, 0, 1024, 768)), button, times, "the screen");
        }
        return;
    }
    static const char* const keys[] = {
        "F1",    "F2", "Escape",    "Escape",    "Return", "Return", "Return", "Tab",   "Tab",
        "space", "Up", "Down",      "Down",      "Left",   "Right",  "alt+g",  "alt+d", "alt+h",
        "alt+g", "1",  "5",         "9",         "0",      "minus",  "a",      "n",     "q",
        "x",     "o",  "shift+Tab", "BackSpace", "ctrl+q", "alt+F4", "F10",
    };
    const std::string key = keys[Pick(std::size(keys))];
    // Ending the game costs a restart; keep it to now and then.
    if ((key == "ctrl+q" || key == "alt+F4") && !OneIn(8))
        return Event(s);
    Do("key " + key, [&] { return input_.Key(key); });
}

bool Monkey::Play(std::uint64_t events) {
    for (event_ = 0; event_ < events; ++event_) {
        const State s = Read();
        QElapsedTimer clock;
        clock.start();
        Event(s);
        sendingMs_ += clock.restart();
        if (!unsendable_.empty())
            return Fail("the keyboard has no key for: " + unsendable_);
        std::string problem;
        const bool settled = Settle(&problem);
        settlingMs_ += clock.elapsed();
        if (!settled)
            return Fail(problem);
        if ((event_ + 1) % 1000 == 0) {
            std::printf("     %llu events, %d restarts\n",
                        static_cast<unsigned long long>(event_ + 1), restarts_);
            std::fflush(stdout);
        }
        if (player_.state() == QProcess::NotRunning) {
            ++restarts_;
            recent_.push_back(std::to_string(event_) + ": the game ended; started again");
            if (!Start())
                return false;
        }
    }
    return true;
}

bool Monkey::Fail(const std::string& problem) {
    std::printf("FAIL after event %llu (seed %llu): %s\n", static_cast<unsigned long long>(event_),
                static_cast<unsigned long long>(seed_), problem.c_str());
    std::printf("     the events before it:\n");
    for (const std::string& e : recent_)
        std::printf("       %s\n", e.c_str());
    const State s = Read();
    std::printf("     focus %u, table %u shown %d\n", s.focus, main_, s.mainShown);
    for (const auto& b : s.boxes)
        std::printf("     box %u \"%s\"\n", b.id, qPrintable(b.name));
    for (const auto& p : s.popups)
        std::printf("     pop-up %u\n", p.id);
    if (const auto tree =
            x_.Run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")}))
        std::printf("     all windows:\n%s", tree->constData());
    if (player_.state() != QProcess::NotRunning) {
        const QString pid = QString::number(player_.processId());
        std::printf("     the game, process %s, is still running\n", qPrintable(pid));
        // Where it is stuck, when a debugger is at hand.
        if (const auto stacks =
                x_.Run(QStringLiteral("gdb"),
                       {QStringLiteral("-p"), pid, QStringLiteral("-batch"), QStringLiteral("-ex"),
                        QStringLiteral("thread apply all bt 60")},
                       60000))
            std::printf("     its threads:\n%s", stacks->constData());
    }

    std::fflush(stdout);
    return false;
}

void Monkey::Report() const {
    std::printf("     %llu events, %d restarts, seed %llu\n",
                static_cast<unsigned long long>(event_), restarts_,
                static_cast<unsigned long long>(seed_));
    for (const auto& [name, n] : boxesSeen_)
        std::printf("     seen open after an event: \"%s\" %d times\n", name.c_str(), n);
    std::printf("     %lld ms sending events, %lld ms waiting for the checks to hold\n",
                static_cast<long long>(sendingMs_), static_cast<long long>(settlingMs_));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: e2e_monkey PATH_TO_VANDOLIN [--seed N] [--events N] "
                             "[--screenshot FILE] [--game-log FILE] [--pause MS]\n");
        return 2;
    }
    std::uint64_t seed = std::random_device{}();
    std::uint64_t events = 2000;
    QString screenshot;
    QString gameLog;
    int pauseMs = 0;
    for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--seed"))
            seed = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--events"))
            events = args[i + 1].toULongLong();
        else if (args[i] == QLatin1String("--screenshot"))
            screenshot = args[i + 1];
        else if (args[i] == QLatin1String("--game-log"))
            gameLog = args[i + 1];
        else if (args[i] == QLatin1String("--pause"))
            pauseMs = args[i + 1].toInt();
    }
    std::printf("     seed %llu, %llu events (replay: e2e_monkey GAME --seed %llu --events %llu)\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events),
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(events));
    std::fflush(stdout);

    e2e::XSession x;
    if (!x.Prepare(false))
        return e2e::kSkipped;
    Monkey monkey(x, args[1], seed, gameLog, pauseMs);
    const bool ok = monkey.Start() && monkey.Play(events);
    if (!ok && !screenshot.isEmpty())
        monkey.SaveScreenshot(screenshot);
    monkey.Report();
    std::printf("%s the game survived every event with its checks holding\n", ok ? "ok  " : "FAIL");
    std::fflush(stdout);
    return ok ? 0 : 1;
}
