#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "platform/frame/frame_events.h"

#include <cstdint>
#include <optional>

namespace platform {

// A colour value: 0x00BBGGRR, or 0x80000000 + n for system colour n, resolved when drawn.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor SystemColorFlag = static_cast<TColor>(0x80000000u);
inline constexpr TColor clActiveCaption = SystemColorFlag | 2;
inline constexpr TColor clInactiveCaption = SystemColorFlag | 3;
inline constexpr TColor clCaptionText = SystemColorFlag | 9;
inline constexpr TColor clInactiveCaptionText = SystemColorFlag | 19;

// System colour indices. An index outside 0..SysColorCount-1 names no colour: it reads as
// black and cannot be set.
enum SysColor : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    SysColorCount = 25,
};

// The frame metrics the window layouts were made for.
// clang-format off
enum class Metric {
    CxFixedFrame, CyFixedFrame, // thin frame of dialogs and tool windows
    CxFrame, CyFrame,           // sizing frame
    CyCaption, CySmCaption,     // caption heights (the 1-pixel line below included)
    CxSize, CxSmSize,           // caption button widths
    CxSmIcon, CySmIcon,         // small icon
    CyMenu,                     // menu bar height
};
// clang-format on
inline constexpr int MetricCount = static_cast<int>(Metric::CyMenu) + 1;

// The caption font as the desktop reports it. height follows the usual sign convention:
// positive is a size in points, negative a character height in pixels.
struct CaptionFontInfo {
    QString face;
    int height = 0;
    bool italic = false;
    int weight = 400;
};

// One place that answers system metrics, system colours and the caption font.
// Tests may change the answers and then call notifyChanged(), which sends a settings
// message through the hook chain of every framed window, as a desktop change would.
class SystemSettings {
public:
    static SystemSettings& instance();

    int metric(Metric m) const;
    QColor sysColor(int index) const;
    // RGB values as they are; system references resolved to the current colour.
    QColor resolve(TColor color) const;

    // nullopt when the desktop cannot report it.
    std::optional<CaptionFontInfo> captionFont() const;
    // The font a classic program gets when it asks for none in particular.
    QFont stockSystemFont() const;
    // captionFont() as a QFont (bold when the weight is above 500); the stock system font
    // when the desktop cannot report one. The standard caption is written in it.
    QFont captionQFont() const;
    // The font of menu bars and menus.
    QFont menuFont() const;

    // Bad values (a negative metric, an unknown colour index, an invalid colour) are
    // refused with a warning and change nothing.
    void setMetric(Metric m, int value);
    void setSysColor(int index, const QColor& color);
    void setCaptionFont(const std::optional<CaptionFontInfo>& font);
    void resetToDefaults();

    // Sends FrameSettingsEvent(cause) to every framed window, as a desktop change would.
    void notifyChanged(FrameSettingsEvent::Cause cause = FrameSettingsEvent::Cause::Settings);

    SystemSettings(const SystemSettings&) = delete;
    SystemSettings& operator=(const SystemSettings&) = delete;

private:
    SystemSettings();
    ~SystemSettings();
    struct Data;
    Data* d;
};

// The typed system beep: 0x30 (exclamation) plays the desktop's warning sound, 0 the
// default bell; QApplication::beep() when no sound server answers.
void MessageBeep(unsigned type);

} // namespace platform
