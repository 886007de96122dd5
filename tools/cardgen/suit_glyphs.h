#pragma once

#include "tools/cardgen/canvas.h"
#include "tools/cardgen/card_types.h"
#include "tools/cardgen/glyph.h"

namespace cardgen {

// Index: the small sign under the corner rank. Pip: the sign of the pip layouts and of the
// court frames' corners.
enum class SignSize { Index, Pip };

const Glyph& SuitSign(Suit s, SignSize size);

// The larger signs are laid out from geometry rather than drawn pixel by pixel: `u` and `v`
// run from 0 to 1 across the sign's box.
bool InsideSuitShape(Suit s, double u, double v);

// The centre of an ace: one large sign filling `box`.
void PaintLargeSign(Canvas& card, Suit s, const Rect& box);

// The ace of spades' large ornamental spade, filling `box`.
void PaintOrnamentalSpade(Canvas& card, const Rect& box);

} // namespace cardgen
