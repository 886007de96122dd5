#include "classic_dialog.h"

#include "screen_centre.h"
#include "window_disabler.h"

#include "platform/frame/window_frame.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

namespace ui {

ClassicDialog::ClassicDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);
    frame_ = new platform::WindowFrame(*this);
    frame_->setBorderStyle(platform::BorderStyle::bsDialog);
    frame_->setBorderIcons(platform::biSystemMenu);
    frame_->setSizeFixed(true);
}

QWidget* ClassicDialog::clientArea() const {
    return frame_->clientArea();
}

QPushButton* ClassicDialog::addButton(const QString& caption, ModalResult result,
                                      const QString& name) {
    auto* button = new QPushButton(caption, clientArea());
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void ClassicDialog::setClientSize(int width, int height) {
    frame_->setClientSize(QSize(width, height));
}

void ClassicDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && cancelButton_ &&
        cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClassicDialog::reject() {
    done(mrCancel);
}

int ClassicDialog::runModal() {
    const WindowDisabler disabler;
    // With its native window made, the box knows its frame, so the outer size centres.
    create();
    // The caption is drawn from the widget's title; the window system gets this one.
    if (!taskBarTitle_.isEmpty() && windowHandle() != nullptr)
        windowHandle()->setTitle(taskBarTitle_);
    SetTransientFor(*this, disabler.reactivated());
    CentreOnScreen(*this);
    return exec();
}

} // namespace ui
