#pragma once

#include <functional>
#include <set>
#include <vector>

#include <QImage>

#include "tools/cardgen/canvas.h"
#include "tools/cardgen/palette.h"

// A picture as a grid of palette colours, so tests can speak of "maroon" rather than RGB.
class PaletteGrid {
public:
    // Colours outside the 16-colour palette become kForeign; see-through pixels kClear.
    static constexpr int kForeign = -1;
    static constexpr int kClear = 16;

    explicit PaletteGrid(const QImage& image);
    explicit PaletteGrid(const cardgen::Canvas& canvas);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int At(int x, int y) const { return cells_[static_cast<std::size_t>(y * width_ + x)]; }
    bool Is(int x, int y, cardgen::Colour c) const { return At(x, y) == cardgen::Index(c); }
    bool operator==(const PaletteGrid& other) const = default;

    // The set of colours in a rectangle (clipped to the grid).
    std::set<int> ColoursIn(const cardgen::Rect& r) const;
    // How many pixels of the rectangle satisfy `pred`.
    int Count(const cardgen::Rect& r, const std::function<bool(int)>& pred) const;
    // Pieces of 8-connected pixels satisfying `pred` inside `r`, as their bounding boxes.
    std::vector<cardgen::Rect> Components(const cardgen::Rect& r,
                                          const std::function<bool(int)>& pred) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<int> cells_;
};

inline std::function<bool(int)> IsColour(cardgen::Colour c) {
    return [c](int v) { return v == cardgen::Index(c); };
}
inline std::function<bool(int)> IsValue(int value) {
    return [value](int v) { return v == value; };
}
inline std::function<bool(int)> NotColour(cardgen::Colour c) {
    return [c](int v) { return v != cardgen::Index(c); };
}
