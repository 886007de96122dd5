#pragma once

#include <QObject>

class QLabel;
class QWidget;

namespace ui {

// The layouts name their fonts by the classic face and pixel height (dynamic properties
// classicFace = "System" | "MsSansSerif", classicPixelSize, classicBold), since a Designer
// file can only give point sizes. This gives every widget under root (root included) the
// stand-in font those properties describe. Widgets without them keep their font.
void ApplyClassicFonts(QWidget& root);

// While it lives, every widget gets its classic font the moment a layout sets the properties,
// before its text: texts are then laid out once, in the font they are drawn in, and the
// desktop's default face is never loaded for them. ApplyClassicFonts afterwards changes nothing.
class ClassicFontsAsSet : public QObject {
public:
    ClassicFontsAsSet();
    ~ClassicFontsAsSet() override;
    ClassicFontsAsSet(const ClassicFontsAsSet&) = delete;
    ClassicFontsAsSet& operator=(const ClassicFontsAsSet&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Sizes a label to its text as a classic auto-sizing label does: as wide as the text and one
// line high, keeping the left edge, or the right edge when the text is right-aligned.
void AutoSizeLabel(QLabel& label);

} // namespace ui
