#include "app_message_box.h"

#include "application_window.h"
#include "line_breaks.h"
#include "screen_centre.h"
#include "window_disabler.h"
#include "wrapped_text.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

// QMessageBox fits itself to its text only while it is being shown, after QDialog has placed
// it by a provisional size, so it would stand off centre. Centring once more at that moment,
// before the window is mapped, puts the final box in the middle of the screen.
class ScreenCentredMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        CentreOnScreen(*this);
    }
};

QMessageBox::Icon iconFor(unsigned flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int AppMessageBox(const QString& text, const QString& caption, unsigned flags) {
    const WindowDisabler disabler;
    ScreenCentredMessageBox box(iconFor(flags), caption, QString(), QMessageBox::Ok,
                                ApplicationWindow());
    // The text may hold what the player typed: never let it be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(WithLineFeeds(text));
    WrapMessageBoxText(box);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    // Some desktop styles put a picture on standard buttons; the classic OK is a plain word.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
    return IDOK;
}

} // namespace ui
