#include "caption/caption_font.h"

#include "platform/stream/font_height.h"

#include <QFontInfo>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace caption {
namespace {

// The 96 dpi that pixel heights of point-sized fonts are reckoned at, as on the scratch image.
constexpr double ScratchDpi = 96.0;

int pixelHeightOf(const QFont& font) {
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    return static_cast<int>(std::lround(font.pointSizeF() * ScratchDpi / 72.0));
}

} // namespace

int CharacterHeight(const QFont& font) {
    QImage scratch(10, 10, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(static_cast<int>(std::lround(ScratchDpi / 0.0254)));
    scratch.setDotsPerMeterY(static_cast<int>(std::lround(ScratchDpi / 0.0254)));
    const QFont onScratch(font, &scratch);
    return QFontInfo(onScratch).pixelSize();
}

void FitToCaptionHeight(QFont& font, const QFont& captionFont,
                        const CharacterHeightMeasure& measure) {
    auto setPixelHeight = [&font](int pixels) {
        // A measure can only make sense of a visible font: never go below one pixel.
        font.setPixelSize(std::clamp(pixels, 1, platform::MaxFontHeight));
    };
    const int c = measure(captionFont);
    int a = measure(font);
    // Height := height + a - c, with height = -pixels: pixels := pixels - a + c.
    setPixelHeight(pixelHeightOf(font) - a + c);
    a = measure(font);
    if (a > c) {
        setPixelHeight(pixelHeightOf(font) - a + c);
    }
}

QFont CaptionFontFrom(const QFont& stock, const std::optional<platform::CaptionFontInfo>& info) {
    QFont font = stock;
    if (!info) {
        return font;
    }
    // The desktop hands the face over as a zero-terminated name.
    font.setFamily(info->face.section(QChar(0), 0, 0));
    platform::SetFontHeight(font, info->height);
    font.setItalic(info->italic);
    font.setBold(info->weight > 500);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setFixedPitch(false);
    return font;
}

} // namespace caption
