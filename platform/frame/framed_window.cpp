#include "platform/frame/framed_window.h"

#include "platform/frame/frame_layout.h"
#include "platform/frame/window_frame.h"

namespace platform {

FramedWindow::FramedWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), frame_(new WindowFrame(*this)) {}

FramedWindow::~FramedWindow() = default;

BorderStyle FramedWindow::borderStyle() const {
    return frame_->borderStyle();
}

void FramedWindow::setBorderStyle(BorderStyle style) {
    frame_->setBorderStyle(style);
}

int FramedWindow::borderIcons() const {
    return frame_->borderIcons();
}

void FramedWindow::setBorderIcons(int icons) {
    frame_->setBorderIcons(icons);
}

QWidget* FramedWindow::clientArea() const {
    return frame_->clientArea();
}

void FramedWindow::setMenuBar(QMenuBar* menuBar) {
    frame_->setMenuBar(menuBar);
}

QMenuBar* FramedWindow::menuBar() const {
    return frame_->menuBar();
}

void FramedWindow::setClientSize(const QSize& clientSize) {
    frame_->setClientSize(clientSize);
}

FrameLayout FramedWindow::frameLayout() const {
    return frame_->frameLayout();
}

QRegion FramedWindow::frameRegion() const {
    return frame_->frameRegion();
}

bool FramedWindow::isFrameActive() const {
    return frame_->isFrameActive();
}

bool FramedWindow::isSizeFixed() const {
    return frame_->isSizeFixed();
}

void FramedWindow::setSizeFixed(bool fixed) {
    frame_->setSizeFixed(fixed);
}

bool FramedWindow::isIconified() const {
    return frame_->isIconified();
}

void FramedWindow::redrawFrame() {
    frame_->redrawFrame();
}

} // namespace platform
