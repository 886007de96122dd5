#pragma once

#include <vector>

#include "tools/cardgen/canvas.h"
#include "tools/cardgen/png_encoder.h"

namespace cardgen {

// The sizes a desktop icon theme is given beyond the icon's own 16 and 32 pixels.
const std::vector<int>& ThemeIconSizes();

// The application icon at `size` pixels, drawn from the icon's own art enlarged by a whole
// factor, so every art pixel stays a sharp square: the 32-pixel art where it divides the
// size, else the 16-pixel one. Throws std::invalid_argument for a size neither divides.
Canvas PaintThemeIcon(int size);

// `picture` as a palette PNG image, see-through pixels kept see-through.
IndexedImage ToIndexedImage(const Canvas& picture);

} // namespace cardgen
