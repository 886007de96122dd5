#pragma once

#include <QString>
#include <QWidget>

namespace ui {

// The words a screen reader should say for a text: letter-spaced capitals ("G A M E   O V E R")
// as the words they spell; any other text as it is.
QString SpokenText(const QString& text);

// Plain text that wraps at blanks and, where one word is wider than the line, inside the word,
// so that no text is ever cut off. It is at most maxWidth pixels wide and as high as its
// lines need at the width it is given. A carriage return or line feed breaks the line.
class WrappedText : public QWidget {
    Q_OBJECT
public:
    WrappedText(const QString& text, int maxWidth, QWidget* parent = nullptr);

    QString text() const { return text_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int maxWidth_;
};

} // namespace ui
