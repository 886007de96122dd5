#pragma once

#include "odds/cards.h"
#include "odds/game.h"
#include "odds/pay_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace odds::cli {

enum class Action { Help, Hold, Return, Games, Chart };

enum class ChartFormat { Text, Markdown };

struct CommandLine {
    Action action = Action::Help;
    PayTable table = PayTable::game();
    Hand hand{}; // for Action::Hold
    // Set by --game (with its pays changed by --table), and always for Action::Chart; hold and
    // return without --game keep the ten-class reports.
    std::optional<Game> game;
    ChartFormat format = ChartFormat::Text;
};

// Reads the arguments after the program name. Throws UsageError for anything malformed.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// "game", "9/6" or ten comma-separated pays; a list needs its basis, a name brings its own.
// Throws UsageError.
PayTable parseTable(std::string_view text, const PayBasis* listBasis);

// A built-in game by name, its pays replaced by `pays` (a comma-separated list, one per class,
// needing its basis) when given. Throws UsageError.
Game parseGame(std::string_view name, const std::optional<std::string>& pays,
               const PayBasis* listBasis);

// Five different cards; an argument may carry several names separated by blanks or commas.
// Throws UsageError.
Hand parseHand(const std::vector<std::string>& words);

} // namespace odds::cli
