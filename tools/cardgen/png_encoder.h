#pragma once

#include <cstdint>
#include <vector>

#include "tools/cardgen/palette.h"

namespace cardgen {

// An 8-bit indexed image with its own palette (up to 256 colours), for the contact sheet.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels; // row by row, top down
    // Opacity of the first palette entries (0 see-through, 255 solid); the rest are solid.
    std::vector<std::uint8_t> alpha;
};

// A valid PNG of the image. The deflate stream uses stored blocks only: the sheet is a
// development aid, and this keeps the generator free of a compression library.
// Throws std::invalid_argument when the pixels or opacities do not fit the size or palette.
std::vector<std::uint8_t> EncodePng(const IndexedImage& image);

} // namespace cardgen
