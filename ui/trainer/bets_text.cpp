#include "ui/trainer/bets_text.h"

#include <algorithm>

namespace trainer {

namespace {

constexpr int kUsualPlaces = 2;
constexpr int kMostPlaces = 30; // as many as a fraction prints

bool showsZero(const std::string& digits) {
    return digits.find_first_not_of("-0.") == std::string::npos;
}

std::string withUnit(const std::string& digits) {
    // One bet is a bet; any other amount, a fraction of one included, is bets.
    const std::string magnitude = digits.substr(digits.find_first_not_of("+-"));
    const bool one = magnitude == "1" || (magnitude.starts_with("1.") &&
                                          magnitude.find_first_not_of('0', 2) == std::string::npos);
    return digits + (one ? " bet" : " bets");
}

} // namespace

int placesFor(const odds::Fraction& amount) {
    if (amount.numerator() == 0)
        return kUsualPlaces;
    int places = kUsualPlaces;
    while (places < kMostPlaces && showsZero(amount.decimal(places)))
        ++places;
    // The first digit that shows, and one more.
    return places == kUsualPlaces ? places : std::min(places + 1, kMostPlaces);
}

std::string signedBets(const odds::Fraction& value, int places) {
    const std::string digits = value.decimal(places);
    if (value.numerator() < 0)
        return withUnit(digits.starts_with('-') ? digits : "-" + digits);
    if (value.numerator() > 0)
        return withUnit("+" + digits);
    return withUnit(digits);
}

std::string bets(const odds::Fraction& amount, int places) {
    return withUnit(amount.decimal(places));
}

int placesToTellApart(const odds::Fraction& a, const odds::Fraction& b) {
    int places = std::max(placesFor(a), placesFor(b));
    while (places < kMostPlaces && a != b && a.decimal(places) == b.decimal(places))
        ++places;
    return places;
}

odds::Fraction minus(const odds::Fraction& a, const odds::Fraction& b) {
    return {a.numerator() * b.denominator() - b.numerator() * a.denominator(),
            a.denominator() * b.denominator()};
}

odds::Fraction plus(const odds::Fraction& a, const odds::Fraction& b) {
    return {a.numerator() * b.denominator() + b.numerator() * a.denominator(),
            a.denominator() * b.denominator()};
}

} // namespace trainer
