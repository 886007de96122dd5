#include "text_prompt.h"

#include "application_window.h"
#include "dialog_units.h"
#include "line_breaks.h"
#include "string_table.h"

#include "platform/classic_fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

// The classic control font, 8 points at 96 dpi.
constexpr int ControlFontPixels = 11;

} // namespace

TextPrompt::TextPrompt(const QString& caption, const QString& prompt, const QString& preset,
                       QWidget* parent)
    : ClassicDialog(parent) {
    setFont(platform::classicFont(platform::ClassicFace::MsSansSerif, ControlFontPixels));
    const DialogUnits du(font());
    setWindowTitle(caption);
    setClientSize(du.h(180), du.v(63));

    // The edit field is made first so that it comes first in the tab order.
    edit_ = new QLineEdit(clientArea());
    edit_->setObjectName(QStringLiteral("Edit"));
    label_ = new QLabel(clientArea());
    label_->setObjectName(QStringLiteral("Prompt"));
    label_->setTextFormat(Qt::PlainText);
    label_->setText(WithLineFeeds(prompt));
    label_->move(du.h(8), du.v(8));
    label_->adjustSize();
    // The prompt names the field for screen readers.
    label_->setBuddy(edit_);

    edit_->setMaxLength(MaxPromptLength);
    edit_->setText(preset);
    edit_->selectAll();
    edit_->setGeometry(label_->x(), du.v(19), du.h(164), edit_->sizeHint().height());

    QPushButton* ok = addButton(LoadStr(sOkButton), mrOk, QStringLiteral("OK"));
    ok->setGeometry(du.h(38), du.v(41), du.h(50), du.v(14));
    ok->setDefault(true);
    QPushButton* cancel = addButton(LoadStr(sCancelButton), mrCancel, QStringLiteral("Cancel"));
    cancel->setGeometry(du.h(92), du.v(41), du.h(50), du.v(14));
    setCancelButton(cancel);

    edit_->setFocus(Qt::OtherFocusReason);
}

QString TextPrompt::text() const {
    return edit_->text();
}

TextAnswer AskText(const QString& caption, const QString& prompt, const QString& preset) {
    TextAnswer answer{preset, false};
    TextPrompt box(caption, prompt, preset, ApplicationWindow());
    if (box.runModal() == mrOk) {
        answer.text = box.text();
        answer.confirmed = true;
    }
    return answer;
}

} // namespace ui
