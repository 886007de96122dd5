#pragma once

#include "classic_dialog.h"

#include <QString>

class QLabel;
class QLineEdit;

namespace ui {

// What the player answered: the edit field's text when confirmed, otherwise the preset.
struct TextAnswer {
    QString text;
    bool confirmed = false;
};

// Asks for one line of text in a modal box: the prompt above an edit field holding the
// preset, all of it selected, with OK (Enter) and Cancel (Esc).
TextAnswer AskText(const QString& caption, const QString& prompt, const QString& preset);

// The longest text the prompt accepts.
inline constexpr int MaxPromptLength = 255;

// The prompt's window, laid out in dialog units of the classic control font.
class TextPrompt : public ClassicDialog {
    Q_OBJECT
public:
    TextPrompt(const QString& caption, const QString& prompt, const QString& preset,
               QWidget* parent = nullptr);

    QString text() const;

private:
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
};

} // namespace ui
