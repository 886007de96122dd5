#pragma once

#include <functional>
#include <vector>

#include "tools/cardgen/glyph.h"
#include "tools/cardgen/palette.h"

namespace cardgen {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width - 1; }
    int Bottom() const { return y + height - 1; }
    bool Contains(int px, int py) const {
        return px >= x && py >= y && px <= Right() && py <= Bottom();
    }
};

// How a glyph is put down: as drawn, or turned half way round (the lower end of a card).
enum class Turn { Upright, HalfTurn };

// A grid of palette colours that the painters draw on. Drawing outside the grid is clipped,
// so layouts may let a shape run off an edge; reading outside it throws.
class Canvas {
public:
    Canvas(int width, int height, Colour fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour At(int x, int y) const;
    void Set(int x, int y, Colour c);

    void Fill(const Rect& r, Colour c);
    void Outline(const Rect& r, Colour c);
    void HorizontalLine(int x0, int x1, int y, Colour c);
    void VerticalLine(int x, int y0, int y1, Colour c);

    // Ink cells take `ink`; fixed cells keep their own colour.
    void Draw(const Glyph& g, int x, int y, Colour ink, Turn turn = Turn::Upright);

    // Colours every pixel of `r` for which `inside(u, v)` holds, where u and v run from 0 to 1
    // across the rectangle and are sampled at pixel centres. Used for the larger shapes.
    void FillShape(const Rect& r, Colour c, const std::function<bool(double, double)>& inside);

    // Copies the upper half of `r` into its lower half turned half way round, which makes the
    // rectangle read the same from both ends.
    void CompleteHalfTurn(const Rect& r);

    // Draws `rim` on every pixel not of colour `shape` that touches a `shape` pixel
    // (including diagonally), inside `r`.
    void Surround(const Rect& r, Colour shape, Colour rim);

    const std::vector<Colour>& Pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

} // namespace cardgen
