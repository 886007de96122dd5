#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The layouts were drawn with two classic desktop faces that Linux does not have. We stand
// in Liberation Sans (metric-compatible with the common sans faces of that era) at the same
// pixel heights and weights, and choose it here only, so every window agrees.
enum class ClassicFace {
    System,      // the old system font, used bold for the table's labels
    MsSansSerif, // the dialog and control font
};

inline QString classicFamily(ClassicFace) {
    return QStringLiteral("Liberation Sans");
}

// pixelHeight is the character height in pixels, as the layouts give it.
inline QFont classicFont(ClassicFace face, int pixelHeight, bool bold = false) {
    QFont font(classicFamily(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace platform
