#include "wrapped_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Without a screen (never on a desktop) the text wraps as on a small one.
constexpr int FallbackScreenWidth = 640;

// Lays the text out in lines no wider than width; returns the height they take.
int layOut(QTextLayout& layout, int width) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return static_cast<int>(std::ceil(y));
}

// QTextLayout breaks lines only at the Unicode line separator.
QString withLineSeparators(QString text) {
    text.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text.replace(u'\r', QChar::LineSeparator);
    text.replace(u'\n', QChar::LineSeparator);
    return text;
}

} // namespace

WrappedText::WrappedText(const QString& text, int maxWidth, QWidget* parent)
    : QWidget(parent), text_(text), maxWidth_(std::max(1, maxWidth)) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(text);
}

QSize WrappedText::sizeHint() const {
    // As wide as the longest line written out, but no wider than allowed.
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (const QString& line : withLineSeparators(text_).split(QChar::LineSeparator))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int width = std::min(maxWidth_, static_cast<int>(std::ceil(widest)));
    return {width, heightForWidth(width)};
}

QSize WrappedText::minimumSizeHint() const {
    return sizeHint();
}

int WrappedText::heightForWidth(int width) const {
    QTextLayout layout(withLineSeparators(text_), font());
    return layOut(layout, std::max(1, width));
}

void WrappedText::paintEvent(QPaintEvent*) {
    QTextLayout layout(withLineSeparators(text_), font());
    layOut(layout, width());
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout.draw(&painter, QPointF(0, 0));
}

} // namespace ui
