#pragma once

#include "platform/mul_div.h"

#include <QFont>

namespace ui {

// Dialog units of a font: a horizontal unit is a quarter of the font's average letter width,
// a vertical unit an eighth of its line height, so a dialog keeps its proportions whatever
// font it gets.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int averageWidth, int lineHeight);

    int averageWidth() const { return averageWidth_; }
    int lineHeight() const { return lineHeight_; }

    int h(int units) const { return platform::MulDiv(units, averageWidth_, 4); }
    int v(int units) const { return platform::MulDiv(units, lineHeight_, 8); }

private:
    int averageWidth_ = 0;
    int lineHeight_ = 0;
};

} // namespace ui
