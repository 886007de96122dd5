#include "caption/title_bar_layout.h"

#include "platform/mul_div.h"

namespace caption {

using platform::BorderStyle;

TitleRect TitleBarRect(const TitleBarInput& in) {
    const BorderStyle s = in.designing ? BorderStyle::bsSizeable : in.formStyle;
    if (s == BorderStyle::bsNone) {
        return {};
    }
    const FrameMetrics& m = in.metrics;
    TitleRect r{0, 0, in.width, in.height};

    int cx = m.fixedFrameX;
    int cy = m.fixedFrameY;
    if (!in.minimized && (s == BorderStyle::bsSizeable || s == BorderStyle::bsSizeToolWin)) {
        cx = m.frameX;
        cy = m.frameY;
    }
    r.left += cx;
    r.top += cy;
    r.right -= cx;
    r.bottom -= cy;

    const bool toolWindow = s == BorderStyle::bsToolWindow || s == BorderStyle::bsSizeToolWin;
    // The last caption row is the line under the caption, which the frame draws.
    r.bottom = r.top + (toolWindow ? m.smallCaption : m.caption) - 1;

    const int b = m.buttonWidth;
    const bool systemMenu = (in.borderIcons & platform::biSystemMenu) != 0;
    if (toolWindow) {
        r.right -= m.smallButtonWidth + 2;
    } else {
        if (systemMenu && in.newShell) {
            r.right -= b + 2; // close button
        }
        if (s == BorderStyle::bsDialog && (in.borderIcons & platform::biHelp) != 0) {
            r.right -= b + 2; // help button
        }
        if (s != BorderStyle::bsDialog &&
            (in.borderIcons & (platform::biMinimize | platform::biMaximize)) != 0) {
            r.right -= 2 * b; // minimize and maximize pair
        }
        // The older style's system-menu box sits at the left; it follows the window's own
        // border style even in the designer.
        if (systemMenu && !in.newShell &&
            (in.formStyle == BorderStyle::bsSingle || in.formStyle == BorderStyle::bsSizeable)) {
            r.left += b;
        }
    }
    if (r.left >= r.right) {
        r.right = r.left + 2;
    }
    return r;
}

int BandEdge(int i, int width, int n) {
    return platform::MulDiv(i, width, n);
}

QRgb BandColor(QRgb start, QRgb end, int i, int n) {
    auto channel = [&](int s, int e) { return n > 1 ? s + platform::MulDiv(i, e - s, n - 1) : s; };
    return qRgb(channel(qRed(start), qRed(end)), channel(qGreen(start), qGreen(end)),
                channel(qBlue(start), qBlue(end)));
}

TitleTextPlan PlanTitleTexts(int available, TitleTextItem company, TitleTextItem appName,
                             TitleTextItem captionItem, bool newShell) {
    auto counted = [](const TitleTextItem& item) { return item.visible ? item.width : 0; };
    TitleTextPlan plan;
    int total = counted(company) + counted(appName) + counted(captionItem);
    plan.showCompany = total < available;
    if (plan.showCompany) {
        plan.showApp = true;
    } else {
        total = counted(appName) + counted(captionItem);
        plan.showApp = total < available;
    }
    if (!plan.showApp) {
        total = captionItem.width;
    }
    if (!newShell && total < available) {
        plan.indent = (available - total) / 2;
    }
    return plan;
}

} // namespace caption
