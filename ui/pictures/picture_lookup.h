#pragma once

#include <QImage>
#include <QString>

namespace ui {

// Card pictures, as the table shows them: card code c (1..52) is its face, back design t
// (1..6) is 52 + t, and 63 is the empty slot. Every picture is 72 × 97 and opaque.

inline constexpr int kPictureWidth = 72;
inline constexpr int kPictureHeight = 97;

// The picture named "BITMAP_" + n, loaded afresh from the executable's resources (nothing is
// cached). A number without a picture (0, 59..62, 64 and up, negatives) gives a null QImage,
// which draws nothing.
QImage PictureByNumber(int n);

// The same lookup by resource name, e.g. "BITMAP_53". Only the exact name form is accepted:
// "BITMAP_" followed by the number in decimal without sign or leading zeros; anything else
// gives a null QImage.
QImage PictureByName(const QString& name);

} // namespace ui
