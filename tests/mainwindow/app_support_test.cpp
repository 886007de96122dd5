// The start-up helpers: the display check and the task bar title.
#include "ui/app/command_line.h"
#include "ui/app/display_check.h"
#include "ui/app/task_bar_title.h"

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

TEST(TaskBarTitle, PlatformTitleDiffersFromTheDrawnCaption) {
    auto* window = new QWidget;
    window->setWindowTitle(QStringLiteral("Vandolin"));
    new ui::TaskBarTitle(*window, QStringLiteral("Vandolin 1.1d"));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin"));
    EXPECT_EQ(window->windowHandle()->title(), QStringLiteral("Vandolin 1.1d"));

    // A later caption change leaves the task bar's name alone.
    window->setWindowTitle(QStringLiteral("Vandolin - again"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->windowHandle()->title() == QStringLiteral("Vandolin 1.1d"); }));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vandolin - again"));
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
    EXPECT_EQ(parse({"--version"}).text, "vandolin 1.1d\n");
    // Help wins over whatever follows it, as it does for most programs.
    const ui::CommandLine help = parse({"--trainer", "--help", "--bogus"});
    EXPECT_EQ(help.action, Action::Help);
    EXPECT_EQ(help.text.rfind("Usage: vandolin [--trainer] [--help] [--version]\n", 0), 0u);
    EXPECT_NE(help.text.find("--trainer"), std::string::npos);
}

TEST(CommandLine, AnythingElseIsNamedAndRefused) {
    for (const char* bad : {"--bogus", "trainer", "-trainer", "--", "-", "--style-sheet=x"}) {
        const ui::CommandLine line = parse({"--trainer", bad});
        EXPECT_EQ(line.action, Action::Refuse) << bad;
        EXPECT_EQ(line.text, "vandolin: unrecognised argument '" + std::string(bad) +
                                 "'\nUsage: vandolin [--trainer] [--help] [--version]\n");
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
