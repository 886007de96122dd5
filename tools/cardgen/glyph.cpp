#include "tools/cardgen/glyph.h"

#include <stdexcept>
#include <string>

namespace cardgen {
namespace {

struct Key {
    char symbol;
    Colour colour;
};

constexpr Key kKeys[] = {
    {'K', Colour::Black}, {'M', Colour::Maroon}, {'O', Colour::Olive},  {'W', Colour::White},
    {'R', Colour::Red},   {'Y', Colour::Yellow}, {'G', Colour::Green},  {'L', Colour::Lime},
    {'B', Colour::Blue},  {'N', Colour::Navy},   {'S', Colour::Silver}, {'g', Colour::Grey},
};

} // namespace

Glyph::Glyph(std::initializer_list<std::string_view> rows) {
    height_ = static_cast<int>(rows.size());
    width_ = height_ > 0 ? static_cast<int>(rows.begin()->size()) : 0;
    cells_.reserve(static_cast<std::size_t>(width_ * height_));
    colours_.reserve(cells_.capacity());
    int y = 0;
    for (std::string_view row : rows) {
        if (static_cast<int>(row.size()) != width_) {
            throw std::invalid_argument("glyph row " + std::to_string(y) + " is " +
                                        std::to_string(row.size()) + " wide, expected " +
                                        std::to_string(width_) + ": \"" + std::string(row) + "\"");
        }
        for (char symbol : row) {
            Cell cell = Cell::Fixed;
            Colour colour = Colour::Black;
            if (symbol == '.' || symbol == ' ') {
                cell = Cell::Clear;
            } else if (symbol == '#') {
                cell = Cell::Ink;
            } else {
                bool known = false;
                for (const Key& key : kKeys) {
                    if (key.symbol == symbol) {
                        colour = key.colour;
                        known = true;
                    }
                }
                if (!known) {
                    throw std::invalid_argument(std::string("unknown glyph symbol '") + symbol +
                                                "' in row " + std::to_string(y));
                }
            }
            cells_.push_back(cell);
            colours_.push_back(colour);
        }
        ++y;
    }
}

} // namespace cardgen
