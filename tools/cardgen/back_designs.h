#pragma once

#include "tools/cardgen/canvas.h"

// The individual back designs, each painting the field inside the white margin.
namespace cardgen::backs {

void PaintLattice(Canvas& card, const Rect& field);
void PaintVines(Canvas& card, const Rect& field);
void PaintRoses(Canvas& card, const Rect& field);
void PaintHarlequin(Canvas& card, const Rect& field);
void PaintStars(Canvas& card, const Rect& field);
void PaintKeyboard(Canvas& card, const Rect& field);

// x mod m, never negative: the patterns are laid out on both sides of their centres.
inline int Wrap(int x, int m) {
    return ((x % m) + m) % m;
}

} // namespace cardgen::backs
