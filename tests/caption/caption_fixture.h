#pragma once

#include "caption/gradient_caption.h"
#include "platform/frame/frame_events.h"
#include "platform/frame/framed_window.h"
#include "platform/frame/system_settings.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QRegion>

#include <gtest/gtest.h>

#include <memory>

namespace captiontest {

// Sees the frame messages after whatever hooked the window later, i.e. what a caption
// installed after it passes on.
class FrameProbe : public QObject {
public:
    explicit FrameProbe(QWidget& window) : window_(window) { window.installEventFilter(this); }
    ~FrameProbe() override { window_.removeEventFilter(this); }

    int paints = 0;
    QRegion lastRegion;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ &&
            static_cast<int>(event->type()) == platform::FramePaintEventType) {
            ++paints;
            lastRegion = static_cast<platform::FramePaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget& window_;
};

// The main window's frame: sizeable, system menu and minimize, 442 x 353, a plain magenta icon.
class CaptionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SystemSettings::instance().resetToDefaults();
        window = std::make_unique<platform::FramedWindow>();
        window->setBorderStyle(platform::BorderStyle::bsSizeable);
        window->setBorderIcons(platform::biSystemMenu | platform::biMinimize);
        window->resize(442, 353);
        window->setWindowTitle(QStringLiteral("Vandolin"));
        QPixmap icon(16, 16);
        icon.fill(QColor(255, 0, 255));
        window->setWindowIcon(QIcon(icon));
    }

    void TearDown() override {
        window.reset();
        platform::SystemSettings::instance().resetToDefaults();
    }

    caption::TGradientCaption* makeCaption() { return new caption::TGradientCaption(window.get()); }

    // Tells the window (and its hooks) it is active or not, as the desktop would.
    void setActive(bool active) {
        platform::FrameActivateEvent event(active);
        QCoreApplication::sendEvent(window.get(), &event);
    }

    QImage grab() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<platform::FramedWindow> window;
};

inline bool isRed(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 90;
}
inline bool isLime(QRgb c) {
    return qGreen(c) > 150 && qRed(c) < 90;
}
inline bool isWhite(QRgb c) {
    return qRed(c) > 150 && qGreen(c) > 150 && qBlue(c) > 150;
}
inline bool isYellow(QRgb c) {
    return qRed(c) > 150 && qGreen(c) > 150 && qBlue(c) < 90;
}

// Whether any pixel of the area matches.
template <typename Pred> bool anyPixel(const QImage& image, const QRect& area, Pred pred) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (pred(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace captiontest
