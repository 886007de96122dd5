#pragma once

class QWidget;

namespace ui {

// Moves a top-level window so that its outer rectangle (frame included, as far as the window
// system has told us its size) stands in the middle of the primary screen: left = screen width
// div 2 - outer width div 2, and the same for the top.
void CentreOnScreen(QWidget& window);

} // namespace ui
