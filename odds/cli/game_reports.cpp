#include "odds/cli/game_reports.h"

#include "odds/cli/reports.h"
#include "odds/combinatorics.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace odds::cli {

namespace {

constexpr int kValuePlaces = 6;
constexpr int kReturnPlaces = 12;

int nameWidth(const Game& game) {
    std::size_t width = std::string_view("result").size();
    for (int c = 0; c < game.classCount(); ++c)
        width = std::max(width, game.className(c).size());
    return static_cast<int>(width) + 2;
}

} // namespace

std::string describeGame(const Game& game) {
    std::string text =
        game.title() + " (" + game.name() + "), " + std::string(basisName(game.basis())) + ":";
    for (std::int64_t pay : game.pays())
        text += " " + std::to_string(pay);
    return text;
}

void printGames(std::ostream& out) {
    out << "Games (--game NAME); pays for one unit staked, best hand first:\n";
    for (const Game& game : builtInGames()) {
        out << '\n'
            << game.name() << ": " << game.title() << ", " << basisName(game.basis())
            << (game.basis() == PayBasis::Net ? " (the win on top of the stake)"
                                              : " (stake included)")
            << '\n';
        const int width = nameWidth(game);
        for (int c = game.classCount() - 1; c >= 0; --c)
            out << "  " << std::left << std::setw(width) << game.className(c) << std::right
                << std::setw(7) << game.pays()[static_cast<std::size_t>(c)] << '\n';
    }
    out << "\nChange a game's pays with --table and one pay per class, worst class first,\n"
           "followed by --net or --gross, for example:\n"
           "  vandolin-odds return --game ddb-9/6 --table 0,1,1,3,4,5,8,50,80,160,160,400,50,800 "
           "--gross\n";
}

void printGameHoldReport(std::ostream& out, const GameHandAnalysis& analysis, const Game& game) {
    out << "Hand: " << holdText(analysis.hand, kAllHeld) << '\n'
        << "Game: " << describeGame(game) << "\n\n"
        << "rank  hold            expected value  exact\n";
    int rank = 0;
    for (const GameHoldOutcome& hold : analysis.holds) {
        const Fraction value = hold.value(game.basis());
        out << std::setw(4) << ++rank << "  " << holdText(analysis.hand, hold.mask) << "  "
            << std::setw(14) << value.decimal(kValuePlaces) << "  " << value.text() << '\n';
    }
    const GameHoldOutcome& best = analysis.best();
    const int width = nameWidth(game);
    out << "\nBest hold: " << holdText(analysis.hand, best.mask) << ", drawing " << best.drawn
        << (best.drawn == 1 ? " card" : " cards") << " (" << best.draws
        << (best.draws == 1 ? " outcome" : " equally likely outcomes") << ")\n"
        << std::left << std::setw(width) << "result" << std::right << std::setw(10) << "outcomes"
        << "  probability\n";
    for (int c = game.classCount() - 1; c >= 0; --c) {
        const std::uint32_t count = best.counts[static_cast<std::size_t>(c)];
        out << std::left << std::setw(width) << game.className(c) << std::right << std::setw(10)
            << count << "  " << Fraction(count, best.draws).decimal(kValuePlaces) << '\n';
    }
}

void printGameReturnReport(std::ostream& out, const GameReturnReport& report, const Game& game) {
    const Fraction ret = report.returnFraction();
    const int width = nameWidth(game);
    out << "Game: " << describeGame(game) << '\n'
        << "Return with the best hold on every deal: " << ret.text() << " = "
        << ret.decimal(kReturnPlaces) << " per unit staked, stake included\n\n"
        << std::left << std::setw(width) << "result" << std::right << std::setw(17)
        << "weighted outcomes"
        << "  probability\n";
    for (int c = game.classCount() - 1; c >= 0; --c)
        out << std::left << std::setw(width) << game.className(c) << std::right << std::setw(17)
            << report.weighted[static_cast<std::size_t>(c)] << "  "
            << report.probability(c).decimal(kReturnPlaces) << '\n';
    out << std::left << std::setw(width) << "all" << std::right << std::setw(17) << report.total
        << "\n\n"
        << "Each of the " << kFiveCardHands << " deals weighs " << kDrawWeight
        << " outcomes: a final hand after drawing k cards counts " << kDrawWeight
        << " / C(47, k) times.\n";
}

} // namespace odds::cli
