#pragma once

class QWidget;

namespace ui {

// Moves a top-level window so that its outer rectangle (frame included, as far as the window
// system has told us its size) stands in the middle of the primary screen: left = screen width
// div 2 - outer width div 2, and the same for the top. A window manager tells the size of its
// frame only once it has put the window in it; the window is centred again whenever the frame
// it reads differs from the one it was centred by.
void CentreOnScreen(QWidget& window);

// Makes the window a transient of the other one's native window, so window managers and
// Wayland compositors place it over that one and keep it above. The Qt parent (the owner
// that the boxes' captions and modality rules rely on) stays as it is.
void SetTransientFor(QWidget& window, const QWidget* over);

} // namespace ui
