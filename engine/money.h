#pragma once

#include <cstdint>
#include <string>

namespace engine {

// Money is whole units in a signed 32-bit word. The game never checks for overflow: sums
// and products wrap modulo 2^32, done in unsigned arithmetic so nothing is undefined.
using Money = std::int32_t;

inline constexpr Money kStartingCash = 100;
inline constexpr Money kStartingBet = 1;
inline constexpr Money kHighestBet = 10;
inline constexpr Money kWinningLine = 32767; // a bankroll above this wins the game

// cash + multiplier * bet, wrapping.
Money Settle(Money cash, std::int32_t multiplier, Money bet);

// The bet that an entered value becomes: 1..10 stand, anything else is 1.
Money AcceptedBet(std::int32_t entered);

// "$" and the plain decimal value, minus sign included: "$100", "$-5".
std::string MoneyText(Money amount);

} // namespace engine
