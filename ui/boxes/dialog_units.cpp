#include "dialog_units.h"

#include <QFontMetrics>
#include <QString>

#include <cstdint>
#include <limits>

namespace ui {

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -std::int64_t{denominator} : denominator;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    const std::int64_t result = negative ? -quotient : quotient;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}

namespace {

const QString& alphabet()
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return letters;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    averageWidth_ = metrics.horizontalAdvance(alphabet()) / 52;
    lineHeight_ = metrics.size(Qt::TextSingleLine, alphabet()).height();
}

DialogUnits::DialogUnits(int averageWidth, int lineHeight)
    : averageWidth_(averageWidth), lineHeight_(lineHeight)
{
}

} // namespace ui
