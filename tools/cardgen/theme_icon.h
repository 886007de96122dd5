#pragma once

#include <QImage>

#include <vector>

namespace icons {

// The sizes the desktop icon theme is given.
const std::vector<int>& ThemeIconSizes();

// The application icon drawn for `size` pixels: a king standing behind a stack of cards with
// a blue chequered back marked with two red signs. One design at every size; small sizes keep
// its shapes on whole pixels and leave out what would blur, large ones add the detail.
QImage PaintThemeIcon(int size);

} // namespace icons
