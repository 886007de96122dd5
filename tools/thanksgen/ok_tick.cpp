#include "tools/thanksgen/ok_tick.h"

#include <QPainter>
#include <QPainterPath>

namespace thanksgen {

QImage PaintOkTick(QSize size) {
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / qreal(kOkTickSize.width()), size.height() / qreal(kOkTickSize.height()));

    QPainterPath tick;
    tick.moveTo(3.2, 9.6);
    tick.lineTo(7.2, 13.6);
    tick.lineTo(15.0, 4.4);
    // A dark rim first, so the tick reads on any button face; then the green stroke.
    p.setPen(QPen(QColor(0x00, 0x50, 0x00), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(QColor(0x10, 0xa8, 0x10), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

} // namespace thanksgen
