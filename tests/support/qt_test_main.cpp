// GoogleTest entry for widget tests: one QApplication for the whole run, offscreen unless
// the caller chose a platform, so the suites run the same on a desktop, under Xvfb and in CI.
// The windows wear the program's classic look, set up as the program sets it up, over a
// desktop that asks for a modern style of its own.
#include "platform/style/classic_style.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE"))
        qputenv("QT_STYLE_OVERRIDE", "fusion");
    QApplication app(argc, argv);
    platform::ClassicStyle::Install();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
