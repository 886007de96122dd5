#include "odds/fraction.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace odds {

namespace {

// Magnitudes as unsigned, so that the most negative value needs no special case.
using UInt128 = unsigned __int128;

UInt128 magnitude(Int128 value) {
    return value < 0 ? UInt128{0} - static_cast<UInt128>(value) : static_cast<UInt128>(value);
}

UInt128 gcd(UInt128 a, UInt128 b) {
    while (b != 0) {
        const UInt128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::string digits(UInt128 value) {
    std::string text;
    do {
        text.push_back(static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}

constexpr int kMaxPlaces = 30;

// 10 * rest = digit * d + remainder for rest < d, without forming 10 * rest, which could
// exceed 128 bits for the largest denominators.
int nextDigit(UInt128& rest, UInt128 d) {
    UInt128 sum = 0;
    int digit = 0;
    for (int i = 0; i < 10; ++i) {
        if (sum >= d - rest) {
            sum -= d - rest;
            ++digit;
        } else {
            sum += rest;
        }
    }
    rest = sum;
    return digit;
}

} // namespace

std::string toString(Int128 value) {
    return (value < 0 ? "-" : "") + digits(magnitude(value));
}

Fraction::Fraction(Int128 numerator, Int128 denominator) {
    if (denominator == 0)
        throw std::invalid_argument("fraction with a zero denominator");
    const bool negative = (numerator < 0) != (denominator < 0) && numerator != 0;
    UInt128 n = magnitude(numerator);
    UInt128 d = magnitude(denominator);
    const UInt128 common = gcd(n, d);
    n /= common;
    d /= common;
    const UInt128 limit = static_cast<UInt128>(std::numeric_limits<Int128>::max());
    if (d > limit || n > limit + (negative ? 1 : 0))
        throw std::overflow_error("fraction does not fit in 128 bits");
    numerator_ = static_cast<Int128>(negative ? UInt128{0} - n : n); // modular, so -2^127 fits
    denominator_ = static_cast<Int128>(d);
}

std::string Fraction::text() const {
    if (denominator_ == 1)
        return toString(numerator_);
    return toString(numerator_) + "/" + toString(denominator_);
}

std::string Fraction::decimal(int places) const {
    places = std::clamp(places, 0, kMaxPlaces);
    const UInt128 d = static_cast<UInt128>(denominator_);
    const UInt128 n = magnitude(numerator_);
    UInt128 whole = n / d;
    UInt128 rest = n % d;
    std::string fraction;
    for (int i = 0; i < places; ++i)
        fraction.push_back(static_cast<char>('0' + nextDigit(rest, d)));
    if (rest >= d - rest) {
        int i = places - 1;
        for (; i >= 0 && fraction[static_cast<std::size_t>(i)] == '9'; --i)
            fraction[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++fraction[static_cast<std::size_t>(i)];
        else
            ++whole;
    }
    const bool negative =
        numerator_ < 0 && (whole != 0 || fraction.find_first_not_of('0') != std::string::npos);
    std::string text = (negative ? "-" : "") + digits(whole);
    if (places > 0)
        text += "." + fraction;
    return text;
}

} // namespace odds
