#include "tools/cardgen/icon_art.h"

namespace cardgen {
namespace {

constexpr int kSmallIcon = 16;

// clang-format off
// A king's card (Y crown with R jewels, W face, O beard, M robe) standing behind a stack of
// three cards whose top one shows a blue chequered back with two small red signs.
// '.' is see-through.
const Glyph kLargeIcon{
    "............KKKKKKKKKKKKKKKKKKK.",
    "............KWWWWWWWWWWWWWWWWWK.",
    "............KMWWWYWWWYWWWYWWWWK.",
    "............KMWWWYYWYYYWYYWWWWK.",
    "............KMWWWYYYYYYYYYWWWWK.",
    "............KWWWWYRYYRYYRYWWWWK.",
    "............KWWWKKKKKKKKKKKWWWK.",
    "............KWWWKWWWWWWWWWKWWWK.",
    "............KWWWKWKKWWWKKWKWWWK.",
    "............KWWWKWWWWWWWWWKWWWK.",
    "............KWWWKWWWWKWWWWKWWWK.",
    ".KKKKKKKKKKKKKKKKKWWKKWWWWOWWWK.",
    ".KWWWWWWWWWWWWWWWKOOWWWOOOOWWWK.",
    ".KWRWRWBWBWBWBWBWKKKOOOOOOMMWWK.",
    ".KWRRRBWBWBWBWBWWKWKOOOOOMMMMWK.",
    ".KWWRWWBWBWBWBWBWKWKKKOOMMYMMWK.",
    ".KWWBWBWBWBWBWBWWKWKWKOMMMMMMWK.",
    ".KWBWBWBWBWBWBWBWKWKWKMMMMYMMWK.",
    ".KWWBWBWBWBWBWBWWKWKWKYMMMMMMWK.",
    ".KWBWBWBWBWBWBWBWKWKWKMMMMYMMWK.",
    ".KWWBWBWBWBWBWBWWKWKWKMMMMMMMWK.",
    ".KWBWBWBWBWBWBWBWKWKWKWWWWWWMWK.",
    ".KWWBWBWBWBWBWBWWKWKWKWWWWWWMWK.",
    ".KWBWBWBWBWBWRWRWKWKWKWWWWWWWWK.",
    ".KWWBWBWBWBWBRRRWKWKWKKKKKKKKKK.",
    ".KWBWBWBWBWBWWRWWKWKWK..........",
    ".KWWWWWWWWWWWWWWWKWKWK..........",
    ".KKKKKKKKKKKKKKKKKWKWK..........",
    "...KWWWWWWWWWWWWWWWKWK..........",
    "...KKKKKKKKKKKKKKKKKWK..........",
    ".....KWWWWWWWWWWWWWWWK..........",
    ".....KKKKKKKKKKKKKKKKK..........",
};
// clang-format on

} // namespace

Canvas PaintLargeIcon() {
    Canvas icon(kLargeIcon.Width(), kLargeIcon.Height(), Colour::Transparent);
    icon.Draw(kLargeIcon, 0, 0, Colour::Black);
    return icon;
}

Canvas PaintSmallIcon() {
    Canvas icon(kSmallIcon, kSmallIcon, Colour::Transparent);
    const Rect card{2, 0, 12, 16};
    icon.Fill(card, Colour::White);
    icon.Outline(card, Colour::Black);
    for (int y = card.y + 2; y <= card.Bottom() - 2; ++y) {
        for (int x = card.x + 2; x <= card.Right() - 2; ++x) {
            icon.Set(x, y, (x + y) % 2 == 0 ? Colour::Red : Colour::White);
        }
    }
    return icon;
}

} // namespace cardgen
