#pragma once

#include "odds/cards.h"
#include "odds/pay_table.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace odds {

// A game classifies every final five-card hand into one of a few classes (one byte each) and
// pays per class. Class 0 is the losing hand; higher classes are read as better when holds
// worth exactly the same are ranked.
inline constexpr int kMaxClasses = 16;

template <typename T> using PerClass = std::array<T, kMaxClasses>;

using ClassifyHand = std::uint8_t (*)(const HandIndices& ascending);

// How a game sees the cards, apart from its pays. Schemes are built in and live for the
// whole process, so games and tables refer to them by address.
struct HandScheme {
    std::string_view id;
    std::vector<std::string> classNames; // class 0 first
    ClassifyHand classify = nullptr;
    bool deucesWild = false;
    // Four of a kind is paid by the rank of the four (and maybe the kicker), so a chart
    // tells aces, 2-4 and 5-K apart.
    bool quadsByRank = false;
    // Aces apart from the other high pairs and trips (the kicker games).
    bool acesApart = false;

    int classCount() const { return static_cast<int>(classNames.size()); }
};

// The ten classes of the game's own table and of jacks or better.
const HandScheme& tenClassScheme();
// Four of a kind split into aces, 2-4 and 5-K.
const HandScheme& bonusScheme();
// As bonus, and four aces or 2-4 split again by a kicker.
const HandScheme& doubleDoubleBonusScheme();
// Deuces wild: three of a kind up to the natural royal flush.
const HandScheme& deucesWildScheme();

class Game {
public:
    // No game unless there is one pay per class of the scheme, each within +-PayTable::kMaxPay.
    static std::optional<Game> make(std::string name, std::string title, const HandScheme& scheme,
                                    PayBasis basis, const std::vector<std::int64_t>& pays);
    // A ten-class pay table as a game.
    static Game fromTable(const PayTable& table);

    const std::string& name() const { return name_; }
    const std::string& title() const { return title_; }
    const HandScheme& scheme() const { return *scheme_; }
    PayBasis basis() const { return basis_; }
    const std::vector<std::int64_t>& pays() const { return pays_; }
    int classCount() const { return scheme_->classCount(); }
    const std::string& className(int index) const {
        return scheme_->classNames[static_cast<std::size_t>(index)];
    }
    // Payouts for a stake of one, stake included; zero beyond the scheme's classes.
    PerClass<std::int64_t> grossPays() const;
    // The same game with other pays; nullopt like make().
    std::optional<Game> withPays(PayBasis basis, const std::vector<std::int64_t>& pays) const;

private:
    Game(std::string name, std::string title, const HandScheme& scheme, PayBasis basis,
         std::vector<std::int64_t> pays);

    std::string name_;
    std::string title_;
    const HandScheme* scheme_;
    PayBasis basis_;
    std::vector<std::int64_t> pays_;
};

// The built-in games, the table's own first.
const std::vector<Game>& builtInGames();
const Game* findGame(std::string_view name);

} // namespace odds
