#include "platform/frame/system_settings.h"

#include "platform/classic_fonts.h"
#include "platform/frame/framed_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>

#include <array>

namespace platform {

namespace {

// The classic desktop's standard scheme: grey 3D controls, navy active caption.
constexpr std::array<QRgb, SysColorCount> ClassicColors = {
    0xC0C0C0, // scroll bar
    0x008080, // desktop
    0x000080, // active caption
    0x808080, // inactive caption
    0xC0C0C0, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xC0C0C0, // active border
    0xC0C0C0, // inactive border
    0x808080, // application workspace
    0x000080, // highlight
    0xFFFFFF, // highlight text
    0xC0C0C0, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xC0C0C0, // inactive caption text
    0xFFFFFF, // button highlight
    0x000000, // 3D dark shadow
    0xC0C0C0, // 3D light
    0x000000, // tooltip text
    0xFFFFE1, // tooltip background
};

// In Metric order. The small caption and its buttons are the classic desktop's defaults.
constexpr std::array<int, MetricCount> ClassicMetrics = {
    3,  3,  // fixed frame
    4,  4,  // sizing frame
    19, 15, // caption, small caption
    18, 14, // caption button widths
    16, 16, // small icon
    19,     // menu bar
};

CaptionFontInfo classicCaptionFont() {
    CaptionFontInfo info;
    info.face = classicFamily(ClassicFace::MsSansSerif);
    info.height = -11;
    info.italic = false;
    info.weight = 700;
    return info;
}

constexpr int MenuFontPixels = 11;
constexpr int StockFontPixels = 13;
constexpr int BoldWeightAbove = 500;

} // namespace

struct SystemSettings::Data {
    std::array<int, MetricCount> metrics = ClassicMetrics;
    std::array<QColor, SysColorCount> colors;
    std::optional<CaptionFontInfo> captionFont = classicCaptionFont();

    void reset() {
        metrics = ClassicMetrics;
        for (int i = 0; i < SysColorCount; ++i) {
            colors[static_cast<std::size_t>(i)] =
                QColor::fromRgb(ClassicColors[static_cast<std::size_t>(i)]);
        }
        captionFont = classicCaptionFont();
    }
};

SystemSettings& SystemSettings::instance() {
    static SystemSettings settings;
    return settings;
}

SystemSettings::SystemSettings() : d(new Data) {
    d->reset();
}

SystemSettings::~SystemSettings() {
    delete d;
}

int SystemSettings::metric(Metric m) const {
    const int index = static_cast<int>(m);
    if (index < 0 || index >= MetricCount) {
        return 0;
    }
    return d->metrics[static_cast<std::size_t>(index)];
}

QColor SystemSettings::sysColor(int index) const {
    if (index < 0 || index >= SysColorCount) {
        return QColor(Qt::black);
    }
    return d->colors[static_cast<std::size_t>(index)];
}

QColor SystemSettings::resolve(TColor color) const {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0x80000000u) != 0) {
        const std::uint32_t index = bits & 0x7FFFFFFFu;
        return index < static_cast<std::uint32_t>(SysColorCount) ? sysColor(static_cast<int>(index))
                                                                 : QColor(Qt::black);
    }
    // 0x00BBGGRR; the top byte (palette flags of old displays) has no meaning here.
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

std::optional<CaptionFontInfo> SystemSettings::captionFont() const {
    return d->captionFont;
}

QFont SystemSettings::stockSystemFont() const {
    return classicFont(ClassicFace::System, StockFontPixels, true);
}

QFont SystemSettings::captionQFont() const {
    if (!d->captionFont) {
        return stockSystemFont();
    }
    const CaptionFontInfo& info = *d->captionFont;
    QFont font = stockSystemFont();
    if (!info.face.isEmpty()) {
        font.setFamily(info.face);
    }
    if (info.height > 0) {
        font.setPointSize(info.height);
    } else if (info.height < 0) {
        font.setPixelSize(-info.height);
    }
    font.setBold(info.weight > BoldWeightAbove);
    font.setItalic(info.italic);
    return font;
}

QFont SystemSettings::menuFont() const {
    return classicFont(ClassicFace::MsSansSerif, MenuFontPixels);
}

void SystemSettings::setMetric(Metric m, int value) {
    const int index = static_cast<int>(m);
    if (index < 0 || index >= MetricCount || value < 0) {
        qWarning("SystemSettings: metric %d cannot be %d; unchanged", index, value);
        return;
    }
    d->metrics[static_cast<std::size_t>(index)] = value;
}

void SystemSettings::setSysColor(int index, const QColor& color) {
    if (index < 0 || index >= SysColorCount || !color.isValid()) {
        qWarning("SystemSettings: no valid colour for index %d; unchanged", index);
        return;
    }
    d->colors[static_cast<std::size_t>(index)] = color.toRgb();
}

void SystemSettings::setCaptionFont(const std::optional<CaptionFontInfo>& font) {
    d->captionFont = font;
}

void SystemSettings::resetToDefaults() {
    d->reset();
}

void SystemSettings::notifyChanged(FrameSettingsEvent::Cause cause) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    // Collect first: a hook may create or close windows while it handles the message.
    QList<QPointer<FramedWindow>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<FramedWindow*>(widget)) {
            windows.append(window);
        }
    }
    for (const QPointer<FramedWindow>& window : windows) {
        if (window) {
            FrameSettingsEvent event(cause);
            QCoreApplication::sendEvent(window, &event);
        }
    }
}

} // namespace platform
