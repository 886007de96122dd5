// Reading .cur and .ico data: what the generator writes comes back intact, and damaged data
// is refused without reading past its end.
#include <gtest/gtest.h>

#include <QByteArray>

#include "tests/pictures/palette_grid.h"
#include "tools/cardgen/icon_encoder.h"
#include "ui/pictures/icon_file_reader.h"

namespace {

using cardgen::Canvas;
using cardgen::Colour;
using ui::IconFileKind;

QByteArray ToBytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

void PutLe(QByteArray& b, int at, quint32 value, int len) {
    for (int i = 0; i < len; ++i) {
        b[at + i] = static_cast<char>((value >> (8 * i)) & 0xFFu);
    }
}

// A small cursor with all three kinds of pixel, not symmetric, so flips show.
Canvas SampleCursor() {
    Canvas c(32, 32, Colour::Transparent);
    c.Fill({3, 5, 10, 4}, Colour::White);
    c.Outline({2, 4, 12, 6}, Colour::Black);
    c.Set(30, 31, Colour::Black);
    return c;
}

Canvas SampleIcon(int size) {
    Canvas c(size, size, Colour::Transparent);
    for (int i = 0; i < 16; ++i) {
        c.Set(i % size, i / size + 1, static_cast<Colour>(i));
    }
    c.Fill({size / 2, size / 2, size / 4, size / 4}, Colour::Olive);
    return c;
}

QByteArray SampleCursorFile() {
    return ToBytes(cardgen::EncodeCursor(SampleCursor(), {3, 9}));
}

TEST(IconFileReader, CursorComesBackWithItsHotSpot) {
    const auto images = ui::ReadIconFile(SampleCursorFile(), IconFileKind::Cursor);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].hotSpot, QPoint(3, 9));
    EXPECT_TRUE(PaletteGrid(images[0].image) == PaletteGrid(SampleCursor()));
}

TEST(IconFileReader, IconComesBackWithEveryImageAndColour) {
    const std::vector<Canvas> sizes{SampleIcon(32), SampleIcon(16), SampleIcon(5)};
    const auto images = ui::ReadIconFile(ToBytes(cardgen::EncodeIcon(sizes)), IconFileKind::Icon);
    ASSERT_EQ(images.size(), 3u);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_TRUE(PaletteGrid(images[i].image) == PaletteGrid(sizes[i])) << i;
    }
}

TEST(IconFileReader, RefusesTheOtherKind) {
    EXPECT_TRUE(ui::ReadIconFile(SampleCursorFile(), IconFileKind::Icon).empty());
    const QByteArray icon = ToBytes(cardgen::EncodeIcon({SampleIcon(16)}));
    EXPECT_TRUE(ui::ReadIconFile(icon, IconFileKind::Cursor).empty());
}

TEST(IconFileReader, RefusesEveryTruncation) {
    const QByteArray whole = SampleCursorFile();
    for (qsizetype n = 0; n < whole.size(); ++n) {
        EXPECT_TRUE(ui::ReadIconFile(whole.left(n), IconFileKind::Cursor).empty()) << n;
    }
}

TEST(IconFileReader, RefusesDamagedDirectories) {
    struct Damage {
        const char* what;
        int at;
        quint32 value;
        int len;
    };
    const Damage cases[] = {
        {"reserved word set", 0, 1, 2},
        {"no images", 4, 0, 2},
        {"more images than entries", 4, 3, 2},
        {"image starts past the end", 6 + 12, 100000, 4},
        {"image offset wraps round", 6 + 12, 0xFFFFFFFFu, 4},
        {"image longer than the file", 6 + 8, 100000, 4},
        {"image shorter than its header", 6 + 8, 20, 4},
        {"hot spot outside the image", 6 + 4, 32, 2},
        {"entry size unlike the image", 6, 16, 1},
        {"header size too small", 22, 12, 4},
        {"two planes", 22 + 12, 2, 2},
        {"24 bits a pixel", 22 + 14, 24, 2},
        {"compressed", 22 + 16, 1, 4},
        {"odd double height", 22 + 8, 63, 4},
        {"negative width", 22 + 4, 0xFFFFFFE0u, 4},
        {"huge width", 22 + 4, 100000, 4},
        {"palette bigger than the bit depth allows", 22 + 32, 3, 4},
    };
    for (const Damage& d : cases) {
        QByteArray b = SampleCursorFile();
        PutLe(b, d.at, d.value, d.len);
        EXPECT_TRUE(ui::ReadIconFile(b, IconFileKind::Cursor).empty()) << d.what;
    }
}

TEST(IconFileReader, RefusesPixelsOutsideAShortPalette) {
    // A 4-bit icon that declares a 2-colour palette but uses index 15.
    Canvas c(8, 8, Colour::White);
    QByteArray b = ToBytes(cardgen::EncodeIcon({c}));
    PutLe(b, 22 + 32, 2, 4);
    EXPECT_TRUE(ui::ReadIconFile(b, IconFileKind::Icon).empty());
}

} // namespace
