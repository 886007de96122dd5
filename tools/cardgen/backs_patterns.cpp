#include <cmath>
#include <numbers>

#include "tools/cardgen/back_designs.h"

namespace cardgen::backs {
namespace {

// Lattice: two sets of diagonal bands, crossing over and under in turn.
constexpr int kWeavePeriod = 6;
constexpr int kWeaveBand = 4;

// Harlequin diamonds: width and height of one diamond.
constexpr int kHarlequinWidth = 16;
constexpr int kHarlequinHeight = 22;

constexpr int kStarCount = 12;
constexpr double kStarRing = 22.0;

// clang-format off
const Glyph kStar{
    "...Y...",
    "...Y...",
    "..YYY..",
    "YYYYYYY",
    ".YYYYY.",
    ".YY.YY.",
    "YY...YY",
};
// clang-format on

} // namespace

void PaintLattice(Canvas& card, const Rect& field) {
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            const int u = x + y;
            const int v = x - y + 2 * field.height; // kept positive
            const int a = Wrap(u, kWeavePeriod);
            const int b = Wrap(v, kWeavePeriod);
            const bool in_a = a < kWeaveBand;
            const bool in_b = b < kWeaveBand;
            Colour c = Colour::Maroon; // the gaps between bands
            if (in_a || in_b) {
                // Where bands cross, the one on top alternates from crossing to crossing.
                const bool a_on_top =
                    in_a && (!in_b || (u / kWeavePeriod + v / kWeavePeriod) % 2 == 0);
                const int across = a_on_top ? a : b;
                c = (across == 0 || across == kWeaveBand - 1) ? Colour::Maroon : Colour::Red;
                if (across == 1) {
                    c = Colour::Red;
                }
            }
            card.Set(x, y, c);
        }
    }
}

void PaintHarlequin(Canvas& card, const Rect& field) {
    const double cx = field.x + field.width / 2.0;
    const double cy = field.y + field.height / 2.0;
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            const double s = (x + 0.5 - cx) / kHarlequinWidth + (y + 0.5 - cy) / kHarlequinHeight;
            const double t = (x + 0.5 - cx) / kHarlequinWidth - (y + 0.5 - cy) / kHarlequinHeight;
            const long cell = std::lround(std::floor(s + 0.5)) + std::lround(std::floor(t + 0.5));
            const double edge = std::min(std::abs(s - std::round(s)), std::abs(t - std::round(t)));
            Colour c = (cell % 2 == 0) ? Colour::Red : Colour::Silver;
            if (std::abs(edge - 0.5) < 0.03) {
                c = Colour::Maroon;
            }
            card.Set(x, y, c);
        }
    }
}

void PaintStars(Canvas& card, const Rect& field) {
    card.Fill(field, Colour::Blue);
    const double cx = field.x + (field.width - 1) / 2.0;
    const double cy = field.y + (field.height - 1) / 2.0;
    for (int i = 0; i < kStarCount; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / kStarCount;
        const int sx = static_cast<int>(std::lround(cx + kStarRing * std::sin(angle)));
        const int sy = static_cast<int>(std::lround(cy - kStarRing * std::cos(angle)));
        card.Draw(kStar, sx - kStar.Width() / 2, sy - kStar.Height() / 2, Colour::Yellow);
    }
    // The emblem: an orange disc (red and yellow mixed pixel by pixel) ringed in yellow.
    constexpr double kEmblem = 6.5;
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            const double d = std::hypot(x - cx, y - cy);
            if (d <= kEmblem - 1.0) {
                card.Set(x, y, (x + y) % 2 == 0 ? Colour::Red : Colour::Yellow);
            } else if (d <= kEmblem) {
                card.Set(x, y, Colour::Yellow);
            }
        }
    }
}

} // namespace cardgen::backs
