#include "app_message_box.h"

#include "app_message_form.h"
#include "application_window.h"

namespace ui {

namespace {

MessageIcon iconFor(unsigned flags) {
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return MessageIcon::Error;
    case MB_ICONQUESTION:
        return MessageIcon::Question;
    case MB_ICONWARNING:
        return MessageIcon::Warning;
    case MB_ICONINFORMATION:
        return MessageIcon::Information;
    default:
        return MessageIcon::None;
    }
}

} // namespace

int AppMessageBox(const QString& text, const QString& caption, unsigned flags) {
    TAppMessageForm box(text, caption, iconFor(flags), ApplicationWindow());
    box.runModal();
    return IDOK;
}

} // namespace ui
