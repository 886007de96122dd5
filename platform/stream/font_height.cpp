#include "platform/stream/font_height.h"

#include <cmath>

namespace platform {

int FontHeight(const QFont& font) {
    if (font.pixelSize() > 0) {
        return -font.pixelSize();
    }
    return static_cast<int>(std::lround(font.pointSizeF()));
}

bool SetFontHeight(QFont& font, int height) {
    if (height < -MaxFontHeight || height > MaxFontHeight) {
        return false;
    }
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        font.setPointSize(height);
    }
    return true;
}

} // namespace platform
