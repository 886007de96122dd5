#include "tools/cardgen/icon_encoder.h"

#include <stdexcept>

#include "tools/cardgen/byte_writer.h"
#include "tools/cardgen/dib_encoder.h"

namespace cardgen {
namespace {

enum class ResourceType : unsigned { Icon = 1, Cursor = 2 };

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

struct Image {
    std::vector<std::uint8_t> bytes;
    int width = 0;
    int height = 0;
    int colours = 0;
    unsigned field1 = 0; // planes for an icon, hot spot x for a cursor
    unsigned field2 = 0; // bits a pixel for an icon, hot spot y for a cursor
};

// Colour bits and the AND mask, both bottom-up, after a header whose height counts both.
std::vector<std::uint8_t> EncodeEntry(const Canvas& image, int bits,
                                      const std::vector<Rgb>& palette) {
    const int w = image.Width();
    const int h = image.Height();
    const int colour_stride = StrideFor(w, bits);
    const int mask_stride = StrideFor(w, 1);
    ByteWriter out;
    WriteInfoHeader(out, w, 2 * h, bits,
                    static_cast<std::uint32_t>((colour_stride + mask_stride) * h), palette);
    const int per_byte = 8 / bits;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(colour_stride), 0);
        for (int x = 0; x < w; ++x) {
            const Colour c = image.At(x, y);
            unsigned index = 0;
            if (c != Colour::Transparent) {
                index =
                    bits == 1 ? (c == Colour::White ? 1u : 0u) : static_cast<unsigned>(Index(c));
            }
            const int shift = 8 - bits * (x % per_byte + 1);
            row[static_cast<std::size_t>(x / per_byte)] |=
                static_cast<std::uint8_t>(index << shift);
        }
        out.Append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(mask_stride), 0);
        for (int x = 0; x < w; ++x) {
            if (image.At(x, y) == Colour::Transparent) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
        out.Append(row);
    }
    return std::move(out.Bytes());
}

std::vector<std::uint8_t> EncodeDirectory(ResourceType type, const std::vector<Image>& images) {
    ByteWriter out;
    out.U16(0);
    out.U16(static_cast<unsigned>(type));
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = kDirectorySize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const Image& image : images) {
        out.U8(image.width == 256 ? 0u : static_cast<unsigned>(image.width));
        out.U8(image.height == 256 ? 0u : static_cast<unsigned>(image.height));
        out.U8(static_cast<unsigned>(image.colours));
        out.U8(0);
        out.U16(image.field1);
        out.U16(image.field2);
        out.U32(static_cast<std::uint32_t>(image.bytes.size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const Image& image : images) {
        out.Append(image.bytes);
    }
    return std::move(out.Bytes());
}

void CheckSize(const Canvas& image) {
    if (image.Width() > 256 || image.Height() > 256) {
        throw std::invalid_argument("icon and cursor images are at most 256 pixels a side");
    }
}

} // namespace

std::vector<std::uint8_t> EncodeCursor(const Canvas& image, HotSpot hot) {
    CheckSize(image);
    if (!image.Inside(hot.x, hot.y)) {
        throw std::invalid_argument("the hot spot lies outside the cursor");
    }
    for (Colour c : image.Pixels()) {
        if (c != Colour::Black && c != Colour::White && c != Colour::Transparent) {
            throw std::invalid_argument("a cursor is black and white only");
        }
    }
    const std::vector<Rgb> two{kPalette[Index(Colour::Black)], kPalette[Index(Colour::White)]};
    Image entry{
        EncodeEntry(image, 1, two),  image.Width(), image.Height(), 2, static_cast<unsigned>(hot.x),
        static_cast<unsigned>(hot.y)};
    return EncodeDirectory(ResourceType::Cursor, {entry});
}

std::vector<std::uint8_t> EncodeIcon(const std::vector<Canvas>& images) {
    if (images.empty()) {
        throw std::invalid_argument("an icon needs at least one image");
    }
    const std::vector<Rgb> sixteen(kPalette.begin(), kPalette.end());
    std::vector<Image> entries;
    for (const Canvas& image : images) {
        CheckSize(image);
        entries.push_back(
            {EncodeEntry(image, 4, sixteen), image.Width(), image.Height(), kPaletteSize, 1, 4});
    }
    return EncodeDirectory(ResourceType::Icon, entries);
}

} // namespace cardgen
