#pragma once

#include <QLabel>
#include <QString>

namespace ui {

// A label whose caption may carry an access-letter marker: "&Start" reads "Start" with the S
// underlined, "&&" is a literal ampersand. The logical caption is kept as given, so code that
// set "&Start" reads "&Start" back; only the drawing shows the underline.
class AccelLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit AccelLabel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The rich text that draws a caption: HTML-escaped, the marked letter in <u>…</u>.
    static QString renderCaption(const QString& caption);
    // The caption as a player reads it, markers removed.
    static QString plainCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Rich text is drawn with the Text role, and a disabled label's Text is the style's grey.
    // Keeping Text equal to WindowText in every state makes the label read like a plain one,
    // in its own colour also while its window is disabled behind a box.
    void followTextColour();

    QString caption_;
    bool followingColour_ = false;
};

} // namespace ui
