#include "platform/frame/classic_frame_painter.h"

#include "platform/frame/system_settings.h"

#include <QFontMetrics>
#include <QPainter>

#include <array>
#include <string_view>

namespace platform {

namespace {

// Caption button symbols as pixel masks, the way the classic desktop draws them.
using Glyph = std::array<std::string_view, 9>;

constexpr Glyph CloseGlyph = {"XX....XX", ".XX..XX.", "..XXXX..", "...XX...", "..XXXX..",
                              ".XX..XX.", "XX....XX", "",         ""};
constexpr Glyph SmallCloseGlyph = {"XX..XX", ".XXXX.", "..XX..", ".XXXX.", "XX..XX",
                                   "",       "",       "",       ""};
constexpr Glyph MinimizeGlyph = {"........", "........", "........", "........", "........",
                                 "........", "XXXXXX..", "XXXXXX..", ""};
constexpr Glyph MaximizeGlyph = {"XXXXXXXXX", "XXXXXXXXX", "X.......X", "X.......X", "X.......X",
                                 "X.......X", "X.......X", "X.......X", "XXXXXXXXX"};
constexpr Glyph RestoreGlyph = {"..XXXXXX", "..XXXXXX", "..X....X", "XXXXXX.X", "XXXXXX.X",
                                "X....XXX", "X....X..", "X....X..", "XXXXXX.."};
constexpr Glyph HelpGlyph = {".XXXX.", "XX..XX", "XX..XX", "...XX.", "..XX..",
                             "..XX..", "......", "..XX..", "..XX.."};

// A glyph's drawn size: the longest row and the number of non-empty rows.
QSize glyphSize(const Glyph& glyph) {
    int width = 0;
    int height = 0;
    for (std::string_view row : glyph) {
        if (!row.empty()) {
            width = std::max(width, static_cast<int>(row.size()));
            ++height;
        }
    }
    return QSize(width, height);
}

void drawGlyph(QPainter& painter, const Glyph& glyph, QPoint origin, const QColor& color) {
    for (int y = 0; y < static_cast<int>(glyph.size()); ++y) {
        const std::string_view row = glyph[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[static_cast<std::size_t>(x)] == 'X') {
                painter.fillRect(origin.x() + x, origin.y() + y, 1, 1, color);
            }
        }
    }
}

const Glyph& glyphFor(FrameArea button, bool maximized, int faceWidth) {
    constexpr int SmallFaceBelow = 14;
    switch (button) {
    case FrameArea::MinimizeButton:
        return MinimizeGlyph;
    case FrameArea::MaximizeButton:
        return maximized ? RestoreGlyph : MaximizeGlyph;
    case FrameArea::HelpButton:
        return HelpGlyph;
    default:
        return faceWidth < SmallFaceBelow ? SmallCloseGlyph : CloseGlyph;
    }
}

constexpr int TitleIndent = 3; // between the icon (or caption edge) and the title

} // namespace

ClassicFramePainter::ClassicFramePainter(const SystemSettings& settings) : settings_(settings) {}

void ClassicFramePainter::paint(QPainter& painter, const FrameLayout& layout,
                                const FrameLook& look) const {
    if (layout.style() == BorderStyle::bsNone) {
        return;
    }
    paintBorder(painter, layout, look.active);
    paintCaption(painter, layout, look);
    for (FrameArea b : {FrameArea::MinimizeButton, FrameArea::MaximizeButton, FrameArea::HelpButton,
                        FrameArea::CloseButton}) {
        paintButton(painter, layout, b, look);
    }
}

void ClassicFramePainter::drawEdge(QPainter& painter, const QRect& rect, Edge edge) const {
    int outerTopLeft = COLOR_3DLIGHT;
    int outerBottomRight = COLOR_3DDKSHADOW;
    int innerTopLeft = COLOR_BTNHIGHLIGHT;
    int innerBottomRight = COLOR_BTNSHADOW;
    if (edge == Edge::ButtonRaised) {
        outerTopLeft = COLOR_BTNHIGHLIGHT;
        innerTopLeft = COLOR_3DLIGHT;
    } else if (edge == Edge::ButtonSunken) {
        outerTopLeft = COLOR_BTNSHADOW;
        outerBottomRight = COLOR_BTNHIGHLIGHT;
        innerTopLeft = COLOR_3DDKSHADOW;
        innerBottomRight = COLOR_3DLIGHT;
    }
    // The top-left colour stops one pixel short, so the bottom-right one owns both far corners.
    QRect r = rect;
    for (auto [topLeft, bottomRight] :
         {std::pair{outerTopLeft, outerBottomRight}, std::pair{innerTopLeft, innerBottomRight}}) {
        if (r.width() <= 0 || r.height() <= 0) {
            return;
        }
        const QColor tl = settings_.sysColor(topLeft);
        const QColor br = settings_.sysColor(bottomRight);
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, tl);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, tl);
        painter.fillRect(r.left(), r.top() + r.height() - 1, r.width(), 1, br);
        painter.fillRect(r.left() + r.width() - 1, r.top(), 1, r.height(), br);
        r.adjust(1, 1, -1, -1);
    }
}

void ClassicFramePainter::paintBorder(QPainter& painter, const FrameLayout& layout,
                                      bool active) const {
    const QRect outer(QPoint(0, 0), layout.outerSize());
    const QMargins f = layout.frameMargins();
    const QColor fill = settings_.sysColor(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    // The ring between the outer edge and the inside of the frame.
    painter.fillRect(0, 0, outer.width(), f.top(), fill);
    painter.fillRect(0, outer.height() - f.bottom(), outer.width(), f.bottom(), fill);
    painter.fillRect(0, 0, f.left(), outer.height(), fill);
    painter.fillRect(outer.width() - f.right(), 0, f.right(), outer.height(), fill);
    drawEdge(painter, outer, Edge::WindowRaised);
    painter.fillRect(layout.captionLineRect(), settings_.sysColor(COLOR_BTNFACE));
}

void ClassicFramePainter::paintCaption(QPainter& painter, const FrameLayout& layout,
                                       const FrameLook& look) const {
    const QRect caption = layout.captionRect();
    painter.fillRect(caption,
                     settings_.sysColor(look.active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));

    const QRect icon = layout.iconRect();
    if (!icon.isNull() && !look.icon.isNull()) {
        painter.drawPixmap(icon, look.icon);
    }

    QRect text = layout.textRect().adjusted(TitleIndent, 0, 0, 0);
    if (text.width() <= 0 || look.title.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(text, Qt::IntersectClip);
    painter.setFont(look.captionFont);
    painter.setPen(settings_.sysColor(look.active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    const QFontMetrics metrics(look.captionFont);
    const QString shown = metrics.elidedText(look.title, Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

void ClassicFramePainter::paintButton(QPainter& painter, const FrameLayout& layout,
                                      FrameArea button, const FrameLook& look) const {
    const QRect face = layout.buttonRect(button);
    if (face.isNull()) {
        return;
    }
    const bool pushed = look.pushedButton == button;
    painter.fillRect(face, settings_.sysColor(COLOR_BTNFACE));
    drawEdge(painter, face, pushed ? Edge::ButtonSunken : Edge::ButtonRaised);

    const Glyph& glyph = glyphFor(button, look.maximized, face.width());
    const QSize size = glyphSize(glyph);
    QPoint origin(face.left() + (face.width() - size.width()) / 2,
                  face.top() + (face.height() - size.height()) / 2);
    if (pushed) {
        origin += QPoint(1, 1);
    }
    painter.save();
    painter.setClipRect(face.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    if (layout.isButtonEnabled(button)) {
        drawGlyph(painter, glyph, origin, settings_.sysColor(COLOR_BTNTEXT));
    } else {
        // Greyed: an etched symbol, a light copy under a shadow-coloured one.
        drawGlyph(painter, glyph, origin + QPoint(1, 1), settings_.sysColor(COLOR_BTNHIGHLIGHT));
        drawGlyph(painter, glyph, origin, settings_.sysColor(COLOR_BTNSHADOW));
    }
    painter.restore();
}

} // namespace platform
