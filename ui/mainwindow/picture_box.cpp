#include "ui/mainwindow/picture_box.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureBox::drawPicture(const QImage& source) {
    if (picture_.isNull()) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        picture_.fill(Qt::white);
    } else if (picture_.format() != QImage::Format_RGB32) {
        // Painting needs a direct-colour surface; indexed pictures are converted once.
        picture_ = picture_.convertToFormat(QImage::Format_RGB32);
    }
    if (source.isNull())
        return;
    QPainter painter(&picture_);
    painter.drawImage(0, 0, source);
    painter.end();
    update();
}

void PictureBox::setCursorId(int id, const QCursor& cursor) {
    cursorId_ = id;
    setCursor(cursor);
}

void PictureBox::setChecked(bool checked) {
    if (checked_ == checked)
        return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::setFocusMarkShown(bool shown) {
    if (focusMarkShown_ == shown)
        return;
    focusMarkShown_ = shown;
    if (hasFocus())
        update();
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

QSize PictureBox::sizeHint() const {
    return picture_.isNull() ? QSize(72, 97) : picture_.size();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QPoint origin((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
    painter.drawImage(origin, picture_);
    if (focusMarkShown_ && hasFocus()) {
        // Inside the card's black edge, dotted as the desktop draws a focused control.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The press just before this event belongs to the same second click; forget it.
    pressed_ = false;
    event->accept();
}

} // namespace ui
