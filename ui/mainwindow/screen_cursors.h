#pragma once

#include <QCursor>
#include <map>

namespace ui {

// The program's table of numbered cursors: a cursor is registered once under an id and
// controls ask for it by that id. Id 0 and any id never registered give the default arrow.
class ScreenCursors {
public:
    void Register(int id, const QCursor& cursor);
    QCursor Cursor(int id) const;
    bool IsRegistered(int id) const;

private:
    std::map<int, QCursor> cursors_;
};

} // namespace ui
