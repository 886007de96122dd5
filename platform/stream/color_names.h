#pragma once

#include "platform/frame/system_settings.h"

#include <QString>

#include <optional>

namespace platform {

// The colour identifiers a layout may use in place of a number: the sixteen fixed colours
// (clBlack ... clWhite) and the system colour references (clScrollBar ... clInfoBk).
std::optional<TColor> ColorFromName(const QString& name);
// The identifier of a colour value, or nullopt when it has none (then it is written as $hex).
std::optional<QString> ColorName(TColor color);

} // namespace platform
