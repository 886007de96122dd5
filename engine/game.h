#pragma once

#include "card.h"
#include "game_view.h"
#include "hand_result.h"
#include "money.h"
#include "utc_clock.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace engine {

// Where a round stands: waiting for the deck click that deals, or for the one that draws.
enum class Round : std::uint8_t { Deal = 0, Draw = 1 };

// A deck by position, 1..52 (element 0 unused).
using DeckOrder = std::array<CardCode, kDeckSize + 1>;

// The game's shuffle: the deck's passes on the generator as it stands. The game does it on its
// own deck; the trainer's drills repeat it on copies off the table's thread.
void ShuffleDeckOrder(DeckOrder& deck, std::uint32_t& randomState);
// The deck in order, card i at position i.
DeckOrder OrderedDeck();

// The whole game: deck, hand, bankroll and the round controller. The window owns one for the
// life of the process, forwards its events to the handlers below and shows what they say
// through its GameView.
//
// Arrays are indexed from 1 like the positions, slots and result codes they hold; element 0
// is unused (PayTable[0], the multiplier of "no result", is 0).
class Game {
public:
    // The card images' names; SlotNames[i] names slot i.
    static constexpr std::array<std::string_view, kHandSize + 1> SlotNames{
        "", "Carte1", "Carte2", "Carte3", "Carte4", "Carte5"};

    explicit Game(GameView& view, UtcClock clock = SystemUtcMilliseconds);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The state, open so that the window and its tests can look at it and set up positions.
    DeckOrder Deck{};                                 // positions 1..52
    int DeckPos = 1;                                  // next position to deal, 1..52
    std::array<CardCode, kHandSize + 1> Hand{};       // slots 1..5
    std::array<std::uint8_t, kHandSize + 1> Change{}; // 1 = slot marked for replacement
    Round RoundState = Round::Deal;
    Money Bet = 0;
    Money Cash = 0;
    std::array<std::int32_t, kResultCount + 1> PayTable{}; // multiplier per result 1..10
    std::uint32_t RandomState = 0;

    // Orders the shuffled deck before a deal; empty, the shuffle deals as it falls. The
    // trainer's drills reshuffle here until the deal is of the kind they ask for.
    std::function<void(Game&)> ArrangeDeck;

    // How a final hand scores under a game other than the table's own: the result it lights
    // (1 the losing hand, 2 and up its pay lines, lowest first) and the win per unit bet on
    // top of the stake. Empty, the table's own evaluation and pay table. The trainer plays
    // the games players meet through it.
    struct HandScore {
        int result = 0;
        std::int32_t multiplier = 0;
    };
    std::function<HandScore(const std::array<CardCode, kHandSize + 1>& hand)> ScoreHand;

    // Deck and generator.
    void ResetDeck();
    void ShuffleDeck();
    // The shuffle's passes on the generator as it stands, without seeding it again.
    void Reshuffle();
    CardCode NextCard();
    std::uint32_t RandomBelow(std::uint32_t n);
    void SeedFromClock();

    // The current hand's result 1..10 (0 if Hand does not hold five distinct cards).
    int EvaluateHand() const;
    // The current hand under the game being played (see ScoreHand).
    HandScore ScoreCurrentHand() const;

    // Event handlers, named after the window's controls and commands.
    void FormCreate();
    void Mazzo1Click();
    void CarteClick(std::string_view senderName);
    void NClick();
    void NuovoClick();
    void PuntataClick();
    void FormActivate();
    void FormMouseMove();

private:
    void Deal();
    void Draw();
    void EndOfGameTests();
    void ResetAfterEndOfGame();
    void SetCommandsEnabled(bool enabled);
    void SetMode(TColor color, const std::string& text);
    void ShowEmptySlots();
    void TellRound(RoundStep step, unsigned held = 0);

    GameView& view_;
    UtcClock clock_;
    std::array<CardCode, kHandSize + 1> dealt_{}; // the hand as dealt, for the draw's notice
};

} // namespace engine
