#pragma once

#include "modal_result.h"

#include <QDialog>

class QPushButton;

namespace platform {
class WindowFrame;
}

namespace ui {

// What the prompt and the information box share: the game's own fixed dialog frame (caption
// with a close box, no resizing, no minimise or maximise box) drawn round the client area,
// modality to the whole application, buttons that end the box with a result, a cancel button
// that Esc clicks, and a close box that ends the box with Cancel.
class ClassicDialog : public QDialog {
    Q_OBJECT
public:
    explicit ClassicDialog(QWidget* parent = nullptr);

    // Centres the box, shows it modally with the other windows disabled and returns its
    // result (mrOk, mrCancel, ...) once it is closed.
    int runModal();

    // The button Esc clicks; none by default, then Esc ends the box with Cancel.
    QPushButton* cancelButton() const { return cancelButton_; }

    // Where the box's controls go, inside its frame.
    QWidget* clientArea() const;

protected:
    // A push button that ends the box with the given result.
    QPushButton* addButton(const QString& caption, ModalResult result, const QString& name);
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }
    // Client size of the box, fixed.
    void setClientSize(int width, int height);
    // What task bars and window lists call the box, when not its caption.
    void setTaskBarTitle(const QString& title) { taskBarTitle_ = title; }

    void keyPressEvent(QKeyEvent* event) override;

public slots:
    // The close box, the window menu's Close and a rejected key all end here.
    void reject() override;

private:
    QPushButton* cancelButton_ = nullptr;
    platform::WindowFrame* frame_ = nullptr;
    QString taskBarTitle_;
};

} // namespace ui
