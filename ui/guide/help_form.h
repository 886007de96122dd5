#pragma once

#include "ui_HelpForm.h"

#include <QDialog>

namespace ui {

// The guide window: five tabbed pages about the game and an OK button. It is created once,
// hidden, and every ShowModal() shows the same object, so the page last shown, the scroll
// positions and any notes typed into "Options" are still there the next time.
class THelpForm : public QDialog {
    Q_OBJECT

public:
    // What a modal show ends with; the numbering is the one the message boxes use.
    enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit THelpForm(QWidget* parent = nullptr);
    ~THelpForm() override;

    // Centres the window on the screen and runs it modally: the other windows of the program
    // take no input until it is closed. It is closed by OK, by Enter while OK has the focus,
    // by Esc and by the title bar's close button; every way ends with mrCancel. The window
    // that was active when it opened is active again afterwards.
    int ShowModal();

    // OK: closes the window. Closing a modal window reports Cancel, as the close button does.
    void BitBtn1Click();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreOnScreen();
    void wearClassicFrame();

    Ui::THelpForm ui_;
};

} // namespace ui
