#include "ui/trainer/game_at_table.h"

#include "odds/cards.h"

#include <algorithm>

namespace trainer {

std::vector<std::string> PayLineTexts(const odds::Game& game) {
    const char* unit = game.basis() == odds::PayBasis::Gross ? " for 1" : " : 1";
    std::vector<std::string> lines;
    for (int c = 1; c < game.classCount(); ++c) {
        lines.push_back(game.className(c) + " - " +
                        std::to_string(game.pays()[static_cast<std::size_t>(c)]) + unit);
    }
    return lines;
}

engine::Game::HandScore
ScoreUnder(const odds::Game& game,
           const std::array<engine::CardCode, engine::kHandSize + 1>& hand) {
    const odds::Hand cards{hand[1], hand[2], hand[3], hand[4], hand[5]};
    if (!odds::isValidHand(cards))
        return {};
    odds::HandIndices ascending{};
    std::transform(cards.begin(), cards.end(), ascending.begin(), odds::indexOf);
    std::sort(ascending.begin(), ascending.end());
    const int handClass = game.scheme().classify(ascending);
    // Pays are bounded by PayTable::kMaxPay, so the win fits the table's money word.
    const std::int64_t gross = game.grossPays()[static_cast<std::size_t>(handClass)];
    return {handClass + 1, static_cast<std::int32_t>(gross - 1)};
}

} // namespace trainer
