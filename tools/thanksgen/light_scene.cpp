#include "tools/thanksgen/light_scene.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace thanksgen {
namespace {

// Everything is laid out on the 185 x 213 design grid.
constexpr qreal kHorizon = 138.0;
constexpr QPointF kSun{128.0, kHorizon};
constexpr qreal kSunRadius = 19.0;
constexpr QPointF kLamp{27.0, 41.0};

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.00, QColor(0x0b, 0x10, 0x30));
    sky.setColorAt(0.35, QColor(0x2b, 0x24, 0x60));
    sky.setColorAt(0.62, QColor(0x7a, 0x3b, 0x6e));
    sky.setColorAt(0.82, QColor(0xe0, 0x68, 0x4a));
    sky.setColorAt(0.95, QColor(0xff, 0xb4, 0x53));
    sky.setColorAt(1.00, QColor(0xff, 0xe0, 0x8a));
    p.fillRect(QRectF(0, 0, 185, kHorizon), sky);

    // The last stars of the night, fading as the sky warms.
    constexpr std::array<QPointF, 14> stars{{{12, 9},
                                             {41, 17},
                                             {63, 6},
                                             {88, 22},
                                             {104, 11},
                                             {131, 5},
                                             {150, 19},
                                             {172, 8},
                                             {160, 36},
                                             {118, 31},
                                             {74, 33},
                                             {178, 27},
                                             {54, 44},
                                             {141, 47}}};
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const qreal fade = 1.0 - stars[i].y() / 60.0;
        p.setBrush(withAlpha(QColor(0xff, 0xf6, 0xe0), static_cast<int>(230 * fade)));
        const qreal r = (i % 3 == 0) ? 0.9 : 0.6;
        p.drawEllipse(stars[i], r, r);
    }
}

void paintSun(QPainter& p) {
    QRadialGradient glow(kSun, 95);
    glow.setColorAt(0.00, QColor(255, 236, 160, 210));
    glow.setColorAt(0.25, QColor(255, 184, 96, 120));
    glow.setColorAt(0.60, QColor(240, 120, 90, 40));
    glow.setColorAt(1.00, QColor(240, 120, 90, 0));
    p.fillRect(QRectF(0, 0, 185, kHorizon), glow);

    QRadialGradient disc(kSun - QPointF(0, 6), kSunRadius + 6);
    disc.setColorAt(0.0, QColor(0xff, 0xfb, 0xe0));
    disc.setColorAt(0.7, QColor(0xff, 0xe2, 0x86));
    disc.setColorAt(1.0, QColor(0xff, 0xbe, 0x55));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(kSun, kSunRadius, kSunRadius);
}

void paintClouds(QPainter& p) {
    struct Cloud {
        QRectF body;
        int alpha;
    };
    constexpr std::array<Cloud, 4> clouds{{{{70, 96, 70, 5}, 150},
                                           {{118, 104, 67, 4}, 130},
                                           {{95, 84, 48, 3}, 110},
                                           {{150, 118, 40, 3}, 140}}};
    for (const Cloud& cloud : clouds) {
        // Lit from below by the sun: warm at the lower edge, plum above.
        QLinearGradient shade(0, cloud.body.top(), 0, cloud.body.bottom());
        shade.setColorAt(0.0, QColor(0x8a, 0x4a, 0x78, cloud.alpha));
        shade.setColorAt(1.0, QColor(0xff, 0xa0, 0x70, cloud.alpha));
        p.setBrush(shade);
        p.drawRoundedRect(cloud.body, cloud.body.height() / 2, cloud.body.height() / 2);
    }
}

void paintSea(QPainter& p) {
    QLinearGradient sea(0, kHorizon, 0, 213);
    sea.setColorAt(0.0, QColor(0x4a, 0x3c, 0x70));
    sea.setColorAt(0.4, QColor(0x26, 0x2c, 0x5a));
    sea.setColorAt(1.0, QColor(0x10, 0x18, 0x38));
    p.fillRect(QRectF(0, kHorizon, 185, 213 - kHorizon), sea);

    // Distant headland on the far shore.
    QPainterPath headland;
    headland.moveTo(150, kHorizon);
    headland.cubicTo(160, kHorizon - 7, 172, kHorizon - 9, 185, kHorizon - 8);
    headland.lineTo(185, kHorizon);
    headland.closeSubpath();
    p.setBrush(QColor(0x5a, 0x34, 0x5e));
    p.drawPath(headland);

    // The sun's path on the water: broken glints that widen and dim towards the viewer. A
    // fixed pseudo-random sequence keeps the picture the same on every build.
    unsigned seed = 12345u;
    auto next = [&seed](qreal range) {
        seed = seed * 1103515245u + 12345u;
        return range * ((seed >> 16) & 0x7fff) / 32767.0;
    };
    for (qreal y = kHorizon + 1.2; y < 213; y += 1.6 + (y - kHorizon) * 0.035) {
        const qreal depth = (y - kHorizon) / (213 - kHorizon);
        const qreal half = 8 + depth * 30;
        const qreal thickness = 0.8 + depth * 1.1;
        for (qreal x = kSun.x() - half + next(3); x < kSun.x() + half;) {
            const qreal length = 2 + next(6 + depth * 10);
            // Brightest on the axis under the sun, fading to the sides.
            const qreal off = qAbs(x + length / 2 - kSun.x()) / half;
            const int alpha = static_cast<int>((240 - depth * 120) * (1.0 - off * off));
            if (alpha > 0) {
                p.setBrush(QColor(0xff, 0xc8 + static_cast<int>(next(40)), 0x6a, alpha));
                p.drawRoundedRect(QRectF(x, y, length, thickness), 0.5, 0.5);
            }
            x += length + 1 + next(4 + depth * 6);
        }
    }

    // Gentle swell away from the light.
    p.setPen(QPen(QColor(0x8a, 0x78, 0xb0, 70), 0.8));
    for (int i = 0; i < 12; ++i) {
        const qreal y = kHorizon + 8 + i * 6.0;
        const qreal x = (i * 37) % 70 + 60.0 + (i % 2) * 90.0;
        p.drawLine(QPointF(x, y), QPointF(x + 10 + (i % 3) * 4, y));
    }
    p.setPen(Qt::NoPen);
}

void paintBoat(QPainter& p) {
    // A small sailing boat crossing the sun's path, in silhouette.
    QPainterPath hull;
    hull.moveTo(146, 160);
    hull.lineTo(166, 160);
    hull.lineTo(162, 164);
    hull.lineTo(149, 164);
    hull.closeSubpath();
    QPainterPath sail;
    sail.moveTo(156, 141);
    sail.lineTo(156, 158.5);
    sail.lineTo(146.5, 158.5);
    sail.closeSubpath();
    sail.moveTo(157.5, 145);
    sail.lineTo(164, 158.5);
    sail.lineTo(157.5, 158.5);
    sail.closeSubpath();
    p.setBrush(QColor(0x1c, 0x14, 0x2c));
    p.drawPath(hull);
    p.drawPath(sail);
}

void paintBirds(QPainter& p) {
    p.setPen(QPen(QColor(0x2a, 0x1a, 0x30), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    constexpr std::array<QPointF, 3> birds{{{96, 66}, {108, 59}, {117, 70}}};
    for (const QPointF& b : birds) {
        QPainterPath wing;
        wing.moveTo(b + QPointF(-4, -1.5));
        wing.quadTo(b + QPointF(-2, -2.5), b);
        wing.quadTo(b + QPointF(2, -2.5), b + QPointF(4, -1.5));
        p.drawPath(wing);
    }
    p.setPen(Qt::NoPen);
}

// A soft beam from the lamp to the edge between the two far corners, fading along its axis.
void paintBeam(QPainter& p, QPointF farTop, QPointF farBottom, int nearAlpha, int farAlpha) {
    QPainterPath beam;
    beam.moveTo(kLamp);
    beam.lineTo(farTop);
    beam.lineTo(farBottom);
    beam.closeSubpath();
    QLinearGradient fade(kLamp, (farTop + farBottom) / 2);
    fade.setColorAt(0.0, QColor(255, 246, 190, nearAlpha));
    fade.setColorAt(1.0, QColor(255, 246, 190, farAlpha));
    p.setBrush(fade);
    p.drawPath(beam);
}

void paintBeams(QPainter& p) {
    // Two beams sweeping out from the lamp, fading with distance.
    paintBeam(p, QPointF(185, 12), QPointF(185, 58), 170, 0);
    paintBeam(p, QPointF(0, 30), QPointF(0, 46), 150, 20);
}

void paintCliff(QPainter& p) {
    QPainterPath cliff;
    cliff.moveTo(0, 96);
    cliff.cubicTo(14, 94, 34, 95, 48, 97);
    cliff.cubicTo(56, 99, 60, 104, 64, 112);
    cliff.lineTo(70, 121);
    cliff.cubicTo(76, 130, 84, 140, 96, 150);
    cliff.cubicTo(104, 157, 112, 161, 120, 165);
    cliff.lineTo(118, 168);
    cliff.cubicTo(90, 175, 40, 190, 0, 200);
    cliff.closeSubpath();
    QLinearGradient rock(0, 95, 0, 200);
    rock.setColorAt(0.0, QColor(0x2e, 0x1e, 0x3a));
    rock.setColorAt(1.0, QColor(0x12, 0x0c, 0x1e));
    p.setBrush(rock);
    p.drawPath(cliff);

    // Rim light where the rock faces the sunrise.
    QPainterPath rim;
    rim.moveTo(48, 97);
    rim.cubicTo(56, 99, 60, 104, 64, 112);
    rim.lineTo(70, 121);
    rim.cubicTo(76, 130, 84, 140, 96, 150);
    rim.cubicTo(104, 157, 112, 161, 120, 165);
    p.setPen(QPen(QColor(0xf0, 0x8a, 0x5a, 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);
    p.setPen(Qt::NoPen);

    // Foam where the sea meets the foot of the cliff.
    p.setBrush(QColor(0xe8, 0xd8, 0xf0, 120));
    p.drawEllipse(QPointF(112, 166), 9, 1.3);
    p.drawEllipse(QPointF(84, 177), 12, 1.2);
}

void paintLighthouse(QPainter& p) {
    constexpr qreal base = 97.0, top = 50.0, baseHalf = 9.0, topHalf = 5.5;
    constexpr qreal cx = kLamp.x();
    constexpr int kBands = 5;
    // Lit from the right (the sun), so every band shades from left to right.
    QLinearGradient whiteShade(cx - baseHalf, 0, cx + baseHalf, 0);
    whiteShade.setColorAt(0.0, QColor(0x9a, 0x8a, 0xa8));
    whiteShade.setColorAt(1.0, QColor(0xff, 0xf0, 0xe0));
    QLinearGradient redShade(cx - baseHalf, 0, cx + baseHalf, 0);
    redShade.setColorAt(0.0, QColor(0x70, 0x18, 0x2a));
    redShade.setColorAt(1.0, QColor(0xe8, 0x50, 0x48));
    auto halfAt = [&](qreal y) {
        return topHalf + (baseHalf - topHalf) * (y - top) / (base - top);
    };
    for (int band = 0; band < kBands; ++band) {
        const qreal y0 = top + (base - top) * band / kBands;
        const qreal y1 = top + (base - top) * (band + 1) / kBands;
        QPainterPath piece;
        piece.moveTo(cx - halfAt(y0), y0);
        piece.lineTo(cx + halfAt(y0), y0);
        piece.lineTo(cx + halfAt(y1), y1);
        piece.lineTo(cx - halfAt(y1), y1);
        piece.closeSubpath();
        p.setBrush(band % 2 == 0 ? QBrush(redShade) : QBrush(whiteShade));
        p.drawPath(piece);
    }
    // The door.
    p.setBrush(QColor(0x2a, 0x1a, 0x24));
    p.drawRoundedRect(QRectF(cx - 2, 89, 4, 8), 1.5, 1.5);

    // Gallery, lantern glass and roof.
    p.setBrush(QColor(0x24, 0x1a, 0x2c));
    p.drawRect(QRectF(cx - 8.5, top - 3, 17, 3));
    QRadialGradient glass(kLamp, 6);
    glass.setColorAt(0.0, QColor(0xff, 0xff, 0xf0));
    glass.setColorAt(1.0, QColor(0xff, 0xd8, 0x60));
    p.setBrush(glass);
    p.drawRect(QRectF(cx - 5, 36, 10, 11));
    p.setPen(QPen(QColor(0x24, 0x1a, 0x2c), 0.8));
    p.drawLine(QPointF(cx, 36), QPointF(cx, 47));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x1c, 0x2a));
    QPainterPath roof;
    roof.moveTo(cx - 7, 36);
    roof.quadTo(cx, 25, cx + 7, 36);
    roof.closeSubpath();
    p.drawPath(roof);
    p.setBrush(QColor(0x24, 0x1a, 0x2c));
    p.drawEllipse(QPointF(cx, 28.5), 1.3, 1.3);

    // The lamp's halo over everything near it.
    QRadialGradient halo(kLamp, 22);
    halo.setColorAt(0.0, QColor(255, 250, 210, 200));
    halo.setColorAt(0.3, QColor(255, 226, 140, 90));
    halo.setColorAt(1.0, QColor(255, 226, 140, 0));
    p.setBrush(halo);
    p.drawEllipse(kLamp, 22, 22);
}

} // namespace

QImage PaintLightScene(QSize size) {
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / qreal(kLightSceneSize.width()),
            size.height() / qreal(kLightSceneSize.height()));
    p.setPen(Qt::NoPen);
    paintSky(p);
    paintSun(p);
    paintClouds(p);
    paintSea(p);
    paintBoat(p);
    paintBirds(p);
    paintBeams(p);
    paintCliff(p);
    paintLighthouse(p);
    return image;
}

} // namespace thanksgen
