#include "odds/cli/reports.h"

#include "odds/card_text.h"
#include "odds/combinatorics.h"

#include <iomanip>
#include <ostream>

namespace odds::cli {

namespace {

constexpr int kValuePlaces = 6;
constexpr int kReturnPlaces = 12;
constexpr int kNameWidth = 17;

} // namespace

std::string describeTable(const PayTable& table) {
    std::string text = table.name() + ", " + std::string(basisName(table.basis())) + ":";
    for (std::int64_t pay : table.pays())
        text += " " + std::to_string(pay);
    return text;
}

std::string holdText(const Hand& hand, unsigned mask) {
    std::string text;
    for (std::size_t slot = 0; slot < hand.size(); ++slot) {
        if (slot > 0)
            text += ' ';
        text += (mask & (1u << slot)) ? cardName(hand[slot]) : "--";
    }
    return text;
}

void printHoldReport(std::ostream& out, const HandAnalysis& analysis, const PayTable& table) {
    out << "Hand: " << holdText(analysis.hand, kAllHeld) << '\n'
        << "Pay table: " << describeTable(table) << "\n\n"
        << "rank  hold            expected value  exact\n";
    int rank = 0;
    for (const HoldOutcome& hold : analysis.holds) {
        const Fraction value = hold.value(table.basis());
        out << std::setw(4) << ++rank << "  " << holdText(analysis.hand, hold.mask) << "  "
            << std::setw(14) << value.decimal(kValuePlaces) << "  " << value.text() << '\n';
    }

    const HoldOutcome& best = analysis.best();
    out << "\nBest hold: " << holdText(analysis.hand, best.mask) << ", drawing " << best.drawn
        << (best.drawn == 1 ? " card" : " cards") << " (" << best.draws
        << (best.draws == 1 ? " outcome" : " equally likely outcomes") << ")\n"
        << std::left << std::setw(kNameWidth) << "result" << std::right << std::setw(10)
        << "outcomes"
        << "  probability\n";
    for (int r = kResultCount - 1; r >= 0; --r) {
        const std::uint32_t count = best.counts[static_cast<std::size_t>(r)];
        out << std::left << std::setw(kNameWidth) << resultName(resultAt(r)) << std::right
            << std::setw(10) << count << "  " << Fraction(count, best.draws).decimal(kValuePlaces)
            << '\n';
    }
}

void printReturnReport(std::ostream& out, const ReturnReport& report, const PayTable& table) {
    const Fraction ret = report.returnFraction();
    out << "Pay table: " << describeTable(table) << '\n'
        << "Return with the best hold on every deal: " << ret.text() << " = "
        << ret.decimal(kReturnPlaces) << " per unit staked, stake included\n\n"
        << std::left << std::setw(kNameWidth) << "result" << std::right << std::setw(17)
        << "weighted outcomes"
        << "  probability\n";
    for (int r = kResultCount - 1; r >= 0; --r) {
        const HandResult result = resultAt(r);
        out << std::left << std::setw(kNameWidth) << resultName(result) << std::right
            << std::setw(17) << report.weighted[static_cast<std::size_t>(r)] << "  "
            << report.probability(result).decimal(kReturnPlaces) << '\n';
    }
    out << std::left << std::setw(kNameWidth) << "all" << std::right << std::setw(17)
        << report.total << "\n\n"
        << "Each of the " << kFiveCardHands << " deals weighs " << kDrawWeight
        << " outcomes: a final hand after drawing k cards counts " << kDrawWeight
        << " / C(47, k) times.\n";
}

} // namespace odds::cli
