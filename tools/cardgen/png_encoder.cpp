#include "tools/cardgen/png_encoder.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

#include "tools/cardgen/byte_writer.h"

namespace cardgen {
namespace {

constexpr std::size_t kMaxStoredBlock = 65535;

std::uint32_t Crc32(const std::vector<std::uint8_t>& bytes, std::size_t from) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = from; i < bytes.size(); ++i) {
        crc = table[(crc ^ bytes[i]) & 0xFFu] ^ (crc >> 8);
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

void Chunk(ByteWriter& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    out.U32BigEndian(static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.Bytes().size();
    for (char c : type) {
        out.U8(static_cast<unsigned char>(c));
    }
    out.Append(data);
    out.U32BigEndian(Crc32(out.Bytes(), start));
}

std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    ByteWriter z;
    z.U8(0x78);
    z.U8(0x01);
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min(kMaxStoredBlock, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.U8(last ? 1u : 0u);
        z.U16(static_cast<unsigned>(n));
        z.U16(static_cast<unsigned>(~n & 0xFFFFu));
        z.Bytes().insert(z.Bytes().end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                         raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    z.U32BigEndian(Adler32(raw));
    return std::move(z.Bytes());
}

} // namespace

std::vector<std::uint8_t> EncodePng(const IndexedImage& image) {
    if (image.width <= 0 || image.height <= 0 || image.palette.empty() ||
        image.palette.size() > 256 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height ||
        image.alpha.size() > image.palette.size()) {
        throw std::invalid_argument("indexed image does not match its size or palette");
    }
    for (std::uint8_t p : image.pixels) {
        if (p >= image.palette.size()) {
            throw std::invalid_argument("pixel refers past the end of the palette");
        }
    }
    ByteWriter out;
    for (unsigned c :
         {0x89u, 0x50u, 0x4Eu, 0x47u, 0x0Du, 0x0Au, 0x1Au, 0x0Au}) { // \x89 "PNG" CR LF ^Z LF
        out.U8(c);
    }
    ByteWriter header;
    header.U32BigEndian(static_cast<std::uint32_t>(image.width));
    header.U32BigEndian(static_cast<std::uint32_t>(image.height));
    header.U8(8); // bit depth
    header.U8(3); // indexed colour
    header.U8(0);
    header.U8(0);
    header.U8(0);
    Chunk(out, "IHDR", header.Bytes());
    std::vector<std::uint8_t> palette;
    for (const Rgb& c : image.palette) {
        palette.insert(palette.end(), {c.r, c.g, c.b});
    }
    Chunk(out, "PLTE", palette);
    if (!image.alpha.empty()) {
        Chunk(out, "tRNS", image.alpha);
    }
    std::vector<std::uint8_t> raw;
    raw.reserve(image.pixels.size() + static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // no filter
        const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        raw.insert(raw.end(), row, row + image.width);
    }
    Chunk(out, "IDAT", StoredZlib(raw));
    Chunk(out, "IEND", {});
    return std::move(out.Bytes());
}

} // namespace cardgen
