#pragma once

#include <QString>

// Where the embedded art lives in the resource tree; the CMakeLists beside this file puts it
// there. Names are resource names such as "BITMAP_53", "MANO" or "MAINICON": letters, digits
// and underscores only. Any other name gives an empty path, which opens nothing.
namespace resources {

QString PicturePath(const QString& name); // ":/pictures/<name>.dib"
QString CursorPath(const QString& name);  // ":/cursors/<name>.cur"
QString IconPath(const QString& name);    // ":/icons/<name>.ico"

} // namespace resources
