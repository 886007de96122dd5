#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "tools/cardgen/palette.h"

namespace cardgen {

// A small hand-drawn picture given as text art, one string per row:
//   '.' or ' '  leaves the pixel alone        '#'  ink (the colour chosen when drawing)
//   'K' black   'M' maroon   'O' olive   'W' white   'R' red   'Y' yellow
//   'G' green   'L' lime     'B' blue    'N' navy    'S' silver 'g' grey
// Every row must be equally long; anything else is a mistake in the art and throws.
class Glyph {
public:
    enum class Cell : unsigned char { Clear, Ink, Fixed };

    Glyph() = default;
    Glyph(std::initializer_list<std::string_view> rows);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Cell CellAt(int x, int y) const { return cells_[Offset(x, y)]; }
    Colour FixedColour(int x, int y) const { return colours_[Offset(x, y)]; }

private:
    int Offset(int x, int y) const { return y * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Cell> cells_;
    std::vector<Colour> colours_;
};

} // namespace cardgen
