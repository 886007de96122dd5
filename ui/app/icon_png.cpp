// Build-time helper: writes the images of the embedded MAINICON as PNG files, the format a
// Linux desktop's icon theme reads. Usage: vandolin-icon-png OUTPUT_DIR
// Writes OUTPUT_DIR/vandolin-<size>.png for every size the icon holds; exits non-zero when the
// icon cannot be read or a file cannot be written.
#include "resources/pictures/resource_paths.h"
#include "ui/pictures/icon_file_reader.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vandolin-icon-png OUTPUT_DIR\n", stderr);
        return 2;
    }
    QFile file(resources::IconPath(QStringLiteral("MAINICON")));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fputs("vandolin-icon-png: the MAINICON resource is missing\n", stderr);
        return 1;
    }
    const auto images = ui::ReadIconFile(file.readAll(), ui::IconFileKind::Icon);
    if (images.empty()) {
        std::fputs("vandolin-icon-png: MAINICON cannot be read\n", stderr);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "vandolin-icon-png: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const ui::IconFileImage& icon : images) {
        const QString name =
            out.filePath(QStringLiteral("vandolin-%1.png").arg(icon.image.width()));
        if (!icon.image.save(name, "PNG")) {
            std::fprintf(stderr, "vandolin-icon-png: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
