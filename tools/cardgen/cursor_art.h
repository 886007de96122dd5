#pragma once

#include "tools/cardgen/canvas.h"
#include "tools/cardgen/icon_encoder.h"

namespace cardgen {

inline constexpr int kCursorSize = 32;

// A pointing hand, index finger up; the hot spot is the fingertip.
inline constexpr HotSpot kHandHotSpot{7, 1};
Canvas PaintHandCursor();

// Two arrows chasing each other round a circle; the hot spot is the centre.
inline constexpr HotSpot kChangeHotSpot{15, 15};
Canvas PaintChangeCursor();

} // namespace cardgen
