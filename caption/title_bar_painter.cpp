#include "caption/title_bar_painter.h"

#include "caption/company_text.h"
#include "caption/title_bar_layout.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace caption {
namespace {

// The gap before each text item.
constexpr int TextGap = 3;

} // namespace

void TitleBarPainter::FillBands(const QColor& start, const QColor& end, int numColors,
                                const TitleRect& r) {
    const int n = numColors;
    const int w = r.width();
    if (n <= 0) {
        return;
    }
    const QRgb s = start.rgb();
    const QRgb e = end.rgb();
    for (int i = 0; i < n; ++i) {
        const int x0 = r.left + BandEdge(i, w, n);
        const int x1 = r.left + BandEdge(i + 1, w, n);
        if (x1 > x0) {
            target_.fillRect(QRect(x0, r.top, x1 - x0, r.height()),
                             QColor::fromRgb(BandColor(s, e, i, n)));
        }
    }
}

void TitleBarPainter::FillPlain(const QColor& color, const TitleRect& r) {
    if (!r.isEmpty()) {
        target_.fillRect(r.toQRect(), color);
    }
}

void TitleBarPainter::DrawTitleIcon(TitleRect& r, const QIcon& icon, QSize smallIcon) {
    r.left += 1;
    QPixmap copy = icon.pixmap(smallIcon, 1.0);
    // Always the small icon size, as the classic copy makes it, whatever sizes the icon has.
    if (!copy.isNull() && copy.size() != smallIcon) {
        copy = copy.scaled(smallIcon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!copy.isNull()) {
        target_.drawPixmap(r.left + 1, r.top + 1, copy);
    }
    r.left += smallIcon.width() + 1;
}

int TitleBarPainter::MeasureTitleText(const TCompanyText& item) const {
    const QFontMetrics metrics(item.Font(), target_.device());
    return metrics.horizontalAdvance(item.Caption()) + TextGap;
}

void TitleBarPainter::DrawTitleText(TitleRect& r, bool active, const TCompanyText& item) {
    r.left += TextGap;
    const QFontMetrics metrics(item.Font(), target_.device());
    const int w = metrics.horizontalAdvance(item.Caption());
    if (!r.isEmpty()) {
        const QRect box = r.toQRect();
        const QString shown = w > box.width()
                                  ? metrics.elidedText(item.Caption(), Qt::ElideRight, box.width())
                                  : item.Caption();
        const platform::SystemSettings& settings = platform::SystemSettings::instance();
        target_.save();
        target_.setClipRect(box, Qt::IntersectClip);
        target_.setFont(item.Font());
        target_.setPen(settings.resolve(active ? item.ColorActive() : item.ColorInactive()));
        target_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        target_.restore();
    }
    r.left += w;
}

} // namespace caption
