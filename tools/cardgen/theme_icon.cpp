#include "tools/cardgen/theme_icon.h"

#include <stdexcept>
#include <string>

#include "tools/cardgen/icon_art.h"

namespace cardgen {
namespace {

Canvas Enlarge(const Canvas& art, int factor) {
    Canvas big(art.Width() * factor, art.Height() * factor, Colour::Transparent);
    for (int y = 0; y < big.Height(); ++y) {
        for (int x = 0; x < big.Width(); ++x) {
            big.Set(x, y, art.At(x / factor, y / factor));
        }
    }
    return big;
}

} // namespace

const std::vector<int>& ThemeIconSizes() {
    static const std::vector<int> sizes{48, 64, 128, 256};
    return sizes;
}

Canvas PaintThemeIcon(int size) {
    const Canvas large = PaintLargeIcon();
    if (size > 0 && size % large.Width() == 0) {
        return Enlarge(large, size / large.Width());
    }
    const Canvas small = PaintSmallIcon();
    if (size > 0 && size % small.Width() == 0) {
        return Enlarge(small, size / small.Width());
    }
    throw std::invalid_argument("no whole enlargement of the icon gives " + std::to_string(size) +
                                " pixels");
}

IndexedImage ToIndexedImage(const Canvas& picture) {
    IndexedImage image;
    image.width = picture.Width();
    image.height = picture.Height();
    image.palette.assign(kPalette.begin(), kPalette.end());
    image.palette.push_back({0, 0, 0}); // Colour::Transparent's entry
    image.alpha.assign(kPaletteSize, 255);
    image.alpha.push_back(0);
    image.pixels.reserve(picture.Pixels().size());
    for (Colour c : picture.Pixels()) {
        image.pixels.push_back(static_cast<std::uint8_t>(Index(c)));
    }
    return image;
}

} // namespace cardgen
