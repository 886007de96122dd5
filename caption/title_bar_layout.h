#pragma once

#include "caption/title_rect.h"
#include "platform/frame/frame_layout.h"
#include "platform/frame/framed_window.h"

#include <QRgb>

namespace caption {

// The frame metrics the caption rectangle depends on: the frame's own.
using FrameMetrics = platform::FrameMetrics;

// Everything about the window that decides where its caption lies.
struct TitleBarInput {
    platform::BorderStyle formStyle = platform::BorderStyle::bsSizeable;
    int borderIcons = 0; // platform::BorderIcon flags
    bool minimized = false;
    int width = 0; // outer size, frame included
    int height = 0;
    bool newShell = true;
    bool designing = false;
    FrameMetrics metrics;
};

// The caption rectangle inside the frame, less the caption buttons (and, in the older style,
// the system-menu box); empty for a window without border.
TitleRect TitleBarRect(const TitleBarInput& in);

// Left edge (relative to the rectangle) of band i of n over width pixels; band i ends where
// band i + 1 starts, so the bands tile the rectangle.
int BandEdge(int i, int width, int n);
// The colour of band i of n from start (band 0) to end (band n - 1), per channel.
QRgb BandColor(QRgb start, QRgb end, int i, int n);

// One text item as the layout sees it: its measured width (text width + 3) and visibility.
struct TitleTextItem {
    int width = 0;
    bool visible = false;
};

struct TitleTextPlan {
    bool showCompany = false;
    bool showApp = false;
    int indent = 0; // added to the left edge before the first text (older style centring)
};

// Which items fit into `available` pixels: the company item goes first, then the
// application-name item; the caption item is always drawn. A block exactly as wide as the
// space does not fit.
TitleTextPlan PlanTitleTexts(int available, TitleTextItem company, TitleTextItem appName,
                             TitleTextItem captionItem, bool newShell);

} // namespace caption
