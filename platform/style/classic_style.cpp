#include "platform/style/classic_style.h"

#include "platform/frame/system_settings.h"
#include "platform/style/deferred_icon.h"

#include <QApplication>
#include <QCommonStyle>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace platform {

namespace {

// Built into QtWidgets: no plugin is loaded for it.
QStyle* classicBase() {
    return QStyleFactory::create(QStringLiteral("Windows"));
}

} // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(classicBase()) {}

void ClassicStyle::Install() {
    QApplication::setStyle(new ClassicStyle);
    // A desktop theme's palette would win over the style's own; the system colours do not
    // depend on the desktop.
    QApplication::setPalette(SystemPalette());
}

QPalette ClassicStyle::SystemPalette() {
    const SystemSettings& s = SystemSettings::instance();
    const QColor face = s.sysColor(COLOR_BTNFACE);
    const QColor text = s.sysColor(COLOR_WINDOWTEXT);
    const QColor grey = s.sysColor(COLOR_GRAYTEXT);

    QPalette palette;
    const auto all = [&palette](QPalette::ColorRole role, const QColor& color) {
        palette.setColor(QPalette::All, role, color);
    };
    all(QPalette::Window, face);
    all(QPalette::WindowText, text);
    all(QPalette::Base, s.sysColor(COLOR_WINDOW));
    all(QPalette::AlternateBase, face);
    all(QPalette::Text, text);
    all(QPalette::Button, face);
    all(QPalette::ButtonText, s.sysColor(COLOR_BTNTEXT));
    all(QPalette::BrightText, s.sysColor(COLOR_BTNHIGHLIGHT));
    // The two-pixel bevel: white and light grey on the lit sides, grey and black in shadow.
    all(QPalette::Light, s.sysColor(COLOR_BTNHIGHLIGHT));
    all(QPalette::Midlight, s.sysColor(COLOR_3DLIGHT));
    all(QPalette::Mid, s.sysColor(COLOR_BTNSHADOW));
    all(QPalette::Dark, s.sysColor(COLOR_BTNSHADOW));
    all(QPalette::Shadow, s.sysColor(COLOR_3DDKSHADOW));
    all(QPalette::Highlight, s.sysColor(COLOR_HIGHLIGHT));
    all(QPalette::HighlightedText, s.sysColor(COLOR_HIGHLIGHTTEXT));
    all(QPalette::ToolTipBase, s.sysColor(COLOR_INFOBK));
    all(QPalette::ToolTipText, s.sysColor(COLOR_INFOTEXT));
    all(QPalette::PlaceholderText, grey);
    all(QPalette::Link, QColor(0x00, 0x00, 0xFF));
    all(QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, grey);
    // A disabled field shows the window's grey, not white.
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    return palette;
}

QPalette ClassicStyle::standardPalette() const {
    return SystemPalette();
}

void ClassicStyle::polish(QPalette& palette) {
    palette = SystemPalette();
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    auto* common = qobject_cast<QCommonStyle*>(baseStyle());
    if (element != CE_MenuBarItem || item == nullptr || common == nullptr) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The classic base raises and sinks headings like buttons; ours stay flat and take the
    // highlight bar while the pointer or the keyboard is on them or their menu is open.
    const bool lit = (item->state & State_Selected) && (item->state & State_Enabled) &&
                     (item->state & (State_Sunken | State_HasFocus));
    QStyleOptionMenuItem heading(*item);
    painter->fillRect(item->rect,
                      item->palette.brush(lit ? QPalette::Highlight : QPalette::Button));
    if (lit)
        heading.palette.setBrush(QPalette::ButtonText,
                                 item->palette.brush(QPalette::HighlightedText));
    // The plain text and access-key underline of a heading, with no bevel.
    common->QCommonStyle::drawControl(element, &heading, painter, widget);
}

QIcon ClassicStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The arrow points the way the layout runs, which the option (or, without one, the
    // application) says now, not when the arrow is first drawn.
    const Qt::LayoutDirection direction =
        option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    return DeferredIcon([style = QPointer<const ClassicStyle>(this), icon, direction,
                         widget = QPointer<const QWidget>(widget)] {
        if (style.isNull())
            return QIcon();
        QStyleOption fixed;
        fixed.direction = direction;
        return style->QProxyStyle::standardIcon(icon, &fixed, widget.data());
    });
}

} // namespace platform
