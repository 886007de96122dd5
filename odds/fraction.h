#pragma once

#include <string>

namespace odds {

// Sums of pays over weighted outcomes outgrow 64 bits for large pay tables.
using Int128 = __int128;

std::string toString(Int128 value);

// An exact ratio in lowest terms with a positive denominator.
class Fraction {
public:
    // A zero denominator is refused with std::invalid_argument, a result beyond 128 bits
    // (only -2^127 / -1 and the like) with std::overflow_error.
    Fraction(Int128 numerator, Int128 denominator);

    Int128 numerator() const { return numerator_; }
    Int128 denominator() const { return denominator_; }

    // "n/d", or just "n" for a whole number.
    std::string text() const;
    // Rounded half away from zero to the given number of decimals (at most 30).
    std::string decimal(int places) const;

    friend bool operator==(const Fraction&, const Fraction&) = default;

private:
    Int128 numerator_;
    Int128 denominator_;
};

} // namespace odds
