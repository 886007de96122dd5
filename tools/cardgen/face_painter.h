#pragma once

#include "tools/cardgen/canvas.h"
#include "tools/cardgen/card_types.h"

namespace cardgen {

// The face of one card: white field, black frame, the rank index top left and turned half
// way round bottom right, and the pips, the ace's sign or the court figure in between.
Canvas PaintFace(Suit suit, Rank rank);

} // namespace cardgen
