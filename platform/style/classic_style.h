#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace platform {

// The classic desktop look for every window of the program, whatever style the desktop
// prefers: Qt's own classic "Windows" style (bevelled buttons and fields, square tabs, plain
// menu ticks), coloured with the system colours the frame is painted with.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    ClassicStyle();

    // Makes a new ClassicStyle the application's style, replacing whatever the desktop, the
    // environment or the command line chose. Call it once the QApplication exists.
    static void Install();

    // The palette of the system colours: button-face windows, white fields, navy highlight,
    // greyed disabled text.
    static QPalette SystemPalette();

    QPalette standardPalette() const override;
    using QProxyStyle::polish;
    void polish(QPalette& palette) override;

    // A disabled menu item can be highlighted (it still does nothing), so its hint reaches
    // the status line like any other item's.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    // The open menu-bar heading is highlighted as the items below it are.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // The menu bar's overflow arrows are made only when one is drawn: every menu bar asks for
    // them while it is built, and reading them would load all image plugins at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace platform
