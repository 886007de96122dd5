// Shows one box over a plain green table window, for looking at the boxes on a real display:
//   boxes_demo prompt|about|farewell|gameover|winner|error
#include "tests/support/application_title.h"
#include "ui/boxes/boxes.h"

#include "engine/errors.h"
#include "engine/parse_integer.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::SetApplicationTitle(test_support::ApplicationTitle());
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    QWidget table;
    table.setWindowTitle(QStringLiteral("Vandolin"));
    table.setStyleSheet(QStringLiteral("background: #008000"));
    table.setGeometry(100, 100, 434, 307);
    table.show();

    int status = 0;
    QTimer::singleShot(0, &app, [&] {
        if (which == "prompt") {
            const ui::TextAnswer answer = ui::AskText("Change your bet", "max value = 10: ", "1");
            QTextStream(stdout) << (answer.confirmed ? "confirmed: " : "cancelled: ") << answer.text
                                << "\n";
        } else if (which == "about") {
            ui::ShowInformation("Vandolin (c) 1998 Tavola Verde Software");
        } else if (which == "farewell") {
            ui::ShowInformation(QStringLiteral("Thank You for playing \rVandolin.\rBye...") +
                                QString(19, u' '));
        } else if (which == "gameover") {
            ui::AppMessageBox("G A M E   O V E R ! ! !", "Vandolin", ui::MB_OK);
        } else if (which == "winner") {
            ui::AppMessageBox("HAVE A WINNER!", "Vandolin", ui::MB_OK);
        } else if (which == "error") {
            ui::RunGuarded([] { engine::ParseInteger("abc"); });
        } else {
            std::fputs("usage: boxes_demo prompt|about|farewell|gameover|winner|error\n", stderr);
            status = 2;
        }
        app.quit();
    });
    app.exec();
    return status;
}
