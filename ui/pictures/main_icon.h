#pragma once

#include <QIcon>
#include <QString>

namespace ui {

// The application icon, with its 32 × 32 and 16 × 16 images; the window system picks the
// size it needs.
QIcon MainIcon();

// Any embedded icon by name ("MAINICON"); a null QIcon when there is none or it cannot be
// read.
QIcon LoadIconResource(const QString& name);

} // namespace ui
