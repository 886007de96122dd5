#pragma once

#include "classic_dialog.h"

#include <QString>

class QLabel;
class QPushButton;

namespace ui {

// Shows the message in a modal information box with one OK button and returns mrOk, or
// mrCancel when the box was closed by its close box.
int ShowInformation(const QString& message);

// The information box: the standard information icon (`Image`), the word-wrapped message
// (`Message`) and a centred OK button (`OK`) that both Enter and Esc click. It is laid out in
// dialog units of the desktop's message font, the message wrapped at half the screen width.
class TMessageForm : public ClassicDialog {
    Q_OBJECT
public:
    explicit TMessageForm(const QString& message, QWidget* parent = nullptr);

    // The icon's side in pixels.
    static constexpr int IconSize = 32;
};

} // namespace ui
