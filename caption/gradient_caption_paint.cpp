// Painting the title bar: the caption rectangle, the background, the icon and the texts.
#include "caption/gradient_caption.h"

#include "caption/title_bar_layout.h"
#include "caption/title_bar_painter.h"
#include "platform/frame/framed_window.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>

namespace caption {
namespace {

bool hasStandardCaptionStyle(platform::BorderStyle style) {
    return style == platform::BorderStyle::bsSingle || style == platform::BorderStyle::bsSizeable;
}

// The window's icon, else the application's (QWidget::windowIcon falls back to it), else a
// stock one.
QIcon titleIcon(const QWidget& host) {
    QIcon icon = host.windowIcon();
    if (icon.isNull()) {
        icon = QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
    }
    return icon;
}

} // namespace

TitleRect TGradientCaption::TitleBarRect() const {
    const platform::FramedWindow* host = HostForm();
    if (!host) {
        return {};
    }
    TitleBarInput in;
    in.formStyle = host->borderStyle();
    in.borderIcons = host->borderIcons();
    in.minimized = host->isIconified();
    in.width = host->width();
    in.height = host->height();
    in.newShell = newShell_;
    in.designing = Designing();
    in.metrics = FrameMetrics::current();
    return caption::TitleBarRect(in);
}

TitleRect TGradientCaption::PaintTitleBar(QPainter& window, bool active) {
    const platform::FramedWindow* host = HostForm();
    if (!host || !window.isActive()) {
        return {};
    }
    if (host->borderStyle() == platform::BorderStyle::bsNone && !Designing()) {
        return {};
    }
    TitleRect c = TitleBarRect();
    if (c.isEmpty()) {
        return {};
    }
    // The image covers the window from its origin to the caption's bottom-right corner, so
    // everything below draws in window coordinates unchanged.
    QImage image(c.right, c.bottom, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    QPainter memory(&image);
    if (!memory.isActive()) {
        return {};
    }
    const TitleRect result = c;
    const platform::SystemSettings& settings = platform::SystemSettings::instance();
    const QColor k =
        settings.sysColor(active ? platform::COLOR_ACTIVECAPTION : platform::COLOR_INACTIVECAPTION);

    TitleBarPainter painter(memory);
    if (enabled_ == geAlways || (enabled_ == geWhenActive && active)) {
        painter.FillBands(settings.resolve(color_), k, numColors_, c);
    } else {
        painter.FillPlain(k, c);
    }
    if (newShell_ && (Designing() || ((host->borderIcons() & platform::biSystemMenu) != 0 &&
                                      hasStandardCaptionStyle(host->borderStyle())))) {
        const QSize smallIcon(settings.metric(platform::Metric::CxSmIcon),
                              settings.metric(platform::Metric::CySmIcon));
        painter.DrawTitleIcon(c, titleIcon(*host), smallIcon);
    }
    // The caption item always shows the current title, however it was set.
    captionText_->caption_ = host->windowTitle();
    DrawTexts(painter, c, active);

    memory.end();
    window.drawImage(QPoint(result.left, result.top), image, result.toQRect());
    return result;
}

void TGradientCaption::DrawTexts(TitleBarPainter& painter, TitleRect& c, bool active) {
    const int companyWidth = painter.MeasureTitleText(*companyText_);
    const int appWidth = painter.MeasureTitleText(*appNameText_);
    const int captionWidth = painter.MeasureTitleText(*captionText_);
    const TitleTextPlan plan = PlanTitleTexts(c.width(), {companyWidth, companyText_->Visible()},
                                              {appWidth, appNameText_->Visible()},
                                              {captionWidth, captionText_->Visible()}, newShell_);
    c.left += plan.indent;
    if (plan.showCompany && !companyText_->Caption().isEmpty() && companyText_->Visible()) {
        painter.DrawTitleText(c, active, *companyText_);
    }
    if (plan.showApp && !appNameText_->Caption().isEmpty() && appNameText_->Visible()) {
        painter.DrawTitleText(c, active, *appNameText_);
    }
    if (captionText_->Visible()) {
        painter.DrawTitleText(c, active, *captionText_);
    }
}

} // namespace caption
