#pragma once

#include "tools/cardgen/canvas.h"

namespace cardgen {

// Every picture is the size of a card slot on the table.
inline constexpr int kCardWidth = 72;
inline constexpr int kCardHeight = 97;

// Turning a card half way round maps (x, y) to (kCardWidth - 1 - x, kCardHeight - 1 - y).
inline constexpr int kTurnX = kCardWidth - 1;
inline constexpr int kTurnY = kCardHeight - 1;

// The corner index: the rank over a small suit sign, in a column ten pixels wide.
inline constexpr Rect kIndexColumn{2, 4, 10, 18};
inline constexpr int kIndexSignGap = 2;

// Pip centres. The side columns sit symmetrically on the card; the middle column cannot
// (the card is an even number of pixels wide) and keeps to the left of the two middle ones.
inline constexpr int kPipLeft = 21;
inline constexpr int kPipMiddle = 35;
inline constexpr int kPipRight = 50;
inline constexpr int kPipTop = 17;
inline constexpr int kCardMiddleRow = kCardHeight / 2;

// The frame around a court figure, symmetric under the half turn.
inline constexpr Rect kCourtFrame{13, 5, 46, 87};
inline constexpr Rect kCourtInside{14, 6, 44, 85};
inline constexpr int kCourtSignInset = 2;

// The box of an ace's single sign, centred on the card.
inline constexpr Rect kAceSign{22, 30, 28, 37};
inline constexpr Rect kAceOfSpadesSign{13, 20, 46, 56};

} // namespace cardgen
