// How the caption component sits in its window's frame message chain.
#include "caption/gradient_caption.h"

#include "platform/frame/frame_events.h"
#include "platform/frame/framed_window.h"

#include <QApplication>

namespace caption {

void TGradientCaption::AttachToHost() {
    // Event filters see a message newest first: the component goes in front of whatever
    // hooked the window before it, and passes every message on to it.
    if (host_ && !attached_) {
        host_->installEventFilter(this);
        attached_ = true;
    }
}

void TGradientCaption::DetachFromHost() {
    if (host_ && attached_) {
        host_->removeEventFilter(this);
    }
    attached_ = false;
}

bool TGradientCaption::HostIsActive() const {
    if (activeKnown_) {
        return lastActive_;
    }
    return host_ && QApplication::activeWindow() == host_.data();
}

void TGradientCaption::RedrawFrame() {
    if (platform::FramedWindow* host = HostForm()) {
        host->redrawFrame();
    }
}

bool TGradientCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched != host_.data()) {
        return QObject::eventFilter(watched, event);
    }
    switch (static_cast<int>(event->type())) {
    case platform::FramePaintEventType: {
        auto* paint = static_cast<platform::FramePaintEvent*>(event);
        const TitleRect painted = PaintTitleBar(paint->painter(), HostIsActive());
        // The window paints the rest of its frame, never over our caption.
        if (!painted.isEmpty()) {
            paint->setRegion(paint->region().subtracted(QRegion(painted.toQRect())));
        }
        break;
    }
    case platform::FrameActivateEventType:
        // Recorded before the window handles it: its handling repaints the frame at once,
        // and that painting already shows the caption in the new state.
        lastActive_ = static_cast<platform::FrameActivateEvent*>(event)->active();
        activeKnown_ = true;
        break;
    case platform::FrameSettingsEventType:
        // The fonts are rebuilt before the window repaints for the change, so that painting
        // shows them already; nothing the window does with the message bears on them.
        LoadCaptionFont();
        ApplyFontKind(*appNameText_, appNameText_->FontKind());
        ApplyFontKind(*captionText_, captionText_->FontKind());
        ApplyFontKind(*companyText_, companyText_->FontKind());
        RedrawFrame();
        break;
    default:
        break;
    }
    return false; // every frame message goes on down the chain
}

} // namespace caption
