#include "engine/spoken_names.h"

#include <array>

namespace engine {
namespace {

constexpr std::array<const char*, kRanksPerSuit + 1> kRankNames{
    "",      "ace",   "two",  "three", "four", "five",  "six",
    "seven", "eight", "nine", "ten",   "jack", "queen", "king"};
constexpr std::array<const char*, kSuitCount + 1> kSuitNames{"", "clubs", "diamonds", "hearts",
                                                             "spades"};

} // namespace

std::string CardName(CardCode code) {
    if (!IsCardCode(code))
        return {};
    return std::string(kRankNames[static_cast<std::size_t>(RankOf(code))]) + " of " +
           kSuitNames[static_cast<std::size_t>(SuitOf(code))];
}

std::string SlotPictureName(int picture) {
    return picture == kEmptySlotPicture ? std::string("empty") : CardName(picture);
}

std::string DeckActionName(ScreenCursor deckCursor) {
    return deckCursor == ScreenCursor::ChangeCursor ? "draw" : "deal";
}

} // namespace engine
