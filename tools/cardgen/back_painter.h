#pragma once

#include "tools/cardgen/canvas.h"

namespace cardgen {

// The six card-back designs, numbered 1..6 as the Deck menu numbers them.
enum class BackDesign {
    Lattice = 1,   // dense red and dark-red woven lattice
    Vines = 2,     // green vines with red-and-yellow fruits and white dots on black
    Roses = 3,     // large red roses among dark green leaves on black
    Harlequin = 4, // red and light-grey diamonds
    Stars = 5,     // a ring of twelve yellow stars round an orange emblem on blue
    Keyboard = 6,  // a piano keyboard across a blue field with white staves and notes
};

inline constexpr int kBackDesignCount = 6;

// The back inside a white margin and the black frame. Throws std::invalid_argument for a
// design number outside 1..6.
Canvas PaintBack(int design);

// The empty slot: a sunken light-grey tray stippled with black dots.
Canvas PaintEmptySlot();

} // namespace cardgen
