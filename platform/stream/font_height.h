#pragma once

#include <QFont>

namespace platform {

// Font heights as the desktop reports them and layouts write them: a negative height is a
// character height in pixels, a positive one a size in points.
int FontHeight(const QFont& font);

// Beyond this no caption or control font makes sense, and a huge request would only make the
// font engine allocate giant glyphs.
inline constexpr int MaxFontHeight = 1000;

// 0 leaves the size as it is (the desktop's "default size": Qt has no such request). A height
// beyond MaxFontHeight either way is refused: the font stays unchanged and false is returned.
bool SetFontHeight(QFont& font, int height);

} // namespace platform
