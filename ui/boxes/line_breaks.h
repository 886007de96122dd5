#pragma once

#include <QString>

namespace ui {

// The boxes' texts break lines at a carriage return alone, at a line feed alone and at the
// pair CR LF. Qt's labels break only at a line feed (a lone CR is drawn as a blank), so
// every break becomes one line feed before the text is shown or measured.
QString WithLineFeeds(const QString& text);

} // namespace ui
