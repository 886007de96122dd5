#include "platform/style/classic_style.h"
#include "tests/support/application_title.h"
#include "ui/boxes/application_window.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The offscreen platform says at every fixed-size box that it cannot pass size hints on;
// that line tells us nothing and would drown the test output.
QtMessageHandler previousHandler = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A desktop that prefers a modern style; the boxes wear the program's classic look anyway.
    if (!qEnvironmentVariableIsSet("QT_STYLE_OVERRIDE"))
        qputenv("QT_STYLE_OVERRIDE", "fusion");
    previousHandler = qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    platform::ClassicStyle::Install();
    ui::SetApplicationTitle(test_support::ApplicationTitle());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
