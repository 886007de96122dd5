#pragma once

#include "odds/cli/command_line.h"
#include "odds/strategy_chart.h"

#include <iosfwd>

namespace odds::cli {

// The chart line by line with each line's average value and share of deals, then what the
// replay over every deal found.
void printChartReport(std::ostream& out, const StrategyChart& chart, const ChartAccuracy& accuracy,
                      ChartFormat format);

} // namespace odds::cli
