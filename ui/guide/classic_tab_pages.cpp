#include "ui/guide/classic_tab_pages.h"

#include <QStyleOption>
#include <QWidget>

namespace ui {

ClassicTabPages::ClassicTabPages() = default;

void ClassicTabPages::Apply(QWidget& tabs) {
    auto* style = new ClassicTabPages;
    style->setParent(&tabs);
    tabs.setStyle(style);
}

QRect ClassicTabPages::subElementRect(SubElement element, const QStyleOption* option,
                                      const QWidget* widget) const {
    const QRect whole = option->rect;
    const QRect pages(whole.left() + kSideInset, whole.top() + kTopInset,
                      whole.width() - 2 * kSideInset, whole.height() - kTopInset - kSideInset);
    switch (element) {
    case SE_TabWidgetTabContents:
        return pages;
    case SE_TabWidgetTabPane:
        // The raised border around the pages, two pixels wide, meets the row of tabs.
        return pages.adjusted(-2, -2, 2, 2);
    default:
        return platform::ClassicStyle::subElementRect(element, option, widget);
    }
}

} // namespace ui
