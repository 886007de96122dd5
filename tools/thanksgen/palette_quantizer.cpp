#include "tools/thanksgen/palette_quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace thanksgen {
namespace {

enum Channel { Red, Green, Blue, ChannelCount };

struct ColourCount {
    std::array<int, ChannelCount> rgb{};
    std::uint64_t count = 0;
};

using Colours = std::vector<ColourCount>;

// A box of the median cut: a run [begin, end) of the colour list, with the channel along which
// its colours spread most and how much would be gained by cutting it there.
struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    Channel widest = Red;
    double spread = 0.0; // population-weighted squared deviation along `widest`
};

Colours countColours(const QImage& rgb) {
    std::unordered_map<QRgb, std::uint64_t> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] & RGB_MASK];
    }
    Colours colours;
    colours.reserve(counts.size());
    for (const auto& [value, count] : counts)
        colours.push_back({{qRed(value), qGreen(value), qBlue(value)}, count});
    // Hash order differs between library builds; sorting keeps the palette reproducible.
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.rgb < b.rgb; });
    return colours;
}

Box measure(const Colours& colours, std::size_t begin, std::size_t end) {
    Box box{begin, end, Red, 0.0};
    if (end - begin < 2)
        return box; // one colour: nothing to cut, whatever rounding says
    for (int c = 0; c < ChannelCount; ++c) {
        double total = 0.0, sum = 0.0, squares = 0.0;
        for (std::size_t i = begin; i < end; ++i) {
            const double n = static_cast<double>(colours[i].count);
            const double v = colours[i].rgb[c];
            total += n;
            sum += n * v;
            squares += n * v * v;
        }
        const double spread = squares - sum * sum / total;
        if (spread > box.spread) {
            box.spread = spread;
            box.widest = static_cast<Channel>(c);
        }
    }
    return box;
}

// Cuts a box at the population median of its widest channel; both halves keep a colour.
std::pair<Box, Box> cut(Colours& colours, const Box& box) {
    const auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
    const auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
    const Channel c = box.widest;
    std::sort(first, last, [c](const ColourCount& a, const ColourCount& b) {
        return a.rgb[c] != b.rgb[c] ? a.rgb[c] < b.rgb[c] : a.rgb < b.rgb;
    });
    std::uint64_t total = 0;
    for (auto it = first; it != last; ++it)
        total += it->count;
    std::uint64_t running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
        running += colours[i].count;
        split = i + 1;
        if (running * 2 >= total)
            break;
    }
    return {measure(colours, box.begin, split), measure(colours, split, box.end)};
}

QRgb meanColour(const Colours& colours, const Box& box) {
    std::array<double, ChannelCount> sum{};
    double total = 0.0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        const double n = static_cast<double>(colours[i].count);
        total += n;
        for (int c = 0; c < ChannelCount; ++c)
            sum[c] += n * colours[i].rgb[c];
    }
    auto channel = [&](Channel c) { return static_cast<int>(std::lround(sum[c] / total)); };
    return qRgb(channel(Red), channel(Green), channel(Blue));
}

QList<QRgb> medianCut(Colours colours, int paletteSize) {
    QList<QRgb> palette;
    if (colours.size() <= static_cast<std::size_t>(paletteSize)) {
        for (const auto& c : colours)
            palette.push_back(qRgb(c.rgb[Red], c.rgb[Green], c.rgb[Blue]));
    } else {
        std::vector<Box> boxes{measure(colours, 0, colours.size())};
        while (boxes.size() < static_cast<std::size_t>(paletteSize)) {
            const auto widest =
                std::max_element(boxes.begin(), boxes.end(),
                                 [](const Box& a, const Box& b) { return a.spread < b.spread; });
            if (widest->end - widest->begin < 2)
                break; // every box holds a single colour
            const auto [low, high] = cut(colours, *widest);
            *widest = low;
            boxes.push_back(high);
        }
        for (const Box& box : boxes)
            palette.push_back(meanColour(colours, box));
    }
    while (palette.size() < paletteSize)
        palette.push_back(qRgb(0, 0, 0));
    return palette;
}

int nearest(const QList<QRgb>& palette, double r, double g, double b) {
    int best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const double dr = r - qRed(palette[i]);
        const double dg = g - qGreen(palette[i]);
        const double db = b - qBlue(palette[i]);
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void mapPixels(const QImage& rgb, QImage& indexed, Dither dither) {
    const QList<QRgb> palette = indexed.colorTable();
    const int width = rgb.width();
    // Error carried into the current and the next row, one slot of margin on either side.
    std::vector<std::array<double, ChannelCount>> here(static_cast<std::size_t>(width) + 2);
    std::vector<std::array<double, ChannelCount>> below(here.size());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            auto& carried = here[static_cast<std::size_t>(x) + 1];
            const std::array<double, ChannelCount> want{
                std::clamp(qRed(in[x]) + carried[Red], 0.0, 255.0),
                std::clamp(qGreen(in[x]) + carried[Green], 0.0, 255.0),
                std::clamp(qBlue(in[x]) + carried[Blue], 0.0, 255.0)};
            const int index = nearest(palette, want[Red], want[Green], want[Blue]);
            out[x] = static_cast<uchar>(index);
            if (dither == Dither::None)
                continue;
            const QRgb got = palette[index];
            const std::array<double, ChannelCount> error{
                want[Red] - qRed(got), want[Green] - qGreen(got), want[Blue] - qBlue(got)};
            const auto i = static_cast<std::size_t>(x) + 1;
            for (int c = 0; c < ChannelCount; ++c) {
                here[i + 1][c] += error[c] * 7.0 / 16.0;
                below[i - 1][c] += error[c] * 3.0 / 16.0;
                below[i][c] += error[c] * 5.0 / 16.0;
                below[i + 1][c] += error[c] * 1.0 / 16.0;
            }
        }
        here.swap(below);
        std::fill(below.begin(), below.end(), std::array<double, ChannelCount>{});
    }
}

} // namespace

QImage QuantizeToPalette(const QImage& picture, int paletteSize, Dither dither) {
    if (picture.isNull() || paletteSize < kMinPaletteSize || paletteSize > kMaxPaletteSize)
        return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return {};
    indexed.setColorTable(medianCut(countColours(rgb), paletteSize));
    mapPixels(rgb, indexed, dither);
    return indexed;
}

} // namespace thanksgen
