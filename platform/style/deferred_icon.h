#pragma once

#include <QIcon>

#include <functional>

namespace platform {

// An icon that is only made when something first draws or measures it. Qt's stock icons are
// read from image files, and the first such read loads every image-format plugin; an icon
// that is rarely or never drawn need not pay for that while the program starts.
QIcon DeferredIcon(std::function<QIcon()> make);

} // namespace platform
