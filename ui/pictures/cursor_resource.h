#pragma once

#include <QCursor>
#include <QString>

namespace ui {

// The embedded cursor of that name ("MANO", "CAMBIA") with its own hot spot. A name with no
// cursor, or a cursor file that cannot be read, gives the standard arrow.
QCursor LoadCursorResource(const QString& name);

} // namespace ui
