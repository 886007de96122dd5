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

// The arrows lie on a ring round the hot spot; each covers most of a half turn and ends in a
// head that points along the ring at the tail of the other.
constexpr double kRingInner = 6.0;
constexpr double kRingOuter = 10.0;
constexpr double kBodyDegrees = 130.0;
constexpr double kHeadDegrees = 40.0;
constexpr double kHeadReach = 3.5; // how far the head stands out beyond the ring

bool InArrow(double dx, double dy) {
    const double r = std::hypot(dx, dy);
    // Clockwise angle from straight up, in degrees 0..360.
    double deg = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (deg < 0) {
        deg += 360.0;
    }
    if (deg <= kBodyDegrees) {
        return r >= kRingInner && r <= kRingOuter;
    }
    if (deg <= kBodyDegrees + kHeadDegrees) {
        const double t = (deg - kBodyDegrees) / kHeadDegrees; // 0 at the head's base, 1 at the tip
        const double mid = (kRingInner + kRingOuter) / 2.0;
        const double half = (1.0 - t) * ((kRingOuter - kRingInner) / 2.0 + kHeadReach);
        return std::abs(r - mid) <= half;
    }
    return false;
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
