#include "tools/cardgen/back_painter.h"

#include <stdexcept>
#include <string>

#include "tools/cardgen/back_designs.h"
#include "tools/cardgen/face_layout.h"

namespace cardgen {
namespace {

constexpr int kBackMargin = 3;

// The sunken tray: white edge all round, a grey line along the top and left inside it.
constexpr int kSlotDotStep = 4;
constexpr int kSlotDotOffset = 4;

} // namespace

Canvas PaintBack(int design) {
    if (design < 1 || design > kBackDesignCount) {
        throw std::invalid_argument("no card-back design " + std::to_string(design));
    }
    Canvas card(kCardWidth, kCardHeight, Colour::White);
    card.Outline({0, 0, kCardWidth, kCardHeight}, Colour::Black);
    const int inset = 1 + kBackMargin;
    const Rect field{inset, inset, kCardWidth - 2 * inset, kCardHeight - 2 * inset};
    switch (static_cast<BackDesign>(design)) {
    case BackDesign::Lattice:
        backs::PaintLattice(card, field);
        break;
    case BackDesign::Vines:
        backs::PaintVines(card, field);
        break;
    case BackDesign::Roses:
        backs::PaintRoses(card, field);
        break;
    case BackDesign::Harlequin:
        backs::PaintHarlequin(card, field);
        break;
    case BackDesign::Stars:
        backs::PaintStars(card, field);
        break;
    case BackDesign::Keyboard:
        backs::PaintKeyboard(card, field);
        break;
    }
    return card;
}

Canvas PaintEmptySlot() {
    Canvas slot(kCardWidth, kCardHeight, Colour::Silver);
    slot.Outline({1, 1, kCardWidth - 2, kCardHeight - 2}, Colour::White);
    slot.HorizontalLine(2, kCardWidth - 3, 2, Colour::Grey);
    slot.VerticalLine(2, 2, kCardHeight - 3, Colour::Grey);
    for (int y = kSlotDotOffset; y < kCardHeight - 3; y += kSlotDotStep) {
        for (int x = kSlotDotOffset; x < kCardWidth - 3; x += kSlotDotStep) {
            slot.Set(x, y, Colour::Black);
        }
    }
    slot.Outline({0, 0, kCardWidth, kCardHeight}, Colour::Black);
    return slot;
}

} // namespace cardgen
