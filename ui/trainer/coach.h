#pragma once

#include "engine/card.h"
#include "odds/fraction.h"
#include "odds/hold_analysis.h"

#include <array>
#include <optional>
#include <string>

namespace trainer {

// How the session has gone so far. Nothing of it is kept between runs.
struct Tally {
    int hands = 0;                  // hands drawn
    int right = 0;                  // drawn with a hold worth as much as the best
    int mistakes = 0;               // drawn with a hold worth less
    int hints = 0;                  // hands in which the best hold was asked for
    odds::Fraction givenAway{0, 1}; // expected bets lost to mistakes
};

// Follows a round through what the round controller shows on the table (cards shown and
// covered, the mode text) and judges it with the exact analyser under the game's pay table.
// Plain C++: the window forwards the view calls it receives, the coach only watches.
class Coach {
public:
    // The view calls that tell the coach where the round is.
    void CardShown(int slot, int picture);
    void CardCovered(int slot);
    void ModeShown(const std::string& text);

    // Whether a hint can be given: a hand is dealt and not yet drawn.
    bool CanHint() const { return analysis_.has_value(); }
    // Shows the best hold of the dealt hand; counted once per hand.
    void Hint();

    // The strip's two lines of advice and its tally line.
    const std::string& FirstLine() const { return first_; }
    const std::string& SecondLine() const { return second_; }
    // Whether the second line tells of a mistake in the hand just drawn.
    bool Mistaken() const { return mistaken_; }
    std::string TallyLine() const;
    const Tally& tally() const { return tally_; }

    // "J♣ A♣", the cards a hold of the dealt hand keeps, in slot order; "nothing" for none.
    static std::string HoldText(const std::array<engine::CardCode, engine::kHandSize>& hand,
                                unsigned mask);
    // "+0.48" or "-0.55": a value in bets, two decimals, signed.
    static std::string BetsText(const odds::Fraction& value);

private:
    void Dealt();
    void Drawn();
    std::string BestText() const;

    std::array<engine::CardCode, engine::kHandSize> shown_{}; // what each slot shows now
    std::array<engine::CardCode, engine::kHandSize> dealt_{};
    std::optional<odds::HandAnalysis> analysis_; // of the dealt hand, until the draw
    bool hinted_ = false;
    bool mistaken_ = false;
    Tally tally_;
    std::string first_ = "Deal, then press H for the best hold";
    std::string second_;
};

} // namespace trainer
