#pragma once

#include "tools/cardgen/card_types.h"
#include "tools/cardgen/glyph.h"

namespace cardgen {

// The corner index of a rank: "A", "2" … "10", "J", "Q", "K", nine pixels tall with
// two-pixel strokes so it stays crisp at card size.
const Glyph& RankGlyph(Rank r);

} // namespace cardgen
