#pragma once

#include "engine/card.h"
#include "engine/game_view.h"

#include <string>

namespace engine {

// Words a screen reader speaks for what the table shows.

// "ace of spades", "ten of hearts"; empty for a code that is no card.
std::string CardName(CardCode code);

// What a card slot shows when the view is told to show this picture: a card's name, or
// "empty" for the empty slot.
std::string SlotPictureName(int picture);

// What a click on the deck does next. The round gives the deck the change cursor while the
// next click draws, the hand cursor while it deals.
std::string DeckActionName(ScreenCursor deckCursor);

} // namespace engine
