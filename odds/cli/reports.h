#pragma once

#include "odds/hold_analysis.h"
#include "odds/pay_table.h"
#include "odds/return_calculator.h"

#include <iosfwd>
#include <string>

namespace odds::cli {

// "game, net: -1 2 3 5 10 20 50 100 200 500"
std::string describeTable(const PayTable& table);

// The kept cards in slot order, "--" for a card that is changed.
std::string holdText(const Hand& hand, unsigned mask);

// The 32 holds best first, then the final results of the best one.
void printHoldReport(std::ostream& out, const HandAnalysis& analysis, const PayTable& table);

// The return as a fraction and a decimal, then the chance of each result.
void printReturnReport(std::ostream& out, const ReturnReport& report, const PayTable& table);

} // namespace odds::cli
