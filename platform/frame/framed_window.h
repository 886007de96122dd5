#pragma once

#include <QWidget>

class QMenuBar;

namespace platform {

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum BorderIcon : int { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// A frameless top-level window that draws a classic frame itself: sizing border, caption
// with small icon, title and caption buttons, and the menu bar below it. The frame is
// painted through the hook chain of frame_events.h; the last link is paintStandardFrame().
class FramedWindow : public QWidget {
    Q_OBJECT
public:
    explicit FramedWindow(QWidget* parent = nullptr);
    ~FramedWindow() override;

    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    int borderIcons() const; // BorderIcon flags
    void setBorderIcons(int icons);

    // The widget that holds the window's controls, below the caption and the menu bar.
    QWidget* clientArea() const;
    void setMenuBar(QMenuBar* menuBar);
    QMenuBar* menuBar() const;

    // Whether the frame shows the active state, as the last activation message said.
    bool isFrameActive() const;

    // Sends the frame through the hook chain again and repaints it at once.
    void redrawFrame();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The standard painting of the frame parts inside the region (window coordinates).
    virtual void paintStandardFrame(QPainter& painter, const QRegion& region);

private:
    struct Private;
    Private* d;
};

} // namespace platform
