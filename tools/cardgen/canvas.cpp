#include "tools/cardgen/canvas.h"

#include <stdexcept>
#include <string>

namespace cardgen {

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width > 0 && height > 0 ? width * height : 0), fill) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("canvas needs a positive size");
    }
}

Colour Canvas::At(int x, int y) const {
    if (!Inside(x, y)) {
        throw std::out_of_range("pixel " + std::to_string(x) + "," + std::to_string(y) +
                                " is outside the canvas");
    }
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

void Canvas::Set(int x, int y, Colour c) {
    if (Inside(x, y)) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
    }
}

void Canvas::Fill(const Rect& r, Colour c) {
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            Set(x, y, c);
        }
    }
}

void Canvas::Outline(const Rect& r, Colour c) {
    HorizontalLine(r.x, r.Right(), r.y, c);
    HorizontalLine(r.x, r.Right(), r.Bottom(), c);
    VerticalLine(r.x, r.y, r.Bottom(), c);
    VerticalLine(r.Right(), r.y, r.Bottom(), c);
}

void Canvas::HorizontalLine(int x0, int x1, int y, Colour c) {
    for (int x = x0; x <= x1; ++x) {
        Set(x, y, c);
    }
}

void Canvas::VerticalLine(int x, int y0, int y1, Colour c) {
    for (int y = y0; y <= y1; ++y) {
        Set(x, y, c);
    }
}

void Canvas::Draw(const Glyph& g, int x, int y, Colour ink, Turn turn) {
    for (int gy = 0; gy < g.Height(); ++gy) {
        for (int gx = 0; gx < g.Width(); ++gx) {
            const int sx = turn == Turn::HalfTurn ? g.Width() - 1 - gx : gx;
            const int sy = turn == Turn::HalfTurn ? g.Height() - 1 - gy : gy;
            switch (g.CellAt(sx, sy)) {
            case Glyph::Cell::Clear:
                break;
            case Glyph::Cell::Ink:
                Set(x + gx, y + gy, ink);
                break;
            case Glyph::Cell::Fixed:
                Set(x + gx, y + gy, g.FixedColour(sx, sy));
                break;
            }
        }
    }
}

void Canvas::FillShape(const Rect& r, Colour c, const std::function<bool(double, double)>& inside) {
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            const double u = (x - r.x + 0.5) / r.width;
            const double v = (y - r.y + 0.5) / r.height;
            if (inside(u, v)) {
                Set(x, y, c);
            }
        }
    }
}

void Canvas::CompleteHalfTurn(const Rect& r) {
    const int sum_x = r.x + r.Right();
    const int sum_y = r.y + r.Bottom();
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            const int sx = sum_x - x;
            const int sy = sum_y - y;
            // Lower half, plus the right half of an exact middle row.
            const bool lower = 2 * y > sum_y || (2 * y == sum_y && 2 * x > sum_x);
            if (lower && Inside(x, y) && Inside(sx, sy)) {
                Set(x, y, At(sx, sy));
            }
        }
    }
}

void Canvas::Surround(const Rect& r, Colour shape, Colour rim) {
    std::vector<std::pair<int, int>> marks;
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            if (!Inside(x, y) || At(x, y) == shape) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy) {
                for (int dx = -1; dx <= 1 && !touches; ++dx) {
                    touches = Inside(x + dx, y + dy) && At(x + dx, y + dy) == shape;
                }
            }
            if (touches) {
                marks.emplace_back(x, y);
            }
        }
    }
    for (const auto& [x, y] : marks) {
        Set(x, y, rim);
    }
}

} // namespace cardgen
