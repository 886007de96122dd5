#include "odds/cli/odds_command.h"

#include "odds/cli/chart_report.h"
#include "odds/cli/command_line.h"
#include "odds/cli/game_reports.h"
#include "odds/cli/progress_meter.h"
#include "odds/cli/reports.h"
#include "odds/cli/usage_error.h"
#include "odds/hold_analysis.h"
#include "odds/return_calculator.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <ostream>
#include <thread>

namespace odds::cli {

namespace {

constexpr std::string_view kProgram = "vandolin-odds";

// The return runs on both cores when there are two; more would only wait for them.
constexpr unsigned kMaxThreads = 2;

constexpr int kMistakesShown = 5;

int workerCount() {
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads));
}

} // namespace

std::string helpText() {
    return R"(Usage: vandolin-odds hold [--game NAME] [--table TABLE] CARD CARD CARD CARD CARD
       vandolin-odds return [--game NAME] [--table TABLE]
       vandolin-odds chart [--game NAME] [--table TABLE] [--format=text|markdown]
       vandolin-odds games
       vandolin-odds --help

Exact video-poker odds for one draw, counted over every possible card, never sampled.

  hold     Values each of the 32 ways to keep the five dealt cards, counting every
           replacement from the 47 unseen cards. Prints the holds best first with
           their expected values, then the final results of the best hold.
  return   Plays every one of the 2,598,960 deals by its best hold and prints the
           return of the pay table (an exact fraction and its decimal) and the
           chance of each final result.
  chart    Derives a strategy chart from the exact values: hold patterns in
           players' words, first line first, each with its average value. Then
           plays the chart on every deal and prints its return against perfect
           play, the share of deals it plays worse, and its costliest mistakes.
  games    Lists the built-in games (--game NAME) with their pays.

Cards: a rank A 2 3 4 5 6 7 8 9 T J Q K (10 also works) and a suit C D H S, in
either case, for example: vandolin-odds hold AS KS QS JS 2D

Tables (--table TABLE, default game):
  game        the game's own table, net: -1 2 3 5 10 20 50 100 200 500
  9/6         9/6 jacks or better, gross: 0 1 2 3 4 6 9 25 50 800
  v0,...,v9   ten whole pays for nothing, jacks or better, two pair, three of a
              kind, straight, flush, full house, four of a kind, straight flush and
              royal flush, followed by --net or --gross:
                --net    each pay is the win on top of the returned stake (a loss is -1)
                --gross  each pay is the whole payout for a stake of one, stake included
              for example: --table 0,1,2,3,4,6,9,25,50,800 --gross

Games (--game NAME, see games): game (the table's own, the default), jacks-9/6,
jacks-8/5, bonus-8/5, ddb-9/6 and deuces-wild. With --game, --table gives the
game's own pays, one per class, worst first, followed by --net or --gross.

Expected values are in the table's own terms. The return is the payout per unit
staked, stake included: 1 + the expected value for a net table, the expected value
for a gross table. Holds worth exactly the same are ranked by their chance of the
better results, then by fewer cards kept.

Exit status: 0 when done, 1 when the results could not be written, 2 for a
malformed command line, card, game or table.
)";
}

ExitStatus runOddsCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
    try {
        const CommandLine line = parseCommandLine(args);
        // Only the writing below sets errno from here on, so it tells why a write failed.
        switch (line.action) {
        case Action::Help:
            errno = 0;
            out << helpText();
            break;
        case Action::Games:
            errno = 0;
            printGames(out);
            break;
        case Action::Chart: {
            ProgressMeter meter(err, "Deriving the chart from every deal");
            const StrategyChart chart = StrategyChart::derive(
                *line.game, StrategyChart::kDefaultMaxLines, StrategyChart::kDefaultMinLineWorth,
                [&](double share) { meter.update(share * 0.8); });
            const ChartAccuracy accuracy = chart.replay(
                kMistakesShown, [&](double share) { meter.update(0.8 + 0.2 * share); });
            meter.finish();
            errno = 0;
            printChartReport(out, chart, accuracy, line.format);
            break;
        }
        case Action::Hold: {
            if (line.game) {
                const GameHandAnalysis analysis = analyseGameHand(line.hand, *line.game);
                errno = 0;
                printGameHoldReport(out, analysis, *line.game);
                break;
            }
            const HandAnalysis analysis = analyseHand(line.hand, line.table);
            errno = 0;
            printHoldReport(out, analysis, line.table);
            break;
        }
        case Action::Return: {
            ProgressMeter meter(err, "Playing every deal");
            if (line.game) {
                const GameReturnReport report = computeGameReturn(
                    *line.game, [&](double share) { meter.update(share); }, workerCount());
                meter.finish();
                errno = 0;
                printGameReturnReport(out, report, *line.game);
                break;
            }
            const ReturnReport report = computeReturn(
                line.table, [&](double share) { meter.update(share); }, workerCount());
            meter.finish();
            errno = 0;
            printReturnReport(out, report, line.table);
            break;
        }
        }
        // A full disk or a closed output loses the results: that is a failure, not success.
        out.flush();
        if (!out) {
            const int error = errno;
            err << kProgram << ": could not write the results"
                << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
            return ExitStatus::Failure;
        }
        return ExitStatus::Success;
    } catch (const UsageError& error) {
        err << kProgram << ": " << error.what() << "\nTry '" << kProgram << " --help'.\n";
        return ExitStatus::Usage;
    } catch (const std::exception& error) {
        err << kProgram << ": " << error.what() << '\n';
        return ExitStatus::Failure;
    }
}

} // namespace odds::cli
