#pragma once

#include <QString>

namespace resources {

// Where the embedded string table lives in the Qt resource system. Its lines are
// "id<TAB>text", with '#' comment lines.
QString StringTablePath();

} // namespace resources
