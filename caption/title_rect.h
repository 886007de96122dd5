#pragma once

#include <QRect>

namespace caption {

// A rectangle as the caption arithmetic uses it: window coordinates from the outer top-left
// corner, right and bottom exclusive (QRect's right() and bottom() are inclusive, which would
// put an off-by-one into every step of the layout).
struct TitleRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    friend bool operator==(const TitleRect&, const TitleRect&) = default;
};

} // namespace caption
