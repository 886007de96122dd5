#include "ui/mainwindow/classic_menu_style.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionMenuItem>

namespace ui {

int ClassicMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returnData) const {
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassicMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    const bool highlightedDisabled = element == CE_MenuItem && item &&
                                     (item->state & State_Selected) &&
                                     !(item->state & State_Enabled);
    if (!highlightedDisabled) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The base style draws no highlight for a disabled item; lay the bar first and let it
    // draw the item as unselected on top.
    painter->fillRect(item->rect, item->palette.brush(QPalette::Active, QPalette::Highlight));
    QStyleOptionMenuItem plain(*item);
    plain.state &= ~State_Selected;
    plain.palette.setBrush(QPalette::Window, Qt::NoBrush);
    QProxyStyle::drawControl(element, &plain, painter, widget);
}

void ClassicMenuStyle::Apply(QMenu& menu) {
    static QPointer<ClassicMenuStyle> shared;
    if (!shared) {
        shared = new ClassicMenuStyle;
        shared->setParent(qApp);
    }
    menu.setStyle(shared);
}

} // namespace ui
