#include "screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + area.width() / 2 - outer.width() / 2,
                area.y() + area.height() / 2 - outer.height() / 2);
}

} // namespace ui
