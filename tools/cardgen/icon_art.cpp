#include "tools/cardgen/icon_art.h"

namespace cardgen {
namespace {

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;

// The king's card, upright behind the stack: Y crown, W face, K hair and outline, M robe.
// clang-format off
const Glyph kKingCard{
    "KKKKKKKKKKKKKKKKK",
    "KWWWWWWWWWWWWWWWK",
    "KWMWWWYWYWYWWWWWK",
    "KWWWWWYYYYYWWWWWK",
    "KWWWWWKKKKKWWWWWK",
    "KWWWWKWWWWWKWWWWK",
    "KWWWWKWKWKWKWWWWK",
    "KWWWWKWWWWWKWWWWK",
    "KWWWWWKOOOKWWWWWK",
    "KWWWWWWKOKWWWWWWK",
    "KWWWMMMMMMMMMWWWK",
    "KWWMMMYMMMYMMMWWK",
    "KWWMMMMYYYMMMMWWK",
    "KWWMMMMMMMMMMMWWK",
    "KWWMMMMMMMMMMMWWK",
    "KWWMMMMMMMMMMMWWK",
};

// Two small red signs on the blue back, in opposite corners.
const Glyph kRedHeart{
    "R.R",
    "RRR",
    ".R.",
};
// clang-format on

void PaintCardBack(Canvas& icon, const Rect& card, Colour check, Colour between) {
    icon.Fill(card, Colour::White);
    icon.Outline(card, Colour::Black);
    const Rect inner{card.x + 2, card.y + 2, card.width - 4, card.height - 4};
    for (int y = inner.y; y <= inner.Bottom(); ++y) {
        for (int x = inner.x; x <= inner.Right(); ++x) {
            icon.Set(x, y, (x + y) % 2 == 0 ? check : between);
        }
    }
}

} // namespace

Canvas PaintLargeIcon() {
    Canvas icon(kLargeIcon, kLargeIcon, Colour::Transparent);
    icon.Draw(kKingCard, 13, 0, Colour::Black);
    // The stack: the edges of two cards under the top one, offset down and to the right.
    const Rect top{2, 9, 20, 21};
    icon.Outline({top.x + 2, top.y + 2, top.width, top.height}, Colour::Black);
    icon.Fill({top.x + 3, top.y + 3, top.width - 2, top.height - 2}, Colour::Silver);
    icon.Outline({top.x + 1, top.y + 1, top.width, top.height}, Colour::Black);
    icon.Fill({top.x + 2, top.y + 2, top.width - 2, top.height - 2}, Colour::White);
    PaintCardBack(icon, top, Colour::Blue, Colour::White);
    icon.Fill({top.x + 3, top.y + 3, 5, 5}, Colour::White);
    icon.Draw(kRedHeart, top.x + 4, top.y + 4, Colour::Red);
    icon.Fill({top.Right() - 7, top.Bottom() - 7, 5, 5}, Colour::White);
    icon.Draw(kRedHeart, top.Right() - 6, top.Bottom() - 6, Colour::Red, Turn::HalfTurn);
    return icon;
}

Canvas PaintSmallIcon() {
    Canvas icon(kSmallIcon, kSmallIcon, Colour::Transparent);
    PaintCardBack(icon, {2, 1, 12, 15}, Colour::Red, Colour::White);
    return icon;
}

} // namespace cardgen
