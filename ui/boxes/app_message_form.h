#pragma once

#include "classic_dialog.h"

#include <QString>

namespace ui {

// The picture a message box shows left of its text.
enum class MessageIcon { None, Error, Question, Warning, Information };

// The application's message box, in the game's own frame: an optional icon (`Image`), the
// text (`Message`), wrapped at half the screen width and inside a word too long for a line,
// and a centred OK button (`OK`) that Enter and Esc click. Laid out in dialog units of the
// desktop's message font. Its task-bar title joins the caption and the text's first line, so
// a box captioned like the table is still told apart from it in a window list.
class TAppMessageForm : public ClassicDialog {
    Q_OBJECT
public:
    TAppMessageForm(const QString& text, const QString& caption, MessageIcon icon,
                    QWidget* parent = nullptr);

    // The text as shown: every line break made a line feed.
    QString text() const { return text_; }
    MessageIcon icon() const { return icon_; }
    QString taskBarTitle() const;

    static constexpr int IconSize = 32;

private:
    QString text_;
    MessageIcon icon_;
};

} // namespace ui
