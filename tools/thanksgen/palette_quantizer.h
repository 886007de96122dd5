#pragma once

#include <QImage>

namespace thanksgen {

enum class Dither {
    None,           // every pixel takes its nearest palette entry
    FloydSteinberg, // the rounding error is spread to the neighbours, so gradients do not band
};

// The limits of an 8-bit palette.
inline constexpr int kMinPaletteSize = 2;
inline constexpr int kMaxPaletteSize = 256;

// Reduces a picture to an 8-bit indexed one whose palette has exactly `paletteSize` entries.
// The entries come from a median cut over the picture's own colours (alpha is ignored), so a
// picture that has no more colours than that is reproduced exactly; entries the cut does not
// need are black. A null picture or a palette size outside 2..256 gives a null image.
QImage QuantizeToPalette(const QImage& picture, int paletteSize, Dither dither);

} // namespace thanksgen
