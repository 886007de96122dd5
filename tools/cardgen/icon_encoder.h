#pragma once

#include <cstdint>
#include <vector>

#include "tools/cardgen/canvas.h"

namespace cardgen {

struct HotSpot {
    int x = 0;
    int y = 0;
};

// A .cur file with one black-and-white image; transparent pixels go to the mask.
// Throws std::invalid_argument for any colour other than black, white or transparent, or a
// hot spot outside the image.
std::vector<std::uint8_t> EncodeCursor(const Canvas& image, HotSpot hot);

// A .ico file holding each image at 4 bits a pixel in the 16-colour palette, with transparent
// pixels in the mask. Images must be 1..256 pixels on a side.
std::vector<std::uint8_t> EncodeIcon(const std::vector<Canvas>& images);

} // namespace cardgen
