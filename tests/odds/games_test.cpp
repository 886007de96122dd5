#include "odds/combinatorics.h"
#include "odds/game.h"
#include "odds/game_hold_analysis.h"
#include "odds/game_player.h"
#include "odds/game_return.h"
#include "odds/game_tables.h"
#include "odds/hand_table.h"
#include "odds/return_calculator.h"
#include "test_hands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <map>
#include <string>

namespace {

const odds::Game& game(std::string_view name) {
    const odds::Game* found = odds::findGame(name);
    if (!found)
        throw std::invalid_argument("no game " + std::string(name));
    return *found;
}

// Weighted outcomes of a class, found by its name.
std::uint64_t weighted(const odds::GameReturnReport& report, const odds::Game& g,
                       const std::string& name) {
    for (int c = 0; c < g.classCount(); ++c)
        if (g.className(c) == name)
            return report.weighted[static_cast<std::size_t>(c)];
    ADD_FAILURE() << "no class " << name;
    return 0;
}

// A second classifier, written without the analyser's: ranks and suits counted afresh, the
// ten classes from the game's own evaluator and the pay-by-rank fours from sorted ranks.
// Deuces wild tries every rank for each deuce in a natural card's suit, which covers every
// hand a deuce can make (a flush needs that suit; other hands ignore suits).
enum Natural { None, Trips, Straight, Flush, FullHouse, Quads, StraightFlush, Royal, Fives };

Natural naturalHand(const std::array<int, 5>& rank, const std::array<int, 5>& suit) {
    std::array<int, 13> count{};
    for (int r : rank)
        ++count[static_cast<std::size_t>(r)];
    int most = 0;
    int pairs = 0;
    unsigned present = 0;
    for (int r = 0; r < 13; ++r) {
        most = std::max(most, count[static_cast<std::size_t>(r)]);
        pairs += count[static_cast<std::size_t>(r)] == 2 ? 1 : 0;
        present |= count[static_cast<std::size_t>(r)] ? 1u << r : 0;
    }
    const bool flush = std::all_of(suit.begin(), suit.end(), [&](int s) { return s == suit[0]; });
    const bool broadway = present == 0b1111000000001u;
    const bool straight =
        most == 1 && (broadway || std::countr_zero(present) + 4 == 31 - std::countl_zero(present));
    if (most == 5)
        return Fives;
    if (straight && flush)
        return broadway ? Royal : StraightFlush;
    if (most == 4)
        return Quads;
    if (most == 3 && pairs == 1)
        return FullHouse;
    if (flush)
        return Flush;
    if (straight)
        return Straight;
    return most == 3 ? Trips : None;
}

std::string deucesWildName(const odds::HandIndices& cards) {
    std::array<int, 5> rank{};
    std::array<int, 5> suit{};
    std::array<std::size_t, 5> deuce{};
    std::size_t deuces = 0;
    std::size_t natural = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        rank[i] = cards[i] % 13;
        suit[i] = cards[i] / 13;
        if (rank[i] == 1)
            deuce[deuces++] = i;
        else
            natural = i;
    }
    static const char* kNames[] = {"nothing",        "three of a kind",  "straight",
                                   "flush",          "full house",       "four of a kind",
                                   "straight flush", "wild royal flush", "five of a kind"};
    if (deuces == 4)
        return "four deuces";
    if (deuces == 0) {
        const Natural n = naturalHand(rank, suit);
        return n == Royal ? "natural royal flush" : kNames[n];
    }
    Natural best = None;
    std::array<int, 4> pick{};
    for (;;) {
        for (std::size_t k = 0; k < deuces; ++k) {
            rank[deuce[k]] = pick[k];
            suit[deuce[k]] = suit[natural];
        }
        best = std::max(best, naturalHand(rank, suit));
        std::size_t k = 0;
        while (k < deuces && ++pick[k] == 13)
            pick[k++] = 0;
        if (k == deuces)
            break;
    }
    // Five of a kind pays under the wild royal, but above everything else.
    return best == Royal ? "wild royal flush" : kNames[best];
}

// `ten` is the hand's result among the ten classes, which the engine agreement test checks
// against the game's own evaluator.
std::string independentName(const odds::HandIndices& cards, odds::HandResult ten,
                            const odds::Game& g) {
    if (g.scheme().deucesWild)
        return deucesWildName(cards);
    std::string name(odds::resultName(ten));
    if (name == "four of a kind" && g.scheme().quadsByRank) {
        std::array<int, 5> ranks{};
        for (std::size_t i = 0; i < ranks.size(); ++i)
            ranks[i] = cards[i] % 13;
        std::sort(ranks.begin(), ranks.end());
        const int four = ranks[2]; // the middle card of a sorted four of a kind
        const int kicker = ranks[0] == four ? ranks[4] : ranks[0];
        const auto low = [](int r) { return r >= 1 && r <= 3; };
        const bool kickerSplit = g.classCount() > 12;
        if (four == 0)
            name = kickerSplit && low(kicker) ? "four aces with a 2-4" : "four aces";
        else if (low(four))
            name = kickerSplit && (kicker == 0 || low(kicker)) ? "four 2s-4s with an A-4"
                                                               : "four 2s-4s";
        else
            name = "four 5s-kings";
    }
    return name;
}

// Final-class counts of one hold over every draw from the 47 unseen cards, hand by hand.
odds::PerClass<std::uint32_t> drawEveryReplacement(const odds::Hand& hand, unsigned mask,
                                                   const odds::Game& g) {
    std::vector<int> kept;
    std::vector<int> unseen;
    for (int card = 0; card < odds::kDeckSize; ++card) {
        const auto slot = std::find(hand.begin(), hand.end(), odds::codeOf(card)) - hand.begin();
        if (slot == 5)
            unseen.push_back(card);
        else if (mask & (1u << slot))
            kept.push_back(card);
    }
    const int drawn = 5 - static_cast<int>(kept.size());
    odds::PerClass<std::uint32_t> counts{};
    std::vector<int> pick(static_cast<std::size_t>(drawn));
    for (int i = 0; i < drawn; ++i)
        pick[static_cast<std::size_t>(i)] = i;
    for (;;) {
        odds::HandIndices cards{};
        std::size_t n = 0;
        for (int card : kept)
            cards[n++] = card;
        for (int i : pick)
            cards[n++] = unseen[static_cast<std::size_t>(i)];
        std::sort(cards.begin(), cards.end());
        ++counts[g.scheme().classify(cards)];
        int i = drawn - 1;
        while (i >= 0 && pick[static_cast<std::size_t>(i)] == 47 - drawn + i)
            --i;
        if (i < 0)
            break;
        ++pick[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < drawn; ++j)
            pick[static_cast<std::size_t>(j)] = pick[static_cast<std::size_t>(j - 1)] + 1;
    }
    return counts;
}

} // namespace

// Published exact returns under perfect play, for one unit staked with the royal at the
// five-coin rate:
// - 9/6 Jacks or Better 0.995439043695 (1653526326983/1661102543100) and 8/5 0.972984:
//   Wizard of Odds, "Jacks or Better" return tables (wizardofodds.com/games/video-poker/
//   tables/jacks-or-better/); 8/5 also "97.30%" in Casino City Times, "Playing 8/5 Jacks or
//   Better", 18 March 2017.
// - 8/5 Bonus Poker 0.991660, its weighted outcomes (19,933,230,517,200 in all) royal
//   495,443,136, four aces 3,903,775,812, nothing 10,860,710,822,436: Wizard of Odds, "Bonus
//   Poker 8/5" strategy page (wizardofodds.com/games/video-poker/strategy/bonus-poker/8-5/).
// - 9/6 Double Double Bonus 0.989808 ("98.98 percent"): Wizard of Odds, "Double Double Bonus"
//   tables (wizardofodds.com/games/video-poker/tables/double-double-bonus/).
// - Full-pay Deuces Wild 1.007620, natural royal 440,202,756, four deuces 4,060,462,824, wild
//   royal 35,796,957,696, five of a kind 63,818,309,856, four of a kind 1,294,427,430,576,
//   full house 423,165,297,240: Wizard of Odds, "Deuces Wild" tables
//   (wizardofodds.com/games/video-poker/tables/deuces-wild/). That table plays one hand of
//   equal value the less volatile way, so only the classes it does not touch are compared.
TEST(Games, ReturnsMatchThePublishedFigures) {
    const struct {
        const char* game;
        const char* decimal;
    } published[] = {
        {"jacks-9/6", "0.995439"}, {"jacks-8/5", "0.972984"},   {"bonus-8/5", "0.991660"},
        {"ddb-9/6", "0.989808"},   {"deuces-wild", "1.007620"},
    };
    std::map<std::string, odds::GameReturnReport> reports;
    for (const auto& p : published) {
        const odds::GameReturnReport report = odds::computeGameReturn(game(p.game), {}, 2);
        EXPECT_EQ(report.returnFraction().decimal(6), p.decimal) << p.game;
        EXPECT_EQ(report.total, 19'933'230'517'200u) << p.game;
        reports[p.game] = report;
    }
    const odds::Game& bonus = game("bonus-8/5");
    const auto& b = reports["bonus-8/5"];
    EXPECT_EQ(weighted(b, bonus, "royal flush"), 495'443'136u);
    EXPECT_EQ(weighted(b, bonus, "four aces"), 3'903'775'812u);
    EXPECT_EQ(weighted(b, bonus, "nothing"), 10'860'710'822'436u);
    const odds::Game& deuces = game("deuces-wild");
    const auto& d = reports["deuces-wild"];
    EXPECT_EQ(weighted(d, deuces, "natural royal flush"), 440'202'756u);
    EXPECT_EQ(weighted(d, deuces, "four deuces"), 4'060'462'824u);
    EXPECT_EQ(weighted(d, deuces, "wild royal flush"), 35'796'957'696u);
    EXPECT_EQ(weighted(d, deuces, "five of a kind"), 63'818'309'856u);
    EXPECT_EQ(weighted(d, deuces, "four of a kind"), 1'294'427'430'576u);
    EXPECT_EQ(weighted(d, deuces, "full house"), 423'165'297'240u);
}

// The ten-class games must be the analyser of old to the last outcome.
TEST(Games, TenClassGamesAgreeWithTheTableAnalyser) {
    const struct {
        const char* game;
        odds::PayTable table;
    } pairs[] = {{"game", odds::PayTable::game()},
                 {"jacks-9/6", odds::PayTable::jacksOrBetter96()}};
    for (const auto& p : pairs) {
        const odds::GameReturnReport fresh = odds::computeGameReturn(game(p.game));
        const odds::ReturnReport old = odds::computeReturn(p.table);
        EXPECT_EQ(fresh.returnFraction(), old.returnFraction()) << p.game;
        for (int r = 0; r < odds::kResultCount; ++r)
            EXPECT_EQ(fresh.weighted[static_cast<std::size_t>(r)],
                      old.weighted[static_cast<std::size_t>(r)])
                << p.game << " result " << r;
    }
    EXPECT_EQ(odds::computeGameReturn(game("jacks-9/6")).returnFraction(),
              odds::Fraction(1653526326983, 1661102543100));
}

// Published hand counts of the deck: the poker counts, split by rank for the fours; deuces
// wild's from the Wizard of Odds deuces wild probability pages.
TEST(Games, EveryHandIsClassedAsAnIndependentClassifierSays) {
    const std::map<std::string, std::map<std::string, std::uint32_t>> published = {
        {"ddb-9/6",
         {{"four aces with a 2-4", 12},
          {"four aces", 36},
          {"four 2s-4s with an A-4", 36},
          {"four 2s-4s", 108},
          {"four 5s-kings", 432},
          {"full house", 3744},
          {"nothing", 2'062'860}}},
        {"deuces-wild",
         {{"natural royal flush", 4},
          {"four deuces", 48},
          {"wild royal flush", 480},
          {"five of a kind", 624},
          {"straight flush", 2'068},
          {"four of a kind", 31'552},
          {"full house", 12'672},
          {"flush", 14'472},
          {"straight", 62'232},
          {"three of a kind", 355'080},
          {"nothing", 2'119'728}}},
    };
    // The ten classes have their own check against the game's evaluator.
    for (const char* name : {"bonus-8/5", "ddb-9/6", "deuces-wild"}) {
        const odds::Game& g = game(name);
        const auto& classes = odds::GameTables::of(g.scheme()).classes();
        const odds::HandTable& tens = odds::HandTable::instance();
        std::vector<std::uint32_t> count(static_cast<std::size_t>(g.classCount()));
        odds::HandIndices cards = {0, 1, 2, 3, 4};
        std::uint32_t colex = 0;
        int disagreements = 0;
        do {
            const std::uint8_t c = classes[colex++];
            ++count[c];
            const std::string expected = independentName(cards, tens.at(colex - 1), g);
            if (expected != g.className(c) && ++disagreements <= 5)
                ADD_FAILURE() << name << " hand " << colex - 1 << ": " << expected << ", not "
                              << g.className(c);
        } while (odds::nextColex(cards.data(), odds::kHandSize));
        EXPECT_EQ(disagreements, 0) << name;
        const auto it = published.find(name);
        if (it == published.end())
            continue;
        for (int c = 0; c < g.classCount(); ++c) {
            const auto p = it->second.find(g.className(c));
            if (p != it->second.end()) {
                EXPECT_EQ(count[static_cast<std::size_t>(c)], p->second)
                    << name << ": " << g.className(c);
            }
        }
    }
}

// Random deals: every hold's counts from the one-pass analysis against drawing each
// replacement, and the inclusion-exclusion player's values against both.
TEST(Games, RandomHoldsMatchDrawingEveryReplacement) {
    odds::test::DealSource deals(2207);
    for (const odds::Game& g : odds::builtInGames()) {
        const odds::Hand hand = deals.next();
        const odds::GameHandAnalysis analysis = odds::analyseGameHand(hand, g);
        odds::HandIndices sorted{};
        for (std::size_t i = 0; i < sorted.size(); ++i)
            sorted[i] = odds::indexOf(hand[i]);
        std::sort(sorted.begin(), sorted.end());
        odds::GamePlayer player(g, odds::GameTables::of(g.scheme()));
        const auto& values = player.values(sorted);
        for (const odds::GameHoldOutcome& hold : analysis.holds) {
            // A few holds per deal by brute force, drawing the most cards the slowest.
            if (std::popcount(hold.mask) >= 2 || hold.mask == 0) {
                EXPECT_EQ(hold.counts, drawEveryReplacement(hand, hold.mask, g))
                    << g.name() << " mask " << hold.mask;
            }
            // The player numbers holds over the sorted cards.
            unsigned sortedMask = 0;
            for (std::size_t slot = 0; slot < hand.size(); ++slot)
                if (hold.mask & (1u << slot))
                    sortedMask |=
                        1u << (std::find(sorted.begin(), sorted.end(), odds::indexOf(hand[slot])) -
                               sorted.begin());
            EXPECT_EQ(values[sortedMask], hold.grossTotal * odds::drawWeight(hold.drawn))
                << g.name();
        }
        EXPECT_EQ(player.bestOfLast().scaledValue,
                  analysis.best().grossTotal * odds::drawWeight(analysis.best().drawn));
    }
}

TEST(Games, PaysCanBeChangedWithinTheLimits) {
    const odds::Game& ddb = game("ddb-9/6");
    auto pays = ddb.pays();
    pays[6] = 8; // full house
    pays[5] = 5; // flush
    const auto changed = ddb.withPays(odds::PayBasis::Gross, pays);
    ASSERT_TRUE(changed.has_value());
    // Lower pays can only lower the return.
    const odds::Fraction lower = odds::computeGameReturn(*changed).returnFraction();
    const odds::Fraction full = odds::computeGameReturn(ddb).returnFraction();
    EXPECT_LT(lower.numerator() * full.denominator(), full.numerator() * lower.denominator());
    pays[13] = odds::PayTable::kMaxPay + 1;
    EXPECT_FALSE(ddb.withPays(odds::PayBasis::Gross, pays).has_value());
    pays.pop_back();
    EXPECT_FALSE(ddb.withPays(odds::PayBasis::Gross, pays).has_value());
}
