#pragma once

#include "tools/cardgen/canvas.h"

namespace cardgen {

// The application icon: a king standing behind a stack of blue-backed cards.
Canvas PaintLargeIcon();

// The small icon: one card with a red chequered back.
Canvas PaintSmallIcon();

} // namespace cardgen
