#include "ui/pictures/cursor_resource.h"

#include <QFile>
#include <QPixmap>

#include "resources/pictures/resource_paths.h"
#include "ui/pictures/icon_file_reader.h"

namespace ui {

QCursor LoadCursorResource(const QString& name) {
    const QString path = resources::CursorPath(name);
    if (path.isEmpty()) {
        return QCursor(Qt::ArrowCursor);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QCursor(Qt::ArrowCursor);
    }
    const std::vector<IconFileImage> images = ReadIconFile(file.readAll(), IconFileKind::Cursor);
    if (images.empty()) {
        return QCursor(Qt::ArrowCursor);
    }
    const IconFileImage& first = images.front();
    return QCursor(QPixmap::fromImage(first.image), first.hotSpot.x(), first.hotSpot.y());
}

} // namespace ui
