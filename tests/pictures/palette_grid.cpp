#include "tests/pictures/palette_grid.h"

#include <algorithm>

PaletteGrid::PaletteGrid(const QImage& image)
    : width_(image.width()), height_(image.height()),
      cells_(static_cast<std::size_t>(std::max(0, width_ * height_)), kForeign) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const QRgb p = image.pixel(x, y);
            int& cell = cells_[static_cast<std::size_t>(y * width_ + x)];
            if (qAlpha(p) == 0) {
                cell = kClear;
                continue;
            }
            for (int i = 0; i < cardgen::kPaletteSize; ++i) {
                const cardgen::Rgb& c = cardgen::kPalette[static_cast<std::size_t>(i)];
                if (qAlpha(p) == 255 && qRed(p) == c.r && qGreen(p) == c.g && qBlue(p) == c.b) {
                    cell = i;
                }
            }
        }
    }
}

PaletteGrid::PaletteGrid(const cardgen::Canvas& canvas)
    : width_(canvas.Width()), height_(canvas.Height()) {
    for (cardgen::Colour c : canvas.Pixels()) {
        cells_.push_back(c == cardgen::Colour::Transparent ? kClear : cardgen::Index(c));
    }
}

std::set<int> PaletteGrid::ColoursIn(const cardgen::Rect& r) const {
    std::set<int> found;
    Count(r, [&found](int v) {
        found.insert(v);
        return false;
    });
    return found;
}

int PaletteGrid::Count(const cardgen::Rect& r, const std::function<bool(int)>& pred) const {
    int n = 0;
    for (int y = std::max(0, r.y); y <= std::min(height_ - 1, r.Bottom()); ++y) {
        for (int x = std::max(0, r.x); x <= std::min(width_ - 1, r.Right()); ++x) {
            n += pred(At(x, y)) ? 1 : 0;
        }
    }
    return n;
}

std::vector<cardgen::Rect> PaletteGrid::Components(const cardgen::Rect& r,
                                                   const std::function<bool(int)>& pred) const {
    std::vector<bool> seen(cells_.size(), false);
    std::vector<cardgen::Rect> pieces;
    auto wanted = [&](int x, int y) {
        return r.Contains(x, y) && x >= 0 && y >= 0 && x < width_ && y < height_ &&
               !seen[static_cast<std::size_t>(y * width_ + x)] && pred(At(x, y));
    };
    for (int y = r.y; y <= r.Bottom(); ++y) {
        for (int x = r.x; x <= r.Right(); ++x) {
            if (!wanted(x, y)) {
                continue;
            }
            int x0 = x, y0 = y, x1 = x, y1 = y;
            std::vector<std::pair<int, int>> stack{{x, y}};
            seen[static_cast<std::size_t>(y * width_ + x)] = true;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                x0 = std::min(x0, px);
                y0 = std::min(y0, py);
                x1 = std::max(x1, px);
                y1 = std::max(y1, py);
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        if (wanted(px + dx, py + dy)) {
                            seen[static_cast<std::size_t>((py + dy) * width_ + px + dx)] = true;
                            stack.emplace_back(px + dx, py + dy);
                        }
                    }
                }
            }
            pieces.push_back({x0, y0, x1 - x0 + 1, y1 - y0 + 1});
        }
    }
    return pieces;
}
