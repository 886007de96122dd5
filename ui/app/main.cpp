// The game's entry: names the application, creates the table and then the guide, and runs
// the message loop until the table is closed.
#include "platform/style/classic_style.h"
#include "resources/version.h"
#include "ui/app/command_line.h"
#include "ui/app/display_check.h"
#include "ui/app/start_up_warm_up.h"
#include "ui/app/task_bar_title.h"
#include "ui/boxes/boxes.h"
#include "ui/guide/help_form.h"
#include "ui/mainwindow/main_form.h"
#include "ui/pictures/main_icon.h"
#include "ui/trainer/trainer_form.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kNoDisplayExitCode = 1;

} // namespace

int main(int argc, char** argv) {
    // Help and version answer without a display, as command-line programs do.
    const ui::CommandLine commandLine =
        ui::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.action) {
    case ui::CommandLine::Action::Help:
    case ui::CommandLine::Action::Version:
        std::fputs(commandLine.text.c_str(), stdout);
        return 0;
    case ui::CommandLine::Action::Refuse:
        std::fputs(commandLine.text.c_str(), stderr);
        return ui::kUsageExitCode;
    case ui::CommandLine::Action::Play:
        break;
    }

    // Without a display the toolkit would abort with a terse message of its own.
    const ui::DisplayCheck display = ui::CheckDisplayFromEnvironment();
    if (!display.available) {
        std::fputs(display.message.c_str(), stderr);
        return kNoDisplayExitCode;
    }

    // The table's first text needs the font configuration, one of the slowest steps before the
    // window appears; it is read beside the toolkit's own start instead of after it.
    ui::StartUpWarmUp fontConfig = ui::ReadFontConfiguration();

    // A display that is set but cannot be reached is only found by trying it.
    ui::DisplayStartGuard startGuard;
    QApplication app(argc, argv);
    startGuard.Started();
    // Read by now in all but the busiest moments; the table's build may start a process.
    fontConfig.Finish();
    // Opened beside the table's construction; the table's first labels ask for it.
    ui::StartUpWarmUp sessionBus = ui::OpenSessionBus();
    // The classic look the frame is drawn in, for every window, whatever style the desktop,
    // QT_STYLE_OVERRIDE or -style chose.
    platform::ClassicStyle::Install();
    QApplication::setApplicationName(QStringLiteral("vandolin"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vandolin.vandolin"));
    // The title the task bar shows. It is not made the display name: on X11 Qt would append
    // that to every window title, and the game's boxes are captioned "Vandolin" alone.
    const QString title = QStringLiteral("Vandolin ") + QLatin1String(resources::kVersion);
    ui::SetApplicationTitle(title);
    QApplication::setWindowIcon(ui::MainIcon());

    const std::unique_ptr<ui::TMainForm> table =
        commandLine.trainer
            ? std::make_unique<ui::TTrainerForm>(engine::SystemUtcMilliseconds, commandLine.game)
            : std::make_unique<ui::TMainForm>();
    ui::TMainForm& mainForm = *table;
    new ui::TaskBarTitle(mainForm, title); // owned by the window
    sessionBus.Finish();

    mainForm.show();
    // Shown, the table is the active window, as a newly started program's main window is:
    // the first activation fills the money panels and the keys reach the menus. A window
    // manager would do this for us; on a bare X server nothing else does.
    mainForm.activateWindow();
    // The hidden guide is built by the message loop's first pass, once the table has gone to
    // the screen: nothing the table shows depends on it.
    std::unique_ptr<ui::THelpForm> helpForm;
    QTimer::singleShot(0, &mainForm, [&mainForm, &helpForm] {
        helpForm = std::make_unique<ui::THelpForm>();
        mainForm.setHelpForm(helpForm.get());
    });
    return QApplication::exec();
}
