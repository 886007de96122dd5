#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace ui {

// The task bar and the window list name a window by its platform title; the main window
// draws its own caption from its widget title. This keeps the two apart: the platform window
// carries the application title while the widget keeps the caption it was given, also after
// the widget's title changes or its platform window is recreated.
class TaskBarTitle : public QObject {
    Q_OBJECT
public:
    TaskBarTitle(QWidget& window, const QString& title);

    QString title() const { return title_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();

    QPointer<QWidget> window_;
    QString title_;
};

} // namespace ui
