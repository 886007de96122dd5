#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QMenu;
class QMenuBar;
class QWidget;
class QAction;

namespace ui {

// The program-wide hint: one line of help about whatever the player is pointing at.
// While a watched menu is open it is the hint of the highlighted item (a menu-bar heading
// gives its menu's own hint) and it empties when the menus close; otherwise it is the hint
// (status tip) of the widget under the pointer or of its nearest ancestor that has one.
// hintChanged() fires only when the text really changes.
class ApplicationHint : public QObject {
    Q_OBJECT
public:
    explicit ApplicationHint(QObject* parent = nullptr);
    ~ApplicationHint() override;

    // Starts following the pointer in every window of the program.
    void install();
    // Follows a menu bar's headings and menus, or a pop-up menu.
    void watchMenuBar(QMenuBar* menuBar);
    void watchMenu(QMenu* menu);

    QString hint() const { return hint_; }

    // The hint of a widget: its own status tip, else its nearest ancestor's, else empty.
    static QString hintOf(const QWidget* widget);

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setHint(const QString& hint);
    void pointerAt(QWidget* receiver, const QPoint& globalPos);
    void menuHidden();
    bool anyMenuOpen() const;

    QString hint_;
    bool installed_ = false;
    std::vector<QPointer<QMenu>> menus_;
};

} // namespace ui
