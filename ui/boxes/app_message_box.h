#pragma once

#include <QString>

namespace ui {

// Buttons (low four bits) and icon (next four bits) of a message box, with the values the
// callers have always passed. Only the OK button is offered; other button bits are ignored.
enum MessageBoxFlags : unsigned {
    MB_OK = 0x00,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
};

// Button ids a message box returns.
enum MessageBoxResult : int { IDOK = 1 };

// Shows a modal message box with the text, the caption and the icon that flags ask for,
// owned by the application window. The program's other windows are disabled while it is
// open, and enabled again afterwards (also when showing it fails); the window that was
// active is activated again. Returns the id of the button pressed: IDOK, however the box
// was closed, since OK is its only button.
int AppMessageBox(const QString& text, const QString& caption, unsigned flags);

} // namespace ui
