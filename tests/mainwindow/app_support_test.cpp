// The start-up helpers: the display check and the task bar title.
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
