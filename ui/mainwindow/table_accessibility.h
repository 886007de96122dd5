#pragma once

#include <QString>
#include <QWidget>

class QAction;

namespace ui {

// What the table tells a screen reader, beyond what the toolkit works out alone: the card
// slots are check boxes (checked while marked to change), the deck a push button, the status
// line a status bar, a lit pay line selected, the window a frame named by its title.
// Installed once for the process; harmless to call again.
void InstallTableAccessibility();

// Marks a label with the role a screen reader should give it (QAccessible::Role).
void SetAccessibleRole(QWidget& widget, int role);
// Names a menu item for screen readers otherwise than its shown text.
void SetAccessibleName(QAction& item, const QString& name);
// A pay line's lit state, told to screen readers as a change of the selected state.
void SetLit(QWidget& line, bool lit);
bool IsLit(const QWidget& line);

// A line with cards written short ("keep 5♦ 5♣") as a screen reader should say it ("keep five
// of diamonds, five of clubs"); a synthesiser would name the suit symbols instead.
QString SpokenCardText(const QString& line);

} // namespace ui
