#include "resources/pictures/resource_paths.h"

namespace resources {
namespace {

// Keeps a name from reaching out of its folder ("../") or into another file type.
bool IsPlainName(const QString& name) {
    if (name.isEmpty()) {
        return false;
    }
    for (QChar c : name) {
        const bool ascii_letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!ascii_letter && !(c >= u'0' && c <= u'9') && c != u'_') {
            return false;
        }
    }
    return true;
}

QString PathFor(const QString& folder, const QString& name, const QString& suffix) {
    return IsPlainName(name) ? folder + name + suffix : QString();
}

} // namespace

QString PicturePath(const QString& name) {
    return PathFor(QStringLiteral(":/pictures/"), name, QStringLiteral(".dib"));
}

QString CursorPath(const QString& name) {
    return PathFor(QStringLiteral(":/cursors/"), name, QStringLiteral(".cur"));
}

QString IconPath(const QString& name) {
    return PathFor(QStringLiteral(":/icons/"), name, QStringLiteral(".ico"));
}

} // namespace resources
