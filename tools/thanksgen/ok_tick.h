#pragma once

#include <QImage>
#include <QSize>

namespace thanksgen {

inline constexpr QSize kOkTickSize{18, 18};

// Paints the green tick that stands beside "OK" on a button, on a transparent ground
// (ARGB32, premultiplied). An empty size gives a null image.
QImage PaintOkTick(QSize size = kOkTickSize);

} // namespace thanksgen
