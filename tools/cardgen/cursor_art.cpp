#include "tools/cardgen/cursor_art.h"

#include <cmath>
#include <numbers>

namespace cardgen {
namespace {

// K outline, W hand, '.' see-through.
// clang-format off
const Glyph kHand{
    "................................",
    "......KKK.......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWK......................",
    ".....KWWWKKK....................",
    ".....KWWWKWWKKK.................",
    ".....KWWWKWWKWWKKK..............",
    ".....KWWWKWWKWWKWWK.............",
    "..KK.KWWWKWWKWWKWWK.............",
    ".KWWKKWWWKWWKWWKWWK.............",
    ".KWWWKWWWWWWWWWWWWK.............",
    "..KWWWKWWWWWWWWWWWK.............",
    "..KWWWWKWWWWWWWWWWK.............",
    "...KWWWWWWWWWWWWWWK.............",
    "...KWWWWWWWWWWWWWWK.............",
    "....KWWWWWWWWWWWWWK.............",
    "....KWWWWWWWWWWWWK..............",
    ".....KWWWWWWWWWWWK..............",
    ".....KWWWWWWWWWWWK..............",
    ".....KKKKKKKKKKKKK..............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on

// Each arrow is a band on a ring round the hot spot, clockwise from about ten o'clock to
// three, ending in a straight-sided head that points along the ring; the second arrow is the
// first turned half way round. Angles are in degrees clockwise from straight up.
constexpr double kRingInner = 5.5;
constexpr double kRingOuter = 9.5;
constexpr double kBodyFrom = 330.0;
constexpr double kBodyTo = 90.0;
constexpr double kHeadReach = 2.6;  // how far the head's base stands out beyond the band
constexpr double kHeadLength = 6.5; // from the base to the point

struct Point {
    double x;
    double y;
};

Point OnRing(double degrees, double radius) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {radius * std::sin(a), -radius * std::cos(a)};
}

double Side(Point p, Point a, Point b) {
    return (p.x - b.x) * (a.y - b.y) - (a.x - b.x) * (p.y - b.y);
}

bool InTriangle(Point p, Point a, Point b, Point c) {
    const double d1 = Side(p, a, b);
    const double d2 = Side(p, b, c);
    const double d3 = Side(p, c, a);
    const bool negative = d1 < 0 || d2 < 0 || d3 < 0;
    const bool positive = d1 > 0 || d2 > 0 || d3 > 0;
    return !(negative && positive);
}

// (dx, dy) is the pixel's offset from the hot spot.
bool InArrow(double dx, double dy) {
    const double r = std::hypot(dx, dy);
    double deg = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (deg < 0) {
        deg += 360.0;
    }
    const bool along_body = deg >= kBodyFrom || deg <= kBodyTo; // the body passes twelve
    if (along_body && r >= kRingInner && r <= kRingOuter) {
        return true;
    }
    const double mid = (kRingInner + kRingOuter) / 2.0;
    const Point centre = OnRing(kBodyTo, mid);
    const double a = kBodyTo * std::numbers::pi / 180.0;
    const Point tip{centre.x + kHeadLength * std::cos(a), centre.y + kHeadLength * std::sin(a)};
    return InTriangle({dx, dy}, OnRing(kBodyTo, kRingInner - kHeadReach),
                      OnRing(kBodyTo, kRingOuter + kHeadReach), tip);
}

} // namespace

Canvas PaintHandCursor() {
    Canvas c(kCursorSize, kCursorSize, Colour::Transparent);
    c.Draw(kHand, 0, 0, Colour::Black);
    return c;
}

Canvas PaintChangeCursor() {
    Canvas c(kCursorSize, kCursorSize, Colour::Transparent);
    const int cx = kChangeHotSpot.x;
    const int cy = kChangeHotSpot.y;
    for (int y = 0; y < kCursorSize; ++y) {
        for (int x = 0; x < kCursorSize; ++x) {
            // The second arrow is the first turned half way round the centre.
            if (InArrow(x - cx, y - cy) || InArrow(cx - x, cy - y)) {
                c.Set(x, y, Colour::White);
            }
        }
    }
    c.Surround({0, 0, kCursorSize, kCursorSize}, Colour::White, Colour::Black);
    return c;
}

} // namespace cardgen
