#pragma once

namespace ui {

// How a box ended. Closing a box by its close box counts as Cancel.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

} // namespace ui
