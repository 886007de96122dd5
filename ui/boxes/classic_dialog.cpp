#include "classic_dialog.h"

#include "window_disabler.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace ui {

ClassicDialog::ClassicDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);
}

QPushButton* ClassicDialog::addButton(const QString& caption, ModalResult result,
                                      const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void ClassicDialog::setClientSize(int width, int height)
{
    setFixedSize(width, height);
}

void ClassicDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClassicDialog::reject()
{
    done(mrCancel);
}

void ClassicDialog::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // The outer size, frame included, as far as it is known before the box is shown.
    const QSize outer = frameGeometry().size();
    move(area.x() + area.width() / 2 - outer.width() / 2,
         area.y() + area.height() / 2 - outer.height() / 2);
}

int ClassicDialog::runModal()
{
    const WindowDisabler disabler;
    centreOnScreen();
    return exec();
}

} // namespace ui
