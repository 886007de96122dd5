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

// Roses: seen from above, petals wound in a spiral inside a scalloped rim.
constexpr double kRoseRadius = 8.0;
constexpr double kRoseSpiralStep = 2.6;
constexpr int kRosePetals = 5;

const Glyph kRoseLeaf{
    "......GGG",
    "....GGGGG",
    "..GGGGKGG",
    ".GGGGKGGG",
    "GGGKKGGG.",
    "GGKGGGG..",
    "GKGGG....",
    "KGG......",
};

const Glyph kRoseLeafTurned{
    "GGG......",
    "GGGGG....",
    "GGKGGGG..",
    "GGGKGGGG.",
    ".GGGKKGGG",
    "..GGGGKGG",
    "....GGGKG",
    "......GGK",
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

namespace {

void PaintRose(Canvas& layer, int cx, int cy) {
    for (int y = cy - 11; y <= cy + 11; ++y) {
        for (int x = cx - 11; x <= cx + 11; ++x) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double r = std::hypot(dx, dy);
            const double theta = std::atan2(dy, dx) + std::numbers::pi; // 0..2 pi
            const double rim = kRoseRadius + 1.5 * std::abs(std::sin(kRosePetals * theta / 2.0));
            if (r > rim) {
                continue;
            }
            // Distance to the nearest turn of the spiral r = step * (theta / 2 pi + k).
            const double turns = r / kRoseSpiralStep - theta / (2.0 * std::numbers::pi);
            const double off = std::abs(turns - std::round(turns)) * kRoseSpiralStep;
            Colour c = Colour::Red;
            if (r > rim - 1.0) {
                c = Colour::Maroon;
            } else if (off < 0.55) {
                c = r < 3.0 ? Colour::Black : Colour::Maroon;
            }
            layer.Set(x, y, c);
        }
    }
}

} // namespace

void PaintRoses(Canvas& card, const Rect& field) {
    card.Fill(field, Colour::Black);
    Canvas layer(card.Width(), card.Height(), Colour::Transparent);
    // Roses in two staggered columns, cut off at the edges like a printed pattern.
    constexpr int kColumnStep = 32;
    constexpr int kRowStep = 22;
    for (int row = -1; row * kRowStep <= field.height + kRowStep; ++row) {
        for (int col = -1; col * kColumnStep <= field.width + kColumnStep; ++col) {
            const int x = field.x + 8 + col * kColumnStep + (row % 2 == 0 ? 0 : kColumnStep / 2);
            const int y = field.y + 8 + row * kRowStep;
            layer.Draw(kRoseLeaf, x - 15, y + 1, Colour::Green);
            layer.Draw(kRoseLeafTurned, x + 7, y + 2, Colour::Green);
            layer.Draw(kRoseLeaf, x + 6, y - 11, Colour::Green);
            PaintRose(layer, x, y);
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
