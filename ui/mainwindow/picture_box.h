#pragma once

#include <QImage>
#include <QWidget>

namespace ui {

// An image control that owns its picture: the picture is centred in the control, can be
// drawn on in place, and a left click released over the control is reported as clicked().
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    // Takes a copy; the box and the source stay independent afterwards.
    void setPicture(const QImage& picture);

    // Draws source onto the box's own picture at (0, 0). A box without a picture first gets a
    // blank one of its own size. A null source draws nothing.
    void drawPicture(const QImage& source);

    // The screen cursor id the box shows (0 = the default arrow).
    int cursorId() const { return cursorId_; }
    void setCursorId(int id, const QCursor& cursor);

    QSize sizeHint() const override;

    // A card slot is checked while its card is marked to change; screen readers hear the
    // state, while the picture shows the back.
    bool isCheckable() const { return checkable_; }
    void setCheckable(bool checkable) { checkable_ = checkable; }
    bool isChecked() const { return checked_; }
    void setChecked(bool checked);

    // The dotted focus mark is drawn only once the player has moved between the table's
    // controls with the keyboard; a mouse player never sees it.
    void setFocusMarkShown(bool shown);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second click of a double-click is ignored: a player who double-clicks the deck
    // means one deal, not a deal and a draw.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    int cursorId_ = 0;
    bool pressed_ = false;
    bool checkable_ = false;
    bool checked_ = false;
    bool focusMarkShown_ = false;
};

} // namespace ui
