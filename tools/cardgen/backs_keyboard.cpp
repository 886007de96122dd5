#include <cmath>

#include "tools/cardgen/back_designs.h"

namespace cardgen::backs {
namespace {

constexpr double kKeyWidth = 6.0;
constexpr double kBandHalf = 11.0;
constexpr double kBlackKeyHalf = 1.6;
constexpr int kStaffGap = 3;
constexpr int kStaffLines = 5;

// A quarter note and a pair of quavers, drawn on the staves.
// clang-format off
const Glyph kQuarter{
    "...W",
    "...W",
    "...W",
    "...W",
    ".WWW",
    "WWWW",
    "WWW.",
};

const Glyph kQuavers{
    "...WWWWWW",
    "...W....W",
    "...W....W",
    "...W....W",
    ".WWW..WWW",
    "WWWW.WWWW",
    "WWW..WWW.",
};
// clang-format on

// White keys have a black key at their upper edge except after E and B.
bool HasBlackKeyAfter(long white_key) {
    const long k = ((white_key % 7) + 7) % 7;
    return k != 2 && k != 6;
}

void PaintStaff(Canvas& card, const Rect& field, int top) {
    for (int i = 0; i < kStaffLines; ++i) {
        card.HorizontalLine(field.x, field.Right(), top + i * kStaffGap, Colour::White);
    }
}

} // namespace

void PaintKeyboard(Canvas& card, const Rect& field) {
    card.Fill(field, Colour::Blue);
    // Staves above and below the keyboard, with a few notes on them.
    const int upper = field.y + 6;
    const int lower = field.Bottom() - 6 - (kStaffLines - 1) * kStaffGap;
    PaintStaff(card, field, upper);
    PaintStaff(card, field, lower);
    card.Draw(kQuarter, field.x + 4, upper + 2, Colour::White);
    card.Draw(kQuavers, field.x + 12, upper + 1, Colour::White);
    card.Draw(kQuavers, field.Right() - 22, lower + 4, Colour::White);
    card.Draw(kQuarter, field.Right() - 8, lower + 3, Colour::White);

    // The keyboard runs from the lower left corner to the upper right one.
    const double cx = field.x + field.width / 2.0;
    const double cy = field.y + field.height / 2.0;
    const double len = std::hypot(field.width, field.height);
    const double dx = field.width / len;
    const double dy = -field.height / len;
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            const double px = x + 0.5 - cx;
            const double py = y + 0.5 - cy;
            const double along = px * dx + py * dy + 1000.0 * kKeyWidth;
            const double across = px * -dy + py * dx; // negative towards the upper left
            if (std::abs(across) > kBandHalf + 1.0) {
                continue;
            }
            Colour c = Colour::White;
            const long key = static_cast<long>(std::floor(along / kKeyWidth));
            const double in_key = along - key * kKeyWidth;
            if (std::abs(across) > kBandHalf) {
                c = Colour::Black; // the keyboard's edges
            } else if (in_key < 1.0) {
                c = Colour::Black; // the gap between two white keys
            } else if (across < 2.0) {
                // Black keys straddle the gaps on the far side of the keyboard.
                const bool after = in_key > kKeyWidth - kBlackKeyHalf && HasBlackKeyAfter(key);
                const bool before = in_key < kBlackKeyHalf && HasBlackKeyAfter(key - 1);
                if (after || before) {
                    c = Colour::Black;
                }
            }
            card.Set(x, y, c);
        }
    }
}

} // namespace cardgen::backs
