#pragma once

#include "odds/cards.h"
#include "odds/pay_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace odds::cli {

enum class Action { Help, Version, Hold, Return };

struct CommandLine {
    Action action = Action::Help;
    PayTable table = PayTable::game();
    Hand hand{}; // for Action::Hold
};

// Reads the arguments after the program name. Throws UsageError for anything malformed.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// "game", "9/6" or ten comma-separated pays; a list needs its basis, a name brings its own.
// Throws UsageError.
PayTable parseTable(std::string_view text, const PayBasis* listBasis);

// Five different cards; an argument may carry several names separated by blanks or commas.
// Throws UsageError.
Hand parseHand(const std::vector<std::string>& words);

} // namespace odds::cli
