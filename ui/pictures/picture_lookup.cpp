#include "ui/pictures/picture_lookup.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include "resources/pictures/resource_paths.h"

namespace ui {
namespace {

const QString kPicturePrefix = QStringLiteral("BITMAP_");

// True for "BITMAP_" followed by a positive decimal number written the canonical way.
bool IsPictureName(const QString& name) {
    if (!name.startsWith(kPicturePrefix)) {
        return false;
    }
    const QString digits = name.mid(kPicturePrefix.size());
    bool ok = false;
    const int n = digits.toInt(&ok);
    return ok && n > 0 && QString::number(n) == digits;
}

} // namespace

QImage PictureByNumber(int n) {
    if (n <= 0) {
        return {};
    }
    return PictureByName(kPicturePrefix + QString::number(n));
}

QImage PictureByName(const QString& name) {
    if (!IsPictureName(name)) {
        return {};
    }
    const QString path = resources::PicturePath(name);
    if (path.isEmpty()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // Stored the way the platform keeps bitmap resources: info header, palette, pixels. Qt
    // reads that format itself; without auto-detection it does not first ask every image
    // plugin whether it knows the format better, which would load them all.
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "dib");
    reader.setAutoDetectImageFormat(false);
    QImage picture = reader.read();
    if (picture.width() != kPictureWidth || picture.height() != kPictureHeight) {
        return {};
    }
    return picture;
}

} // namespace ui
