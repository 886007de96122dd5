#include "dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace ui {

namespace {

const QString& alphabet() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return letters;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    averageWidth_ = metrics.horizontalAdvance(alphabet()) / 52;
    lineHeight_ = metrics.size(Qt::TextSingleLine, alphabet()).height();
}

DialogUnits::DialogUnits(int averageWidth, int lineHeight)
    : averageWidth_(averageWidth), lineHeight_(lineHeight) {}

} // namespace ui
