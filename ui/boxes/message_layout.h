#pragma once

#include <QGuiApplication>
#include <QScreen>

namespace ui::message_layout {

// Margins and gaps of the game's message boxes, in dialog units.
inline constexpr int MarginH = 8;
inline constexpr int MarginV = 8;
inline constexpr int IconTextGapH = 10;
inline constexpr int TextButtonGapV = 10;
inline constexpr int ButtonWidthH = 50;
inline constexpr int ButtonHeightV = 14;

// Without a screen (never on a desktop) a message wraps as on a small one.
inline constexpr int FallbackScreenWidth = 640;

inline int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : FallbackScreenWidth;
}

} // namespace ui::message_layout
