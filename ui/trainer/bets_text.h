#pragma once

#include "odds/fraction.h"

#include <string>
#include <utility>

namespace trainer {

// Amounts in bets as the strip writes them. Two decimals unless that would hide something: a
// small amount gets places until two significant digits show, so no real amount reads as
// zero, and two different amounts shown side by side get places until they differ.

// Decimal places that show this amount without rounding it to zero.
int placesFor(const odds::Fraction& amount);

// "+0.48 bets", "-0.0044 bets", "0.00 bets", "+1.00 bet": signed as the exact value is.
std::string signedBets(const odds::Fraction& value, int places);
// "0.0026 bets", "1.00 bet": an amount without a sign.
std::string bets(const odds::Fraction& amount, int places);

// The places at which two amounts print differently, if they are different.
int placesToTellApart(const odds::Fraction& a, const odds::Fraction& b);

odds::Fraction minus(const odds::Fraction& a, const odds::Fraction& b);
odds::Fraction plus(const odds::Fraction& a, const odds::Fraction& b);

} // namespace trainer
