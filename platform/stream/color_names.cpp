#include "platform/stream/color_names.h"

#include <array>

namespace platform {
namespace {

struct NamedColor {
    TColor value;
    const char* name;
};

constexpr TColor sys(int index) {
    return SystemColorFlag | index;
}

constexpr std::array<NamedColor, 41> Names{{
    {0x000000, "clBlack"},        {0x000080, "clMaroon"},
    {0x008000, "clGreen"},        {0x008080, "clOlive"},
    {0x800000, "clNavy"},         {0x800080, "clPurple"},
    {0x808000, "clTeal"},         {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},       {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},         {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},         {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},         {0xFFFFFF, "clWhite"},
    {sys(0), "clScrollBar"},      {sys(1), "clBackground"},
    {sys(2), "clActiveCaption"},  {sys(3), "clInactiveCaption"},
    {sys(4), "clMenu"},           {sys(5), "clWindow"},
    {sys(6), "clWindowFrame"},    {sys(7), "clMenuText"},
    {sys(8), "clWindowText"},     {sys(9), "clCaptionText"},
    {sys(10), "clActiveBorder"},  {sys(11), "clInactiveBorder"},
    {sys(12), "clAppWorkSpace"},  {sys(13), "clHighlight"},
    {sys(14), "clHighlightText"}, {sys(15), "clBtnFace"},
    {sys(16), "clBtnShadow"},     {sys(17), "clGrayText"},
    {sys(18), "clBtnText"},       {sys(19), "clInactiveCaptionText"},
    {sys(20), "clBtnHighlight"},  {sys(21), "cl3DDkShadow"},
    {sys(22), "cl3DLight"},       {sys(23), "clInfoText"},
    {sys(24), "clInfoBk"},
}};

} // namespace

std::optional<TColor> ColorFromName(const QString& name) {
    for (const NamedColor& c : Names) {
        if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0) {
            return c.value;
        }
    }
    return std::nullopt;
}

std::optional<QString> ColorName(TColor color) {
    for (const NamedColor& c : Names) {
        if (c.value == color) {
            return QString::fromLatin1(c.name);
        }
    }
    return std::nullopt;
}

} // namespace platform
