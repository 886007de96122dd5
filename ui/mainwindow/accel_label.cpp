#include "ui/mainwindow/accel_label.h"

#include <QEvent>

namespace ui {

namespace {

// Walks a caption once and hands every visible character to the sink, telling it whether
// the character is the access letter. Only the first marker counts, as on the classic desktop.
template <class Sink> void walkCaption(const QString& caption, Sink&& sink) {
    bool marked = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        QChar c = caption.at(i);
        if (c == u'&' && i + 1 < caption.size()) {
            ++i;
            c = caption.at(i);
            if (c != u'&' && !marked) {
                marked = true;
                sink(c, true);
                continue;
            }
        }
        sink(c, false);
    }
}

} // namespace

AccelLabel::AccelLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    followTextColour();
}

void AccelLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !followingColour_)
        followTextColour();
}

void AccelLabel::followTextColour() {
    QPalette palette = this->palette();
    bool changed = false;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor colour = palette.color(group, QPalette::WindowText);
        if (palette.color(group, QPalette::Text) != colour) {
            palette.setColor(group, QPalette::Text, colour);
            changed = true;
        }
    }
    if (!changed)
        return;
    followingColour_ = true;
    setPalette(palette);
    followingColour_ = false;
}

void AccelLabel::setCaption(const QString& caption) {
    caption_ = caption;
    setText(renderCaption(caption));
    // A screen reader would otherwise read the markup that draws the underline.
    setAccessibleName(plainCaption(caption));
}

QString AccelLabel::renderCaption(const QString& caption) {
    QString html;
    walkCaption(caption, [&html](QChar c, bool accel) {
        const QString escaped = QString(c).toHtmlEscaped();
        html += accel ? QStringLiteral("<u>") + escaped + QStringLiteral("</u>") : escaped;
    });
    // A lone blank caption still needs its height; rich text drops leading blanks.
    return html.replace(u' ', QStringLiteral("&nbsp;"));
}

QString AccelLabel::plainCaption(const QString& caption) {
    QString plain;
    walkCaption(caption, [&plain](QChar c, bool) { plain += c; });
    return plain;
}

} // namespace ui
