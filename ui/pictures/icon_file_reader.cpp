#include "ui/pictures/icon_file_reader.h"

#include <cstdint>
#include <optional>

namespace ui {
namespace {

constexpr qsizetype kDirectorySize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr int kMaxImages = 64;
constexpr int kMaxSide = 256;

// Bounds-checked little-endian reads; every read outside the data fails.
class Bytes {
public:
    explicit Bytes(const QByteArray& data) : data_(data) {}

    bool Has(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && offset <= data_.size() &&
               length <= data_.size() - offset;
    }
    std::optional<std::uint32_t> Read(qint64 offset, int length) const {
        if (!Has(offset, length)) {
            return std::nullopt;
        }
        std::uint32_t v = 0;
        for (int i = length - 1; i >= 0; --i) {
            v = (v << 8) | static_cast<std::uint8_t>(data_[static_cast<qsizetype>(offset + i)]);
        }
        return v;
    }
    std::uint8_t At(qint64 offset) const {
        return static_cast<std::uint8_t>(data_[static_cast<qsizetype>(offset)]);
    }

private:
    const QByteArray& data_;
};

qint64 Stride(int width, int bits) {
    return (static_cast<qint64>(width) * bits + 31) / 32 * 4;
}

// One image at [offset, offset + length): info header, palette, colour rows, mask rows.
std::optional<QImage> DecodeImage(const Bytes& in, qint64 offset, qint64 length) {
    if (!in.Has(offset, length) || length < kInfoHeaderSize) {
        return std::nullopt;
    }
    const auto header_size = in.Read(offset, 4);
    const auto raw_width = in.Read(offset + 4, 4);
    const auto raw_height = in.Read(offset + 8, 4);
    const auto planes = in.Read(offset + 12, 2);
    const auto bits = in.Read(offset + 14, 2);
    const auto compression = in.Read(offset + 16, 4);
    const auto colours_used = in.Read(offset + 32, 4);
    if (*header_size < kInfoHeaderSize || *header_size > static_cast<std::uint64_t>(length) ||
        *planes != 1 || *compression != 0 || (*bits != 1 && *bits != 4 && *bits != 8)) {
        return std::nullopt;
    }
    // Height counts the colour rows and the mask rows together.
    const auto width = static_cast<std::int32_t>(*raw_width);
    const auto double_height = static_cast<std::int32_t>(*raw_height);
    if (width < 1 || width > kMaxSide || double_height < 2 || double_height % 2 != 0 ||
        double_height / 2 > kMaxSide) {
        return std::nullopt;
    }
    const int height = double_height / 2;
    const qint64 palette_size = *colours_used == 0 ? (1 << *bits) : *colours_used;
    if (palette_size > (1 << *bits)) {
        return std::nullopt;
    }
    const qint64 palette_at = offset + *header_size;
    const qint64 colour_at = palette_at + 4 * palette_size;
    const qint64 colour_stride = Stride(width, static_cast<int>(*bits));
    const qint64 mask_at = colour_at + colour_stride * height;
    const qint64 mask_stride = Stride(width, 1);
    const qint64 end = mask_at + mask_stride * height;
    if (end > offset + length || !in.Has(offset, end - offset)) {
        return std::nullopt;
    }
    QList<QRgb> palette;
    for (qint64 i = 0; i < palette_size; ++i) {
        const qint64 p = palette_at + 4 * i;
        palette.append(qRgb(in.At(p + 2), in.At(p + 1), in.At(p)));
    }
    QImage image(width, height, QImage::Format_ARGB32);
    const int per_byte = 8 / static_cast<int>(*bits);
    const unsigned value_mask = (1u << *bits) - 1u;
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y; // stored bottom-up
        for (int x = 0; x < width; ++x) {
            const bool clear = (in.At(mask_at + row * mask_stride + x / 8) >> (7 - x % 8)) & 1u;
            const std::uint8_t byte = in.At(colour_at + row * colour_stride + x / per_byte);
            const int shift = 8 - static_cast<int>(*bits) * (x % per_byte + 1);
            const unsigned index = (byte >> shift) & value_mask;
            if (index >= static_cast<unsigned>(palette.size())) {
                return std::nullopt;
            }
            image.setPixel(x, y, clear ? qRgba(0, 0, 0, 0) : palette[index]);
        }
    }
    return image;
}

} // namespace

std::vector<IconFileImage> ReadIconFile(const QByteArray& data, IconFileKind kind) {
    const Bytes in(data);
    const auto reserved = in.Read(0, 2);
    const auto type = in.Read(2, 2);
    const auto count = in.Read(4, 2);
    if (!reserved || *reserved != 0 || *type != static_cast<std::uint32_t>(kind) || *count < 1 ||
        *count > kMaxImages || !in.Has(kDirectorySize, kEntrySize * *count)) {
        return {};
    }
    std::vector<IconFileImage> images;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const qint64 entry = kDirectorySize + kEntrySize * i;
        const int width = *in.Read(entry, 1) == 0 ? kMaxSide : static_cast<int>(*in.Read(entry, 1));
        const int height =
            *in.Read(entry + 1, 1) == 0 ? kMaxSide : static_cast<int>(*in.Read(entry + 1, 1));
        const auto field1 = in.Read(entry + 4, 2); // cursor: hot spot x
        const auto field2 = in.Read(entry + 6, 2); // cursor: hot spot y
        const auto length = in.Read(entry + 8, 4);
        const auto offset = in.Read(entry + 12, 4);
        const std::optional<QImage> image = DecodeImage(in, *offset, *length);
        if (!image || image->width() != width || image->height() != height) {
            return {};
        }
        QPoint hot;
        if (kind == IconFileKind::Cursor) {
            hot = QPoint(static_cast<int>(*field1), static_cast<int>(*field2));
            if (!image->rect().contains(hot)) {
                return {};
            }
        }
        images.push_back({*image, hot});
    }
    return images;
}

} // namespace ui
