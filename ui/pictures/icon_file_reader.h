#pragma once

#include <vector>

#include <QByteArray>
#include <QImage>
#include <QPoint>

namespace ui {

// The two kinds of file that share the icon directory format; the number is the file's own
// type field.
enum class IconFileKind { Icon = 1, Cursor = 2 };

struct IconFileImage {
    QImage image;   // ARGB32, see-through where the mask says so
    QPoint hotSpot; // cursors only; (0, 0) for icons
};

// Decodes every image of an .ico or .cur file: uncompressed 1-, 4- or 8-bit colour with an AND
// mask. Returns an empty list when the data are not a well-formed file of the expected kind
// (wrong type, truncated, offsets or sizes out of range, a hot spot outside its image, an
// unsupported encoding); it never reads outside `data`.
std::vector<IconFileImage> ReadIconFile(const QByteArray& data, IconFileKind kind);

} // namespace ui
