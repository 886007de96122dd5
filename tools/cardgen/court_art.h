#pragma once

#include "tools/cardgen/card_types.h"
#include "tools/cardgen/glyph.h"

namespace cardgen {

// The upper half of the court figure of a jack, queen or king, the width of the inside of the
// court frame and reaching down to its middle row. The lower half is this turned half way
// round. Its top-left corner is left blank for the suit sign.
const Glyph& CourtFigure(Rank r);

} // namespace cardgen
