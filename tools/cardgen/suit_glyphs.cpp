#include "tools/cardgen/suit_glyphs.h"

#include <cmath>

namespace cardgen {
namespace {

// clang-format off
const Glyph kIndexClub{
    "..###..",
    ".#####.",
    "..###..",
    "##.#.##",
    "#######",
    "##.#.##",
    "...#...",
    "..###..",
};

const Glyph kIndexDiamond{
    "...#...",
    "..###..",
    "..###..",
    ".#####.",
    "#######",
    ".#####.",
    "..###..",
    "..###..",
    "...#...",
};

const Glyph kIndexHeart{
    ".##.##.",
    "#######",
    "#######",
    "#######",
    ".#####.",
    "..###..",
    "...#...",
};

const Glyph kIndexSpade{
    "...#...",
    "..###..",
    ".#####.",
    "#######",
    "#######",
    "##.#.##",
    "...#...",
    "..###..",
};

const Glyph kPipClub{
    "....###....",
    "...#####...",
    "...#####...",
    "...#####...",
    "....###....",
    ".###.#.###.",
    "###########",
    "###########",
    "###########",
    ".###.#.###.",
    ".....#.....",
    "....###....",
    "...#####...",
};

const Glyph kPipDiamond{
    ".....#.....",
    "....###....",
    "....###....",
    "...#####...",
    "..#######..",
    ".#########.",
    "###########",
    ".#########.",
    "..#######..",
    "...#####...",
    "....###....",
    "....###....",
    ".....#.....",
};

const Glyph kPipHeart{
    ".###...###.",
    "#####.#####",
    "###########",
    "###########",
    "###########",
    ".#########.",
    ".#########.",
    "..#######..",
    "...#####...",
    "....###....",
    ".....#.....",
};

const Glyph kPipSpade{
    ".....#.....",
    "....###....",
    "...#####...",
    "..#######..",
    ".#########.",
    "###########",
    "###########",
    "###########",
    "###########",
    ".###.#.###.",
    ".....#.....",
    "....###....",
    "...#####...",
};
// clang-format on

bool InCircle(double u, double v, double cu, double cv, double r) {
    return (u - cu) * (u - cu) + (v - cv) * (v - cv) <= r * r;
}

// A heart with its point down, in a box of its own.
bool InHeart(double u, double v) {
    const double lobe = 0.255;
    if (v < 0.32) {
        return InCircle(u, v, 0.5 - lobe, lobe + 0.02, lobe) ||
               InCircle(u, v, 0.5 + lobe, lobe + 0.02, lobe);
    }
    // Below the lobes the sides curve in to the point.
    const double t = (v - 0.32) / 0.68;
    return std::abs(u - 0.5) <= 0.5 * std::pow(1.0 - t, 1.15) + 0.005;
}

// The flared foot under spades and clubs.
bool InFoot(double u, double v, double from) {
    if (v < from) {
        return false;
    }
    const double t = (v - from) / (1.0 - from);
    return std::abs(u - 0.5) <= 0.035 + 0.2 * t * t * t;
}

} // namespace

const Glyph& SuitSign(Suit s, SignSize size) {
    const bool pip = size == SignSize::Pip;
    switch (s) {
    case Suit::Clubs:
        return pip ? kPipClub : kIndexClub;
    case Suit::Diamonds:
        return pip ? kPipDiamond : kIndexDiamond;
    case Suit::Hearts:
        return pip ? kPipHeart : kIndexHeart;
    case Suit::Spades:
        break;
    }
    return pip ? kPipSpade : kIndexSpade;
}

bool InsideSuitShape(Suit s, double u, double v) {
    switch (s) {
    case Suit::Clubs:
        return InCircle(u, v, 0.5, 0.22, 0.215) || InCircle(u, v, 0.225, 0.54, 0.215) ||
               InCircle(u, v, 0.775, 0.54, 0.215) || InCircle(u, v, 0.5, 0.5, 0.13) ||
               InFoot(u, v, 0.55);
    case Suit::Diamonds:
        return std::abs(u - 0.5) / 0.5 + std::abs(v - 0.5) / 0.5 <= 1.0;
    case Suit::Hearts:
        return InHeart(u, v);
    case Suit::Spades:
        break;
    }
    // A heart stood on its head over a foot.
    return (v <= 0.8 && InHeart(u, 1.0 - v / 0.8)) || InFoot(u, v, 0.6);
}

void PaintLargeSign(Canvas& card, Suit s, const Rect& box) {
    card.FillShape(box, InkOf(s), [s](double u, double v) { return InsideSuitShape(s, u, v); });
}

} // namespace cardgen
