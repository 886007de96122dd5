#include "odds/cli/chart_report.h"

#include "odds/cli/game_reports.h"
#include "odds/cli/reports.h"
#include "odds/combinatorics.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace odds::cli {

namespace {

constexpr int kValuePlaces = 4;
constexpr int kReturnPlaces = 12;

// A share as a percentage, "0.2115%".
std::string percent(const Fraction& share, int places) {
    return Fraction(share.numerator() * 100, share.denominator()).decimal(places) + "%";
}

std::string holdNote(const ChartMistake& mistake, const StrategyChart& chart) {
    return "keep " + holdText(mistake.hand, mistake.chartMask) + " (line " +
           std::to_string(mistake.line + 1) + ": " +
           chart.lines()[static_cast<std::size_t>(mistake.line)].text + "), best " +
           holdText(mistake.hand, mistake.bestMask) + ", giving up " +
           mistake.loss.decimal(kValuePlaces);
}

void printText(std::ostream& out, const StrategyChart& chart, const ChartAccuracy& accuracy) {
    std::size_t width = 4;
    for (const ChartLine& line : chart.lines())
        width = std::max(width, line.text.size());
    out << "line  " << std::left << std::setw(static_cast<int>(width)) << "hold" << std::right
        << "  average value     deals\n";
    for (std::size_t i = 0; i < chart.lines().size(); ++i) {
        const ChartLineUse& use = accuracy.lineUse[i];
        out << std::setw(4) << i + 1 << "  " << std::left << std::setw(static_cast<int>(width))
            << chart.lines()[i].text << std::right << "  " << std::setw(13)
            << use.averageValue.decimal(kValuePlaces) << "  " << std::setw(8)
            << percent(use.dealShare, 4) << '\n';
    }
}

void printMarkdown(std::ostream& out, const StrategyChart& chart, const ChartAccuracy& accuracy) {
    out << "| Line | Hold | Average value | Deals |\n"
        << "| ---: | :--- | ---: | ---: |\n";
    for (std::size_t i = 0; i < chart.lines().size(); ++i) {
        const ChartLineUse& use = accuracy.lineUse[i];
        out << "| " << i + 1 << " | " << chart.lines()[i].text << " | "
            << use.averageValue.decimal(kValuePlaces) << " | " << percent(use.dealShare, 4)
            << " |\n";
    }
}

} // namespace

void printChartReport(std::ostream& out, const StrategyChart& chart, const ChartAccuracy& accuracy,
                      ChartFormat format) {
    const bool markdown = format == ChartFormat::Markdown;
    const std::string item = markdown ? "- " : "  ";
    out << (markdown ? "**Strategy chart:** " : "Strategy chart: ") << describeGame(chart.game())
        << "\n\n"
        << "Keep the hold of the first line, from the top, that the deal offers. Where a line\n"
           "names several, the first named goes first; where one fits two holds, keep the\n"
           "higher cards. Average values are per unit staked"
        << (chart.game().basis() == PayBasis::Net ? ", less the stake" : ", stake included")
        << ".\n\n";
    if (markdown)
        printMarkdown(out, chart, accuracy);
    else
        printText(out, chart, accuracy);
    const Fraction& given = accuracy.returnGivenUp;
    out << "\n"
        << (markdown ? "**Accuracy**" : "Accuracy") << ", the chart replayed over all "
        << kFiveCardHands << " deals:\n"
        << item << "return under the chart: " << accuracy.chartReturn.text() << " = "
        << accuracy.chartReturn.decimal(kReturnPlaces) << '\n'
        << item << "return under perfect play: " << accuracy.perfectReturn.text() << " = "
        << accuracy.perfectReturn.decimal(kReturnPlaces) << '\n'
        << item << "given up: " << given.decimal(kReturnPlaces) << " = " << percent(given, 6)
        << " of the stake\n"
        << item << "deals on which the chart's hold is worth less than the best: "
        << percent(accuracy.worseShare, 4) << '\n';
    if (accuracy.costliest.empty())
        return;
    out << '\n'
        << (markdown ? "**Costliest deals**" : "Costliest deals")
        << " the chart gets wrong (value given up per deal):\n";
    for (const ChartMistake& mistake : accuracy.costliest)
        out << item << holdText(mistake.hand, kAllHeld) << ": " << holdNote(mistake, chart) << '\n';
}

} // namespace odds::cli
