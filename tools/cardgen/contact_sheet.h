#pragma once

#include "tools/cardgen/png_encoder.h"

namespace cardgen {

// Every picture, both cursors and both icon images on one sheet, enlarged twice, each with
// its number or name underneath; see-through pixels show as a grey chequer, and a short red
// tick on each side of a cursor marks its hot spot's row and column.
IndexedImage BuildContactSheet();

} // namespace cardgen
