#include <cmath>
#include <numbers>

#include "tools/cardgen/back_designs.h"

namespace cardgen::backs {
namespace {

// Vines: upright stems swaying from side to side, a leaf at every turn.
constexpr int kVineSpacing = 16;
constexpr double kVineSway = 3.5;
constexpr int kVineWave = 24;
constexpr int kDotStep = 8;

// clang-format off
const Glyph kLeafLeft{
    "..GGG",
    ".GLLG",
    "GLLG.",
    "GGG..",
};

const Glyph kLeafRight{
    "GGG..",
    "GLLG.",
    ".GLLG",
    "..GGG",
};

const Glyph kFruit{
    ".G.",
    "RRR",
    "RYR",
    "RRR",
};

// Roses: a red bloom with dark petal lines, set among leaves.
const Glyph kRose{
    "....MRRRRRM....",
    "..MRRRRRRRRRM..",
    ".MRRRMMMMMRRRM.",
    ".RRRMRRRRRMRRR.",
    "MRRMRRMMMRRMRRM",
    "RRMRRMRRRMRRMRR",
    "RRMRMRRMRRMRMRR",
    "RRMRMRMMRRMRMRR",
    "RRMRRMRRRMRRMRR",
    "MRRMRRMMMRRMRRM",
    ".RRRMRRRRRMRRR.",
    ".MRRRMMMMMRRRM.",
    "..MRRRRRRRRRM..",
    "....MRRRRRM....",
};

const Glyph kRoseLeaf{
    "....GGG",
    "..GGLGG",
    ".GGLGG.",
    "GGLGG..",
    "GLGG...",
    "GGG....",
};

const Glyph kRoseLeafTurned{
    "GGG....",
    "GGLGG..",
    ".GGLGG.",
    "..GGLGG",
    "...GGLG",
    "....GGG",
};
// clang-format on

} // namespace

void PaintVines(Canvas& card, const Rect& field) {
    card.Fill(field, Colour::Black);
    for (int y = field.y + 2; y <= field.Bottom(); y += kDotStep) {
        for (int x = field.x + 4; x <= field.Right(); x += kDotStep) {
            card.Set(x, y, Colour::White);
        }
    }
    Canvas vines(card.Width(), card.Height(), Colour::Transparent);
    for (int stem = 0; field.x + 8 + stem * kVineSpacing <= field.Right(); ++stem) {
        const int base_x = field.x + 8 + stem * kVineSpacing;
        const double phase = stem * std::numbers::pi;
        for (int y = field.y; y <= field.Bottom(); ++y) {
            const double s = std::sin(2.0 * std::numbers::pi * y / kVineWave + phase);
            vines.Set(base_x + static_cast<int>(std::lround(kVineSway * s)), y, Colour::Green);
        }
        // At the far point of each sway, a leaf outwards and a fruit inwards.
        for (int turn = 0;; ++turn) {
            const int y = field.y - kVineWave / 4 + turn * kVineWave / 2 +
                          static_cast<int>(stem % 2) * kVineWave / 2;
            if (y > field.Bottom() + 4) {
                break;
            }
            const bool right = (turn + stem) % 2 == 0;
            const int x = base_x + static_cast<int>(right ? kVineSway : -kVineSway);
            if (right) {
                vines.Draw(kLeafRight, x + 1, y - 3, Colour::Green);
                vines.Draw(kFruit, x - 4, y + 1, Colour::Red);
            } else {
                vines.Draw(kLeafLeft, x - 5, y - 3, Colour::Green);
                vines.Draw(kFruit, x + 2, y + 1, Colour::Red);
            }
        }
    }
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            if (vines.At(x, y) != Colour::Transparent) {
                card.Set(x, y, vines.At(x, y));
            }
        }
    }
}

void PaintRoses(Canvas& card, const Rect& field) {
    card.Fill(field, Colour::Black);
    Canvas layer(card.Width(), card.Height(), Colour::Transparent);
    // Roses in two staggered columns, cut off at the edges like a printed pattern.
    constexpr int kColumnStep = 32;
    constexpr int kRowStep = 22;
    for (int row = -1; row * kRowStep <= field.height; ++row) {
        for (int col = -1; col * kColumnStep <= field.width; ++col) {
            const int x = field.x + col * kColumnStep + (row % 2 == 0 ? 0 : kColumnStep / 2) + 2;
            const int y = field.y + row * kRowStep + 3;
            layer.Draw(kRoseLeaf, x - 6, y + 9, Colour::Green);
            layer.Draw(kRoseLeafTurned, x + 13, y + 9, Colour::Green);
            layer.Draw(kRoseLeaf, x + 13, y - 2, Colour::Green);
            layer.Draw(kRose, x, y, Colour::Red);
        }
    }
    for (int y = field.y; y <= field.Bottom(); ++y) {
        for (int x = field.x; x <= field.Right(); ++x) {
            if (layer.At(x, y) != Colour::Transparent) {
                card.Set(x, y, layer.At(x, y));
            }
        }
    }
}

} // namespace cardgen::backs
