#pragma once

#include <QProxyStyle>

class QMenu;

namespace ui {

// Menus as the classic desktop draws them where the toolkit's styles do not: a
// disabled item can be highlighted by the pointer or the arrow keys (it still does nothing),
// so its hint reaches the status line like any other item's.
class ClassicMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    // A highlighted disabled item gets the highlight bar under its greyed text.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

    // Gives the menu this style. One style serves every menu; it lives as long as the
    // application, so it outlasts every menu that uses it.
    static void Apply(QMenu& menu);
};

} // namespace ui
