#pragma once

#include "platform/frame/frame_layout.h"

#include <QFont>
#include <QPixmap>
#include <QString>

class QPainter;

namespace platform {

class SystemSettings;

// The state of a window that shows in its frame.
struct FrameLook {
    bool active = false;
    bool maximized = false;
    QString title;
    QPixmap icon;                                // drawn into the layout's icon rectangle
    QFont captionFont;                           // the title's font
    FrameArea pushedButton = FrameArea::Nowhere; // drawn pushed in
};

// Draws the classic 3D frame: raised border, caption strip with icon, title and buttons,
// and the line under the caption. Only what the painter's clip lets through reaches the
// window; nothing outside the frame parts of the layout is touched.
class ClassicFramePainter {
public:
    explicit ClassicFramePainter(const SystemSettings& settings);

    void paint(QPainter& painter, const FrameLayout& layout, const FrameLook& look) const;

    // The two-ring 3D edge of the classic look, raised or sunken.
    enum class Edge { WindowRaised, ButtonRaised, ButtonSunken };
    void drawEdge(QPainter& painter, const QRect& rect, Edge edge) const;

private:
    void paintBorder(QPainter& painter, const FrameLayout& layout, bool active) const;
    void paintCaption(QPainter& painter, const FrameLayout& layout, const FrameLook& look) const;
    void paintButton(QPainter& painter, const FrameLayout& layout, FrameArea button,
                     const FrameLook& look) const;

    const SystemSettings& settings_;
};

} // namespace platform
