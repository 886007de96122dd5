#include "money.h"

namespace engine {

Money Settle(Money cash, std::int32_t multiplier, Money bet) {
    const std::uint32_t product =
        static_cast<std::uint32_t>(multiplier) * static_cast<std::uint32_t>(bet);
    return static_cast<Money>(static_cast<std::uint32_t>(cash) + product);
}

Money AcceptedBet(std::int32_t entered) {
    // A bet of 0 or less would turn a losing hand into a payout, so it is refused the same
    // way as one above the limit.
    return entered >= 1 && entered <= kHighestBet ? entered : kStartingBet;
}

std::string MoneyText(Money amount) {
    return "$" + std::to_string(amount);
}

} // namespace engine
