#include "ui/pictures/main_icon.h"

#include <QFile>
#include <QPixmap>

#include "resources/pictures/resource_paths.h"
#include "ui/pictures/icon_file_reader.h"

namespace ui {

QIcon MainIcon() {
    return LoadIconResource(QStringLiteral("MAINICON"));
}

QIcon LoadIconResource(const QString& name) {
    const QString path = resources::IconPath(name);
    if (path.isEmpty()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QIcon icon;
    for (const IconFileImage& image : ReadIconFile(file.readAll(), IconFileKind::Icon)) {
        icon.addPixmap(QPixmap::fromImage(image.image));
    }
    return icon;
}

} // namespace ui
