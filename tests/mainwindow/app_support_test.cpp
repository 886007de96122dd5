// The start-up helpers: the display check and the task bar title.
#include "tests/support/application_title.h"
#include "ui/app/command_line.h"
#include "ui/app/display_check.h"
#include "ui/app/task_bar_title.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

TEST(DisplayCheck, AnyWayToADisplayWillDo) {
    EXPECT_TRUE(ui::CheckDisplay("offscreen", nullptr, nullptr).available);
    EXPECT_TRUE(ui::CheckDisplay(nullptr, ":0", nullptr).available);
    EXPECT_TRUE(ui::CheckDisplay(nullptr, nullptr, "wayland-0").available);
    EXPECT_TRUE(ui::CheckDisplay("", "", "wayland-0").available);
    EXPECT_TRUE(ui::CheckDisplay("xcb", ":0", nullptr).available);
    EXPECT_TRUE(ui::CheckDisplay("wayland-egl", nullptr, "wayland-0").available);
    // A fallback list needs one plugin that can work.
    EXPECT_TRUE(ui::CheckDisplay("wayland;xcb", ":0", nullptr).available);
}

TEST(DisplayCheck, AnExplicitDesktopPluginNeedsItsServer) {
    // The toolkit would abort on these with a terse message of its own.
    EXPECT_FALSE(ui::CheckDisplay("xcb", nullptr, "wayland-0").available);
    EXPECT_FALSE(ui::CheckDisplay("xcb:nograb", "", nullptr).available);
    EXPECT_FALSE(ui::CheckDisplay("wayland", ":0", nullptr).available);
    EXPECT_FALSE(ui::CheckDisplay("wayland;xcb", nullptr, nullptr).available);
    EXPECT_FALSE(ui::CheckDisplay(";", nullptr, nullptr).available);
}

TEST(DisplayCheck, NoDisplaySaysHowToRunAnyway) {
    for (const auto& check :
         {ui::CheckDisplay(nullptr, nullptr, nullptr), ui::CheckDisplay("", "", "")}) {
        EXPECT_FALSE(check.available);
        EXPECT_NE(check.message.find("DISPLAY"), std::string::npos);
        EXPECT_NE(check.message.find("xvfb-run"), std::string::npos);
    }
}

// The real program, started where a display is named but cannot be reached: no server on
// the display number, no socket at the path, a Wayland socket that is not there, a platform
// plugin that does not exist. Each ends with the game's own message and status 1, not with
// the toolkit's abort and core dump.
TEST(DisplayStartGuard, AnUnreachableDisplayEndsWithTheGamesMessage) {
    const struct {
        const char* display;
        const char* wayland;
        const char* platform;
    } cases[] = {
        {":249", nullptr, nullptr},  {"unix:/nonexistent", nullptr, nullptr},
        {nullptr, "bogus", nullptr}, {":249", "bogus", nullptr},
        {":249", nullptr, "bogus"},  {":249", nullptr, "xcb"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const auto set = [&](const char* name, const char* value) {
            if (value)
                env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
            else
                env.remove(QString::fromLatin1(name));
        };
        set("DISPLAY", c.display);
        set("WAYLAND_DISPLAY", c.wayland);
        set("QT_QPA_PLATFORM", c.platform);
        const QString what = env.toStringList().filter(QStringLiteral("DISPLAY")).join(' ') +
                             QStringLiteral(" QT_QPA_PLATFORM=") + c.platform;
        QProcess game;
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(VANDOLIN_GAME), {});
        // Generous: a start-up under the sanitizers on a busy machine can take long.
        ASSERT_TRUE(game.waitForFinished(120000)) << qPrintable(what);
        const QString errors = QString::fromLocal8Bit(game.readAllStandardError());
        EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << qPrintable(what + "\n" + errors);
        EXPECT_EQ(game.exitCode(), 1) << qPrintable(what + "\n" + errors);
        EXPECT_TRUE(errors.contains(QStringLiteral("Vandolin could not open its window")))
            << qPrintable(what + "\n" + errors);
        EXPECT_FALSE(errors.contains(QStringLiteral("Reinstalling"))) << qPrintable(errors);
    }
}

TEST(TaskBarTitle, PlatformTitleDiffersFromTheDrawnCaption) {
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("Vandolin"));
    new ui::TaskBarTitle(*window, test_support::ApplicationTitle());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin"));
    EXPECT_EQ(window->windowHandle()->title(), test_support::ApplicationTitle());

    // A later caption change leaves the task bar's name alone.
    window->setWindowTitle(QStringLiteral("Vandolin - again"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->windowHandle()->title() == test_support::ApplicationTitle(); }));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin - again"));

    // Closing takes the platform window away; keeping the title must not make a new one,
    // which would leave a closed table on the screen and the game running.
    window->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->internalWinId(), 0u);
    delete window; // takes the title keeper with it
}

} // namespace

namespace {

using Action = ui::CommandLine::Action;

ui::CommandLine parse(std::initializer_list<const char*> arguments) {
    return ui::ParseCommandLine(std::vector<std::string>(arguments.begin(), arguments.end()));
}

TEST(CommandLine, OurOptions) {
    EXPECT_EQ(parse({}).action, Action::Play);
    EXPECT_FALSE(parse({}).trainer);
    EXPECT_TRUE(parse({"--trainer"}).trainer);
    EXPECT_EQ(parse({"--trainer"}).action, Action::Play);
    EXPECT_EQ(parse({"--version"}).text, std::string("vandolin ") + resources::kVersion + "\n");
    // Help wins over whatever follows it, as it does for most programs.
    const ui::CommandLine help = parse({"--trainer", "--help", "--bogus"});
    EXPECT_EQ(help.action, Action::Help);
    EXPECT_EQ(help.text.rfind(ui::UsageText(), 0), 0u);
    EXPECT_NE(help.text.find("--trainer"), std::string::npos);
    EXPECT_NE(help.text.find("deuces-wild"), std::string::npos);
}

TEST(CommandLine, TheTrainersGameIsOneOfTheAnalysersByName) {
    EXPECT_EQ(parse({"--trainer", "--game", "jacks-9/6"}).game, "jacks-9/6");
    const ui::CommandLine joined = parse({"--game=deuces-wild", "--trainer"});
    EXPECT_EQ(joined.action, Action::Play);
    EXPECT_EQ(joined.game, "deuces-wild");
    EXPECT_EQ(parse({"--trainer"}).game, "");
    // A game the analyser does not know, no name at all, or a game for the plain table.
    const std::string games = "game, jacks-9/6, jacks-8/5, bonus-8/5, ddb-9/6, deuces-wild";
    const auto refusal = [](std::initializer_list<const char*> arguments) {
        const ui::CommandLine line = parse(arguments);
        EXPECT_EQ(line.action, Action::Refuse);
        return line.text.substr(0, line.text.find('\n'));
    };
    EXPECT_EQ(refusal({"--trainer", "--game", "keno"}),
              "vandolin: no game is called 'keno'; the games are: " + games);
    EXPECT_EQ(refusal({"--trainer", "--game=", "game"}),
              "vandolin: no game is called ''; the games are: " + games);
    EXPECT_EQ(refusal({"--trainer", "--game"}),
              "vandolin: --game needs the name of a game: " + games);
    EXPECT_EQ(refusal({"--game", "jacks-8/5"}),
              "vandolin: --game is for the trainer: add --trainer");
}

TEST(CommandLine, AnythingElseIsNamedAndRefused) {
    for (const char* bad : {"--bogus", "trainer", "-trainer", "--", "-", "--style-sheet=x"}) {
        const ui::CommandLine line = parse({"--trainer", bad});
        EXPECT_EQ(line.action, Action::Refuse) << bad;
        EXPECT_EQ(line.text,
                  "vandolin: unrecognised argument '" + std::string(bad) + "'\n" + ui::UsageText());
    }
}

TEST(CommandLine, TheToolkitsOptionsPassThrough) {
    // Their values are not mistaken for arguments of ours.
    for (const auto& arguments :
         {parse({"-style", "fusion", "--trainer"}), parse({"--style=fusion"}),
          parse({"-platform", "offscreen"}), parse({"-display", ":3", "-reverse"}),
          parse({"-geometry", "--help"}), parse({"--qwindowtitle", "x", "-sync"})}) {
        EXPECT_EQ(arguments.action, Action::Play) << arguments.text;
    }
    EXPECT_TRUE(parse({"-style", "fusion", "--trainer"}).trainer);
    // A flag given a value is no toolkit option.
    EXPECT_EQ(parse({"-reverse=1"}).action, Action::Refuse);
}

} // namespace
