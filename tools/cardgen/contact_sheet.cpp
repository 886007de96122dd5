#include "tools/cardgen/contact_sheet.h"

#include <string>

#include "tools/cardgen/cursor_art.h"
#include "tools/cardgen/face_layout.h"
#include "tools/cardgen/icon_art.h"
#include "tools/cardgen/picture_set.h"

namespace cardgen {
namespace {

constexpr int kScale = 2;
constexpr int kGap = 12;
constexpr int kLabel = 14;
constexpr int kColumns = 13;
constexpr int kCellWidth = kCardWidth * kScale + kGap;
constexpr int kCellHeight = kCardHeight * kScale + kLabel + kGap;

// Sheet colours after the sixteen of the pictures.
enum SheetColour : std::uint8_t { kTable = 16, kCheckLight = 17, kCheckDark = 18 };

// Three-by-five digits and capitals for the labels.
const Glyph& LabelGlyph(char c) {
    static const Glyph kDigits[] = {
        {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
        {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
        {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
        {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
        {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
    };
    static const Glyph kA{".#.", "#.#", "###", "#.#", "#.#"};
    static const Glyph kB{"##.", "#.#", "##.", "#.#", "##."};
    static const Glyph kC{".##", "#..", "#..", "#..", ".##"};
    static const Glyph kI{"###", ".#.", ".#.", ".#.", "###"};
    static const Glyph kM{"#.#", "###", "###", "#.#", "#.#"};
    static const Glyph kN{"...", "##.", "#.#", "#.#", "#.#"};
    static const Glyph kO{".#.", "#.#", "#.#", "#.#", ".#."};
    static const Glyph kSpace{
        "...", "...", "...", "...", "...",
    };
    if (c >= '0' && c <= '9') {
        return kDigits[c - '0'];
    }
    switch (c) {
    case 'A':
        return kA;
    case 'B':
        return kB;
    case 'C':
        return kC;
    case 'I':
        return kI;
    case 'M':
        return kM;
    case 'N':
        return kN;
    case 'O':
        return kO;
    default:
        return kSpace;
    }
}

class Sheet {
public:
    Sheet(int width, int height) : image_{width, height, {}, {}, {}} {
        image_.palette.assign(kPalette.begin(), kPalette.end());
        image_.palette.push_back({0x00, 0x60, 0x20});
        image_.palette.push_back({0xD8, 0xD8, 0xD8});
        image_.palette.push_back({0xA8, 0xA8, 0xA8});
        image_.pixels.assign(static_cast<std::size_t>(width * height), kTable);
    }

    void Set(int x, int y, std::uint8_t index) {
        if (x >= 0 && y >= 0 && x < image_.width && y < image_.height) {
            image_.pixels[static_cast<std::size_t>(y * image_.width + x)] = index;
        }
    }

    void Put(const Canvas& picture, int left, int top, int scale) {
        for (int y = 0; y < picture.Height() * scale; ++y) {
            for (int x = 0; x < picture.Width() * scale; ++x) {
                const Colour c = picture.At(x / scale, y / scale);
                std::uint8_t index = static_cast<std::uint8_t>(c);
                if (c == Colour::Transparent) {
                    index = ((x / 4 + y / 4) % 2 == 0) ? kCheckLight : kCheckDark;
                }
                Set(left + x, top + y, index);
            }
        }
    }

    void Label(const std::string& text, int left, int top) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const Glyph& g = LabelGlyph(text[i]);
            for (int y = 0; y < g.Height() * kScale; ++y) {
                for (int x = 0; x < g.Width() * kScale; ++x) {
                    if (g.CellAt(x / kScale, y / kScale) == Glyph::Cell::Ink) {
                        Set(left + static_cast<int>(i) * 8 + x, top + y, Index(Colour::White));
                    }
                }
            }
        }
    }

    void HotSpotTicks(HotSpot hot, int left, int top, int size, int scale) {
        for (int t = 1; t <= 4; ++t) {
            for (int s = 0; s < scale; ++s) {
                Set(left + hot.x * scale + s, top - t, Index(Colour::Red));
                Set(left + hot.x * scale + s, top + size * scale - 1 + t, Index(Colour::Red));
                Set(left - t, top + hot.y * scale + s, Index(Colour::Red));
                Set(left + size * scale - 1 + t, top + hot.y * scale + s, Index(Colour::Red));
            }
        }
    }

    IndexedImage Take() { return std::move(image_); }

private:
    IndexedImage image_;
};

} // namespace

IndexedImage BuildContactSheet() {
    constexpr int kRows = 6;
    Sheet sheet(kGap + kColumns * kCellWidth, kGap + kRows * kCellHeight);
    auto cell = [](int index) {
        return std::pair{kGap + (index % kColumns) * kCellWidth,
                         kGap + (index / kColumns) * kCellHeight};
    };
    // Faces one suit to a row, then the backs and the empty slot.
    int index = 0;
    for (int n : PictureNumbers()) {
        const auto [x, y] = cell(index++);
        sheet.Put(*PaintPicture(n), x, y, kScale);
        sheet.Label(std::to_string(n), x, y + kCardHeight * kScale + 4);
    }
    // The cursors and icons on the last row, on the see-through chequer.
    index = (kRows - 1) * kColumns;
    struct Cursor {
        Canvas image;
        HotSpot hot;
        const char* name;
    };
    const Cursor cursors[] = {{PaintHandCursor(), kHandHotSpot, "MANO"},
                              {PaintChangeCursor(), kChangeHotSpot, "CAMBIA"}};
    for (const Cursor& c : cursors) {
        const auto [x, y] = cell(index++);
        sheet.Put(c.image, x + 8, y + 8, kScale * 2);
        sheet.HotSpotTicks(c.hot, x + 8, y + 8, kCursorSize, kScale * 2);
        sheet.Label(c.name, x + 8, y + 8 + kCursorSize * kScale * 2 + 8);
    }
    const auto [ix, iy] = cell(index);
    const Canvas large = PaintLargeIcon();
    const Canvas small = PaintSmallIcon();
    sheet.Put(large, ix + 8, iy + 8, kScale * 2);
    sheet.Put(small, ix + 8 + large.Width() * kScale * 2 + 16, iy + 8, kScale * 2);
    sheet.Put(large, ix + 8, iy + 150, 1);
    sheet.Put(small, ix + 8 + large.Width() + 8, iy + 150, 1);
    sheet.Label("MAINICON", ix + 8, iy + 8 + large.Height() * kScale * 2 + 8);
    return sheet.Take();
}

} // namespace cardgen
