#pragma once

#include <QSettings>

namespace ui {

// The trainer's choices that outlive a session, in the game's settings file.
inline constexpr auto kGameSetting = "trainer/game";
inline constexpr auto kWarnSetting = "trainer/warnBeforeDraw";

inline QSettings TrainerSettings() {
    return QSettings(QStringLiteral("vandolin"), QStringLiteral("vandolin"));
}

} // namespace ui
