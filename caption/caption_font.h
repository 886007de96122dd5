#pragma once

#include "platform/frame/system_settings.h"

#include <QFont>

#include <functional>
#include <optional>

namespace caption {

// A font's character height: the height of its em square in pixels as the font engine
// resolves it, i.e. its cell height (ascent + descent) less the internal leading above the
// accents. Measured on a 10 x 10 scratch image at 96 dpi, so the answer is the same on every
// screen. Two faces at the same character height look equally tall, whatever their cells.
int CharacterHeight(const QFont& font);

using CharacterHeightMeasure = std::function<int(const QFont&)>;

// Gives font the character height of captionFont: one correction pass, which only ever
// lowers the height. Heights are negative pixel heights in the arithmetic; a font sized in
// points takes part with its pixel height at 96 dpi.
void FitToCaptionHeight(QFont& font, const QFont& captionFont,
                        const CharacterHeightMeasure& measure = CharacterHeight);

// The caption font the desktop describes, built on the stock system font: face, height
// (positive points, negative pixels, 0 keeps the stock size), italic, bold when the weight is
// above 500, default pitch. Without a description the stock font stays as it is.
QFont CaptionFontFrom(const QFont& stock, const std::optional<platform::CaptionFontInfo>& info);

} // namespace caption
