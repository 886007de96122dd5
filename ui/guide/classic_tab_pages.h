#pragma once

#include "platform/style/classic_style.h"

namespace ui {

// Gives a tabbed-pages control the classic page geometry the guide was laid out for: the
// pages inset 4 pixels at the sides and bottom and 24 at the top, below one row of tabs,
// drawn in the classic look whatever style the desktop prefers.
class ClassicTabPages : public platform::ClassicStyle {
public:
    static constexpr int kSideInset = 4;
    static constexpr int kTopInset = 24;

    // Installs itself on `tabs`, owned by it.
    static void Apply(QWidget& tabs);

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;

private:
    ClassicTabPages();
};

} // namespace ui
