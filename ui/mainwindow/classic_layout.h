#pragma once

class QLabel;
class QWidget;

namespace ui {

// The layouts name their fonts by the classic face and pixel height (dynamic properties
// classicFace = "System" | "MsSansSerif", classicPixelSize, classicBold), since a Designer
// file can only give point sizes. This gives every widget under root (root included) the
// stand-in font those properties describe. Widgets without them keep their font.
void ApplyClassicFonts(QWidget& root);

// Sizes a label to its text as a classic auto-sizing label does: as wide as the text and one
// line high, keeping the left edge, or the right edge when the text is right-aligned.
void AutoSizeLabel(QLabel& label);

} // namespace ui
