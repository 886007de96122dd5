#include "odds/game.h"

#include <utility>

namespace odds {

Game::Game(std::string name, std::string title, const HandScheme& scheme, PayBasis basis,
           std::vector<std::int64_t> pays)
    : name_(std::move(name)), title_(std::move(title)), scheme_(&scheme), basis_(basis),
      pays_(std::move(pays)) {}

std::optional<Game> Game::make(std::string name, std::string title, const HandScheme& scheme,
                               PayBasis basis, const std::vector<std::int64_t>& pays) {
    if (static_cast<int>(pays.size()) != scheme.classCount() || pays.size() > kMaxClasses)
        return std::nullopt;
    for (std::int64_t pay : pays)
        if (pay > PayTable::kMaxPay || pay < -PayTable::kMaxPay)
            return std::nullopt;
    return Game(std::move(name), std::move(title), scheme, basis, pays);
}

Game Game::fromTable(const PayTable& table) {
    const std::vector<std::int64_t> pays(table.pays().begin(), table.pays().end());
    return Game(table.name(), table.name() == "game" ? "the table's own" : "table " + table.name(),
                tenClassScheme(), table.basis(), pays);
}

PerClass<std::int64_t> Game::grossPays() const {
    PerClass<std::int64_t> gross{};
    for (std::size_t c = 0; c < pays_.size(); ++c)
        gross[c] = pays_[c] + (basis_ == PayBasis::Net ? 1 : 0);
    return gross;
}

std::optional<Game> Game::withPays(PayBasis basis, const std::vector<std::int64_t>& pays) const {
    return make(name_, title_ + " (pays changed)", *scheme_, basis, pays);
}

const std::vector<Game>& builtInGames() {
    static const std::vector<Game> games = [] {
        std::vector<Game> list;
        list.push_back(Game::fromTable(PayTable::game()));
        const auto add = [&](std::string name, std::string title, const HandScheme& scheme,
                             std::vector<std::int64_t> pays) {
            list.push_back(
                *Game::make(std::move(name), std::move(title), scheme, PayBasis::Gross, pays));
        };
        add("jacks-9/6", "Jacks or Better 9/6", tenClassScheme(),
            {0, 1, 2, 3, 4, 6, 9, 25, 50, 800});
        add("jacks-8/5", "Jacks or Better 8/5", tenClassScheme(),
            {0, 1, 2, 3, 4, 5, 8, 25, 50, 800});
        add("bonus-8/5", "Bonus Poker 8/5", bonusScheme(),
            {0, 1, 2, 3, 4, 5, 8, 25, 40, 80, 50, 800});
        add("ddb-9/6", "Double Double Bonus 9/6", doubleDoubleBonusScheme(),
            {0, 1, 1, 3, 4, 6, 9, 50, 80, 160, 160, 400, 50, 800});
        add("deuces-wild", "Deuces Wild, full pay", deucesWildScheme(),
            {0, 1, 2, 2, 3, 5, 9, 15, 25, 200, 800});
        return list;
    }();
    return games;
}

const Game* findGame(std::string_view name) {
    for (const Game& game : builtInGames())
        if (game.name() == name)
            return &game;
    return nullptr;
}

} // namespace odds
