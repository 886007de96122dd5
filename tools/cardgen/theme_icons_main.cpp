// Build-time generator of the desktop icon theme's pictures.
// Usage: vandolin-theme-icons OUTPUT_DIR   (writes vandolin-<size>.png for every theme size)
#include "tools/cardgen/theme_icon.h"

#include <QDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vandolin-theme-icons OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "vandolin-theme-icons: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int size : icons::ThemeIconSizes()) {
        const QString name = out.filePath(QStringLiteral("vandolin-%1.png").arg(size));
        // Quality 0 is the strongest compression Qt's PNG writer has.
        if (!icons::PaintThemeIcon(size).save(name, "PNG", 0)) {
            std::fprintf(stderr, "vandolin-theme-icons: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
