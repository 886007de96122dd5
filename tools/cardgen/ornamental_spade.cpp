#include <vector>

#include "tools/cardgen/suit_glyphs.h"

namespace cardgen {
namespace {

// A fleur in white that sits in the body of the big spade.
// clang-format off
const Glyph kFleur{
    "......W......",
    ".....WWW.....",
    "....WW.WW....",
    "....W...W....",
    "....WW.WW....",
    ".....W.W.....",
    ".WW...W...WW.",
    "W..W..W..W..W",
    "W...WWWWW...W",
    ".W..W.W.W..W.",
    "..WW..W..WW..",
    "......W......",
    "....WWWWW....",
    ".....W.W.....",
    "......W......",
};

// Curls that spring from either side of the foot (the right one is this one mirrored).
const Glyph kCurlLeft{
    "...KKKK...",
    "..K....K..",
    ".K..KK..K.",
    ".K.K..K.K.",
    ".K..K.K.K.",
    "..K...K.K.",
    "...KKK..K.",
    ".......K..",
    "KKKKKKK...",
};
// clang-format on

void DrawMirrored(Canvas& card, const Glyph& g, int x, int y) {
    for (int gy = 0; gy < g.Height(); ++gy) {
        for (int gx = 0; gx < g.Width(); ++gx) {
            if (g.CellAt(gx, gy) == Glyph::Cell::Fixed) {
                card.Set(x + g.Width() - 1 - gx, y + gy, g.FixedColour(gx, gy));
            }
        }
    }
}

} // namespace

void PaintOrnamentalSpade(Canvas& card, const Rect& box) {
    // The shape as a mask, so the inset line can follow its outline.
    std::vector<bool> mask(static_cast<std::size_t>(box.width * box.height));
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < box.width && y < box.height &&
               mask[static_cast<std::size_t>(y * box.width + x)];
    };
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            mask[static_cast<std::size_t>(y * box.width + x)] =
                InsideSuitShape(Suit::Spades, (x + 0.5) / box.width, (y + 0.5) / box.height);
        }
    }
    auto deep = [&](int x, int y, int depth) {
        for (int dy = -depth; dy <= depth; ++dy) {
            for (int dx = -depth; dx <= depth; ++dx) {
                if (dx * dx + dy * dy <= depth * depth && !inside(x + dx, y + dy)) {
                    return false;
                }
            }
        }
        return true;
    };
    constexpr int kInset = 3;
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool on_line = deep(x, y, kInset - 1) && !deep(x, y, kInset);
            card.Set(box.x + x, box.y + y, on_line ? Colour::White : Colour::Black);
        }
    }
    const int centre_x = box.x + (box.width - kFleur.Width()) / 2;
    card.Draw(kFleur, centre_x, box.y + box.height * 30 / 100, Colour::White);
    const int curl_y = box.Bottom() - kCurlLeft.Height() + 1;
    const int half = box.width / 2;
    card.Draw(kCurlLeft, box.x + half - 4 - kCurlLeft.Width() - 1, curl_y, Colour::Black);
    DrawMirrored(card, kCurlLeft, box.Right() - half + 5 + 1, curl_y);
}

} // namespace cardgen
