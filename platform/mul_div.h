#pragma once

namespace platform {

// number × numerator / denominator through a 64-bit product, rounded to the nearest whole
// number, halves away from zero. -1 when the denominator is 0 or the result does not fit in
// an int, as the desktop call it stands in for answers. Dialog units and caption gradients
// both scale with it.
int MulDiv(int number, int numerator, int denominator);

} // namespace platform
