#pragma once

#include <cstdint>
#include <vector>

#include "tools/cardgen/canvas.h"

namespace cardgen {

inline constexpr int kInfoHeaderSize = 40;

// Bytes in one stored row of a bitmap `width` pixels wide at `bits` bits a pixel: rows are
// padded to whole 32-bit words.
int StrideFor(int width, int bits);

// The picture as a device-independent bitmap the way the game stores it: a 40-byte info
// header, the 16-entry palette and 4-bit pixels, rows bottom-up, no file header.
// Throws std::invalid_argument if any pixel is transparent: pictures are opaque.
std::vector<std::uint8_t> EncodeDib(const Canvas& picture);

} // namespace cardgen
