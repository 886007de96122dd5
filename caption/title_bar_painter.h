#pragma once

#include "caption/title_rect.h"

#include <QColor>
#include <QSize>

class QIcon;
class QPainter;

namespace caption {

class TCompanyText;

// The drawing steps of a title bar, on the off-screen image the caption is composed in.
// DrawTitleIcon and DrawTitleText move the rectangle's left edge past what they drew.
class TitleBarPainter {
public:
    explicit TitleBarPainter(QPainter& target) : target_(target) {}

    // numColors bands from start (leftmost) to end (rightmost) tiling r; nothing for n <= 0.
    void FillBands(const QColor& start, const QColor& end, int numColors, const TitleRect& r);
    void FillPlain(const QColor& color, const TitleRect& r);
    // The icon at the small icon size, 2 px right of and 1 px below r's top-left corner.
    void DrawTitleIcon(TitleRect& r, const QIcon& icon, QSize smallIcon);
    // The caption's width in the item's font, plus the 3 px that go before it.
    int MeasureTitleText(const TCompanyText& item) const;
    // One line, left-aligned, vertically centred, cut with an ellipsis at r.right; r.left
    // moves by 3 + the full text width, even when the text was cut.
    void DrawTitleText(TitleRect& r, bool active, const TCompanyText& item);

private:
    QPainter& target_;
};

} // namespace caption
