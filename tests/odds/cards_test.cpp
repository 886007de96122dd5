#include "odds/card_text.h"
#include "odds/combinatorics.h"
#include "odds/fraction.h"

#include <gtest/gtest.h>

#include <limits>

using odds::Fraction;

TEST(CardText, NamesAndReadsEveryCard) {
    for (odds::CardCode code = 1; code <= odds::kDeckSize; ++code) {
        const std::string name = odds::cardName(code);
        EXPECT_EQ(odds::parseCard(name), code) << name;
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(odds::parseCard(lower), code) << lower;
    }
    // The game's numbering: clubs first, ace to king within a suit.
    EXPECT_EQ(odds::cardName(1), "AC");
    EXPECT_EQ(odds::cardName(13), "KC");
    EXPECT_EQ(odds::cardName(14), "AD");
    EXPECT_EQ(odds::cardName(52), "KS");
    EXPECT_EQ(odds::parseCard("10h"), odds::parseCard("TH"));
    EXPECT_EQ(odds::cardName(0), "??");
    EXPECT_EQ(odds::cardName(53), "??");
}

TEST(CardText, RejectsMalformedNames) {
    for (const char* text :
         {"", "A", "S", "ASX", "1S", "11S", "AX", "ZZ", " AS", "AS ", "0S", "100S", "T", "10"})
        EXPECT_FALSE(odds::parseCard(text).has_value()) << "'" << text << "'";
}

TEST(Combinatorics, ColexStepsVisitEveryHandInIndexOrder) {
    odds::HandIndices cards = {0, 1, 2, 3, 4};
    std::uint32_t expected = 0;
    bool ascending = true;
    do {
        ascending = ascending && std::is_sorted(cards.begin(), cards.end()) &&
                    std::adjacent_find(cards.begin(), cards.end()) == cards.end();
        if (odds::colexIndex(cards) != expected)
            break;
        ++expected;
    } while (odds::nextColex(cards.data(), odds::kHandSize));
    EXPECT_TRUE(ascending);
    EXPECT_EQ(expected, odds::kFiveCardHands);
    const odds::HandIndices last = {47, 48, 49, 50, 51};
    EXPECT_EQ(cards, last);
}

TEST(Fraction, KeepsLowestTermsAndThePositiveDenominator) {
    EXPECT_EQ(Fraction(6, 4).text(), "3/2");
    EXPECT_EQ(Fraction(-6, 4).text(), "-3/2");
    EXPECT_EQ(Fraction(6, -4).text(), "-3/2");
    EXPECT_EQ(Fraction(-6, -4).text(), "3/2");
    EXPECT_EQ(Fraction(0, -5).text(), "0");
    EXPECT_EQ(Fraction(10, 5).text(), "2");
    EXPECT_THROW(Fraction(1, 0), std::invalid_argument);
}

TEST(Fraction, RoundsDecimalsHalfAwayFromZero) {
    EXPECT_EQ(Fraction(2, 3).decimal(3), "0.667");
    EXPECT_EQ(Fraction(-2, 3).decimal(3), "-0.667");
    EXPECT_EQ(Fraction(1, 2).decimal(0), "1");
    EXPECT_EQ(Fraction(1, 8).decimal(2), "0.13");
    EXPECT_EQ(Fraction(999, 1000).decimal(2), "1.00");
    EXPECT_EQ(Fraction(-1, 3000).decimal(3), "0.000"); // no minus on a rounded zero
    EXPECT_EQ(Fraction(-1, 2000).decimal(3), "-0.001");
    EXPECT_EQ(Fraction(7, 1).decimal(2), "7.00");
}

TEST(Fraction, HandlesTheWholeWidth) {
    const odds::Int128 max = std::numeric_limits<odds::Int128>::max();
    const odds::Int128 min = std::numeric_limits<odds::Int128>::min();
    EXPECT_EQ(odds::toString(max), "170141183460469231731687303715884105727");
    EXPECT_EQ(odds::toString(min), "-170141183460469231731687303715884105728");
    EXPECT_EQ(Fraction(max - 1, max).decimal(5), "1.00000");
    EXPECT_EQ(Fraction(max / 3, max).decimal(6), "0.333333");
    EXPECT_EQ(Fraction(min, 2).text(), "-85070591730234615865843651857942052864");
}

TEST(Fraction, RefusesAResultBeyond128Bits) {
    const odds::Int128 min = std::numeric_limits<odds::Int128>::min();
    EXPECT_THROW(Fraction(min, -1), std::overflow_error);
    EXPECT_THROW(Fraction(1, min), std::overflow_error);
    EXPECT_EQ(Fraction(min, 1).numerator(), min);
    EXPECT_EQ(Fraction(2, min).text(), "-1/85070591730234615865843651857942052864");
}
