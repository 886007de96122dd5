#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

// Dialog units worked out afresh from a font, as the boxes are meant to use them: the mean
// width of the 52 letters (remainder dropped) and the height of that string as drawn, scaled by
// 1/4 and 1/8 with halves rounded up.
struct ExpectedUnits {
    explicit ExpectedUnits(const QFont& font) {
        const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        const QFontMetrics metrics(font);
        average = metrics.horizontalAdvance(letters) / 52;
        line = metrics.size(Qt::TextSingleLine, letters).height();
    }
    int h(int n) const { return (2 * n * average + 4) / 8; }
    int v(int n) const { return (2 * n * line + 8) / 16; }

    int average = 0;
    int line = 0;
};
