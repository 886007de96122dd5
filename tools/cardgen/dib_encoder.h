#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/cardgen/byte_writer.h"
#include "tools/cardgen/canvas.h"

namespace cardgen {

inline constexpr int kInfoHeaderSize = 40;

// Bytes in one stored row of a bitmap `width` pixels wide at `bits` bits a pixel: rows are
// padded to whole 32-bit words.
int StrideFor(int width, int bits);

// The 40-byte info header and the palette that open a device-independent bitmap, also each
// image inside an icon or cursor file. `height` is as stored (positive: rows bottom-up).
void WriteInfoHeader(ByteWriter& out, int width, int height, int bits, std::uint32_t imageBytes,
                     std::span<const Rgb> palette);

// The picture as a device-independent bitmap the way the game stores it: a 40-byte info
// header, the 16-entry palette and 4-bit pixels, rows bottom-up, no file header.
// Throws std::invalid_argument if any pixel is transparent: pictures are opaque.
std::vector<std::uint8_t> EncodeDib(const Canvas& picture);

} // namespace cardgen
