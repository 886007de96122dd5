#pragma once

#include <QString>

class QWidget;

namespace ui {

// The application title, shown by the error report's caption and the application window.
// We keep it ourselves rather than in QGuiApplication::applicationDisplayName(), because on
// X11 Qt appends the display name to every window title, and the game's own boxes must be
// captioned "Vandolin" alone.
void SetApplicationTitle(const QString& title);
// The title set at start-up; before that, the application's display name.
QString ApplicationTitle();

// The application's own top-level window: never shown, zero size, centred on the screen and
// titled with the application title. It owns the message boxes, so they centre on the
// screen and belong to the application rather than to the main window.
// Requires a QApplication; created on first use and deleted when the event loop quits.
QWidget* ApplicationWindow();

} // namespace ui
