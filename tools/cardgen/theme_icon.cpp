#include "tools/cardgen/theme_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace icons {
namespace {

const QColor kInk(0x20, 0x20, 0x28);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kShade(0xd8, 0xd8, 0xe0);
const QColor kBlue(0x10, 0x28, 0x98);
const QColor kLightBlue(0x48, 0x70, 0xd8);
const QColor kRed(0xc8, 0x10, 0x18);
const QColor kGold(0xe8, 0xb8, 0x20);

// Whole pixels at small sizes, where half a pixel is a blur.
double Snap(double v, int size) {
    return size < 48 ? std::round(v) : v;
}

QRectF CardRect(double x, double y, double w, double h, int size) {
    return QRectF(Snap(x, size), Snap(y, size), Snap(w, size), Snap(h, size));
}

void PaintCard(QPainter& p, const QRectF& r, const QColor& face, int size) {
    const double radius = size < 24 ? 0.0 : r.width() * 0.09;
    const double line = std::max(1.0, size / 80.0);
    p.setPen(QPen(kInk, line));
    p.setBrush(face);
    const double half = line / 2;
    p.drawRoundedRect(r.adjusted(half, half, -half, -half), radius, radius);
}

// A small diamond: the red signs on the back, the suit on the king.
void PaintDiamond(QPainter& p, const QPointF& centre, double half) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({centre + QPointF(0, -half), centre + QPointF(half * 0.7, 0),
                             centre + QPointF(0, half), centre + QPointF(-half * 0.7, 0)}));
}

void PaintKing(QPainter& p, const QRectF& card, int size) {
    PaintCard(p, card, kPaper, size);
    const double w = card.width();
    const double h = card.height();
    if (size < 24) {
        // Room for two marks only: the crown's gold band and the red robe.
        p.fillRect(CardRect(card.left() + w * 0.25, card.top() + h * 0.2, w * 0.5,
                            std::max(1.0, h * 0.15), size),
                   kGold);
        p.fillRect(CardRect(card.left() + w * 0.25, card.top() + h * 0.6, w * 0.5,
                            std::max(1.0, h * 0.2), size),
                   kRed);
        return;
    }
    // The crown: a band with three points, jewels from 48 pixels up.
    const QRectF band(card.left() + w * 0.22, card.top() + h * 0.30, w * 0.56, h * 0.12);
    QPainterPath crown;
    crown.moveTo(band.bottomLeft());
    crown.lineTo(band.left(), band.top() - h * 0.12);
    crown.lineTo(band.left() + band.width() * 0.25, band.top());
    crown.lineTo(band.center().x(), band.top() - h * 0.17);
    crown.lineTo(band.left() + band.width() * 0.75, band.top());
    crown.lineTo(band.right(), band.top() - h * 0.12);
    crown.lineTo(band.bottomRight());
    crown.closeSubpath();
    p.setPen(size >= 48 ? QPen(kInk, std::max(1.0, size / 96.0)) : Qt::NoPen);
    p.setBrush(kGold);
    p.drawPath(crown);
    if (size >= 48) {
        for (double t : {0.2, 0.5, 0.8}) {
            PaintDiamond(p, QPointF(band.left() + band.width() * t, band.center().y()),
                         band.height() * 0.35);
        }
        // The face below the crown and a red robe with an ermine edge.
        p.setPen(QPen(kInk, std::max(1.0, size / 96.0)));
        p.setBrush(QColor(0xf4, 0xd0, 0xa8));
        p.drawEllipse(
            QRectF(band.left() + band.width() * 0.2, band.bottom(), band.width() * 0.6, h * 0.2));
        p.setBrush(kRed);
        p.drawRect(QRectF(card.left() + w * 0.18, card.top() + h * 0.62, w * 0.64, h * 0.26));
        p.setBrush(kPaper);
        p.drawRect(QRectF(card.left() + w * 0.18, card.top() + h * 0.62, w * 0.64, h * 0.05));
        // The corner index: a K of three strokes and its diamond.
        const QRectF k(card.left() + w * 0.10, card.top() + h * 0.05, w * 0.13, h * 0.12);
        QPen stroke(kRed, std::max(1.5, size / 64.0));
        stroke.setCapStyle(Qt::FlatCap);
        p.setPen(stroke);
        p.drawLine(k.topLeft(), k.bottomLeft());
        p.drawLine(QPointF(k.left(), k.center().y()), k.topRight());
        p.drawLine(QPointF(k.left() + k.width() * 0.3, k.center().y() - k.height() * 0.1),
                   k.bottomRight());
        PaintDiamond(p, QPointF(k.center().x(), k.bottom() + h * 0.07), h * 0.05);
    } else {
        p.fillRect(CardRect(card.left() + w * 0.2, card.top() + h * 0.62, w * 0.6, h * 0.24, size),
                   kRed);
    }
}

void PaintBack(QPainter& p, const QRectF& card, int size) {
    PaintCard(p, card, kPaper, size);
    // The chequer inside a white margin; cells of whole pixels, finer than the card.
    const double margin = std::max(2.0, std::round(card.width() * 0.1));
    const QRectF field = card.adjusted(margin, margin, -margin, -margin);
    const int cell = std::max(1, static_cast<int>(std::round(size / 21.0)));
    p.setPen(Qt::NoPen);
    p.fillRect(field, kBlue);
    for (int y = 0; y * cell < field.height(); ++y) {
        for (int x = (y % 2); x * cell < field.width(); x += 2) {
            const QRectF square(field.left() + x * cell, field.top() + y * cell, cell, cell);
            p.fillRect(square.intersected(field), kLightBlue);
        }
    }
    // The two red signs, one high, one low; at the smallest sizes one in the middle.
    if (size < 24) {
        p.fillRect(CardRect(field.center().x() - 1, field.center().y() - 1, 2, 2, size), kRed);
        return;
    }
    const double half = std::max(2.0, field.width() * 0.16);
    for (double t : {0.28, 0.72}) {
        const QPointF at(field.left() + field.width() * t, field.top() + field.height() * t);
        if (size >= 48) {
            p.setBrush(kPaper);
            p.drawEllipse(at, half * 0.95, half * 1.15);
        }
        PaintDiamond(p, at, half);
    }
}

} // namespace

const std::vector<int>& ThemeIconSizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

QImage PaintThemeIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, size >= 32);
    const double s = size;

    // The king stands behind, to the upper right, leaning a little where there are pixels
    // enough to lean without blurring.
    const QRectF king = CardRect(s * 0.38, s * 0.05, s * 0.54, s * 0.71, size);
    p.save();
    if (size >= 32) {
        p.translate(king.center());
        p.rotate(8);
        p.translate(-king.center());
    }
    PaintKing(p, king, size);
    p.restore();

    // The stack: the edges of the cards under the top one, from 48 pixels up.
    const QRectF top = CardRect(s * 0.06, s * 0.26, s * 0.52, s * 0.70, size);
    if (size >= 48) {
        for (int under = 2; under >= 1; --under) {
            const double shift = under * s / 80.0;
            PaintCard(p, top.translated(shift, -shift), kShade, size);
        }
    }
    PaintBack(p, top, size);
    return image;
}

} // namespace icons
