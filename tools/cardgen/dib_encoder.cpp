#include "tools/cardgen/dib_encoder.h"

#include <stdexcept>

namespace cardgen {

int StrideFor(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

void WriteInfoHeader(ByteWriter& out, int width, int height, int bits, std::uint32_t imageBytes,
                     std::span<const Rgb> palette) {
    out.U32(kInfoHeaderSize);
    out.S32(width);
    out.S32(height);
    out.U16(1); // planes
    out.U16(static_cast<unsigned>(bits));
    out.U32(0); // no compression
    out.U32(imageBytes);
    out.S32(0); // no preferred resolution
    out.S32(0);
    out.U32(static_cast<std::uint32_t>(palette.size()));
    out.U32(0); // every colour matters
    for (const Rgb& c : palette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
}

std::vector<std::uint8_t> EncodeDib(const Canvas& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    const int stride = StrideFor(w, 4);
    ByteWriter out;
    WriteInfoHeader(out, w, h, 4, static_cast<std::uint32_t>(stride * h), kPalette);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < w; ++x) {
            const Colour c = picture.At(x, y);
            if (c == Colour::Transparent) {
                throw std::invalid_argument("a card picture may not be see-through");
            }
            const auto index = static_cast<std::uint8_t>(Index(c));
            row[static_cast<std::size_t>(x / 2)] |= (x % 2 == 0) ? index << 4 : index;
        }
        out.Append(row);
    }
    return std::move(out.Bytes());
}

} // namespace cardgen
