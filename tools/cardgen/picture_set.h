#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/cardgen/canvas.h"

namespace cardgen {

// Picture numbers: card code c (1..52) is its own face, back design t (1..6) is 52 + t, and
// 63 is the empty slot. Nothing is drawn under 59..62.
inline constexpr int kFirstBack = 53;
inline constexpr int kLastBack = 58;
inline constexpr int kEmptySlot = 63;

// Every number that has a picture, in order.
std::vector<int> PictureNumbers();

// The picture under `number`, or nothing when no picture has that number.
std::optional<Canvas> PaintPicture(int number);

// The name the game looks a picture up by: "BITMAP_" and the number.
std::string PictureName(int number);

} // namespace cardgen
