#include "application_window.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

QString& storedTitle()
{
    static QString title;
    return title;
}

QPointer<QWidget>& storedWindow()
{
    static QPointer<QWidget> window;
    return window;
}

QPoint screenCentre()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().center() : QPoint(0, 0);
}

} // namespace

void SetApplicationTitle(const QString& title)
{
    storedTitle() = title;
    if (QWidget* window = storedWindow())
        window->setWindowTitle(title);
}

QString ApplicationTitle()
{
    return storedTitle().isNull() ? QGuiApplication::applicationDisplayName() : storedTitle();
}

QWidget* ApplicationWindow()
{
    QPointer<QWidget>& window = storedWindow();
    if (!window) {
        window = new QWidget(nullptr, Qt::Window);
        window->setObjectName(QStringLiteral("Application"));
        window->setWindowTitle(ApplicationTitle());
        window->setGeometry(QRect(screenCentre(), QSize(0, 0)));
        // Deleting a widget after QApplication's destructor has begun is unsafe, so it goes
        // with the event loop; without one it lives as long as the process.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    return window;
}

} // namespace ui
