#include "ui/mainwindow/screen_cursors.h"

namespace ui {

void ScreenCursors::Register(int id, const QCursor& cursor) {
    // Id 0 is the default arrow and stays so.
    if (id == 0)
        return;
    cursors_.insert_or_assign(id, cursor);
}

QCursor ScreenCursors::Cursor(int id) const {
    const auto found = cursors_.find(id);
    return found == cursors_.end() ? QCursor(Qt::ArrowCursor) : found->second;
}

bool ScreenCursors::IsRegistered(int id) const {
    return cursors_.count(id) != 0;
}

} // namespace ui
