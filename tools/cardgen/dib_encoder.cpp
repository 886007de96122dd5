#include "tools/cardgen/dib_encoder.h"

#include <stdexcept>

#include "tools/cardgen/byte_writer.h"

namespace cardgen {

int StrideFor(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

std::vector<std::uint8_t> EncodeDib(const Canvas& picture) {
    const int w = picture.Width();
    const int h = picture.Height();
    const int stride = StrideFor(w, 4);
    ByteWriter out;
    out.U32(kInfoHeaderSize);
    out.S32(w);
    out.S32(h); // positive height: rows run bottom-up
    out.U16(1); // planes
    out.U16(4); // bits a pixel
    out.U32(0); // no compression
    out.U32(static_cast<std::uint32_t>(stride * h));
    out.S32(0);
    out.S32(0);
    out.U32(kPaletteSize);
    out.U32(0);
    for (const Rgb& c : kPalette) {
        out.U8(c.b);
        out.U8(c.g);
        out.U8(c.r);
        out.U8(0);
    }
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
