#include "ui/mainwindow/classic_layout.h"

#include "platform/classic_fonts.h"
#include "ui/mainwindow/accel_label.h"

#include <QCoreApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

namespace ui {

namespace {

void applyFont(QWidget& widget) {
    const QVariant face = widget.property("classicFace");
    const QVariant pixels = widget.property("classicPixelSize");
    if (!face.isValid() || !pixels.isValid())
        return;
    const platform::ClassicFace classic = face.toString() == QLatin1String("MsSansSerif")
                                              ? platform::ClassicFace::MsSansSerif
                                              : platform::ClassicFace::System;
    const int size = pixels.toInt();
    if (size <= 0)
        return;
    widget.setFont(platform::classicFont(classic, size, widget.property("classicBold").toBool()));
}

} // namespace

void ApplyClassicFonts(QWidget& root) {
    applyFont(root);
    for (QWidget* child : root.findChildren<QWidget*>())
        applyFont(*child);
}

ClassicFontsAsSet::ClassicFontsAsSet() {
    QCoreApplication::instance()->installEventFilter(this);
}

ClassicFontsAsSet::~ClassicFontsAsSet() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ClassicFontsAsSet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DynamicPropertyChange && watched->isWidgetType() &&
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName().startsWith("classic"))
        applyFont(*static_cast<QWidget*>(watched));
    return false;
}

void AutoSizeLabel(QLabel& label) {
    const auto* accel = qobject_cast<const AccelLabel*>(&label);
    const QString text = accel ? AccelLabel::plainCaption(accel->caption()) : label.text();
    const QFontMetrics metrics(label.font());
    const int frame = 2 * label.frameWidth();
    const int width = metrics.horizontalAdvance(text) + frame;
    const int height = metrics.height() + frame;
    const QRect old = label.geometry();
    const int left = (label.alignment() & Qt::AlignRight) ? old.right() + 1 - width : old.left();
    label.setGeometry(left, old.top(), width, height);
}

} // namespace ui
