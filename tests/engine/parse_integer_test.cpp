#include "engine/errors.h"
#include "engine/parse_integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <random>
#include <regex>
#include <sstream>
#include <string>

using engine::EConvertError;
using engine::ParseInteger;

TEST(ParseInteger, AcceptsDecimalAndHexForms) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"7", 7},
        {" 7", 7},
        {"   7", 7},
        {"+7", 7},
        {"-3", -3},
        {"007", 7},
        {"$A", 10},
        {"$a", 10},
        {"$b", 11},
        {"0", 0},
        {"-0", 0},
        {"$0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"$7fffffff", INT32_MAX},
        {"0000000000002147483647", INT32_MAX},
        {" $10", 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << "text: '" << c.text << "'";
}

TEST(ParseInteger, RejectsEverythingElse) {
    const char* rejected[] = {
        "",     " ",     "7 ",  "\t7",         "-$A",         "$",
        "0x10", "1e3",   "1.0", "+-1",         "--1",         "+",
        "-",    "1,000", "abc", "2147483648",  "-2147483649", "$100000000",
        "$G",   "$ 1",   "7a",  "99999999999",
    };
    for (const char* text : rejected)
        EXPECT_THROW(ParseInteger(text), EConvertError) << "text: '" << text << "'";
}

// Right at the edges of 32 bits, where a conversion that lets the value wrap would accept
// a number it cannot hold (4294967296 is 0 after wrapping, 4294967297 is 1, $100000000 is 0).
TEST(ParseInteger, HoldsExactlyThirtyTwoBitsAndNeverWraps) {
    const struct {
        const char* text;
        std::int32_t value;
    } accepted[] = {
        {"2147483646", INT32_MAX - 1},
        {"+2147483647", INT32_MAX},
        {"-2147483647", -INT32_MAX},
        {"-000000000000000000001", -1},
        {"-0000000002147483648", INT32_MIN},
        {"214748364", 214748364},
        {"2147483640", 2147483640},
        {"$0FFFFFFFF", -1},
        {"$000000000000000001", 1},
        {"$FFFFFFF", 0x0FFFFFFF},
        {"$10000000", 0x10000000},
        {"$FFFFFFFE", -2},
        {"$7FFFFFFF", INT32_MAX},
        {"$80000001", INT32_MIN + 1},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(ParseInteger(c.text), c.value) << "text: '" << c.text << "'";

    const char* rejected[] = {
        "4294967296", "4294967297",           "4294967295",         "-4294967296", "-4294967297",
        "8589934592", "2147483649",           "-2147483650",        "+2147483648", "21474836470",
        "2147483650", "18446744073709551616", "$100000000",         "$100000001",  "$1FFFFFFFF",
        "$FFFFFFFF0", "$0100000000",          "$10000000000000000",
    };
    for (const char* text : rejected)
        EXPECT_THROW(ParseInteger(text), EConvertError) << "text: '" << text << "'";
}

TEST(ParseInteger, MessageQuotesTheWholeTextAsEntered) {
    const auto messageFor = [](const std::string& text) {
        try {
            ParseInteger(text);
        } catch (const EConvertError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageFor("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(messageFor(""), "'' is not a valid integer value");
    EXPECT_EQ(messageFor(" 7 "), "' 7 ' is not a valid integer value");
}

namespace {

// A second, deliberately different reading of the conversion rules: the shape by a regular
// expression, the value by the standard library on the significant digits. It agrees with
// ParseInteger on every text, or one of the two is wrong.
std::optional<std::int32_t> ModelParse(const std::string& text) {
    static const std::regex hex(R"(^ *\$([0-9A-Fa-f]+)$)");
    static const std::regex dec(R"(^ *([+-]?)([0-9]+)$)");
    const auto significant = [](const std::string& digits) {
        const std::size_t first = digits.find_first_not_of('0');
        return first == std::string::npos ? std::string("0") : digits.substr(first);
    };
    std::smatch m;
    if (std::regex_match(text, m, hex)) {
        const std::string digits = significant(m[1]);
        if (digits.size() > 8)
            return std::nullopt;
        return static_cast<std::int32_t>(std::stoull(digits, nullptr, 16));
    }
    if (std::regex_match(text, m, dec)) {
        const std::string digits = significant(m[2]);
        if (digits.size() > 10)
            return std::nullopt;
        const long long magnitude = std::stoll(digits);
        const long long value = m[1] == "-" ? -magnitude : magnitude;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }
    return std::nullopt;
}

// Texts around every boundary of the rules: numbers near the 28-, 31- and 32-bit edges and
// beyond 64 bits, in decimal with any sign or hex in any case, with leading zeros and
// blanks, then now and then broken by a character put in, taken out or changed.
std::string GenerateText(std::mt19937_64& rng) {
    const auto pick = [&](std::uint64_t n) { return static_cast<std::size_t>(rng() % n); };
    static const std::uint64_t edges[] = {
        0,          1,          9,          10,         16,
        214748364,  214748365,  2147483647, 2147483648, 4294967295,
        4294967296, 0x0FFFFFFF, 0x10000000, 9999999999, 0xFFFFFFFFFFFFFFFFull,
    };
    std::uint64_t n = pick(4) == 0 ? rng() >> pick(64) : edges[pick(std::size(edges))];
    n += static_cast<std::uint64_t>(static_cast<std::int64_t>(pick(7)) - 3);

    std::string text(pick(4) == 0 ? pick(4) : 0, ' ');
    std::string digits;
    if (pick(3) == 0) {
        std::ostringstream out;
        out << std::hex << (pick(2) ? std::uppercase : std::nouppercase) << n;
        digits = out.str();
        text += "$";
    } else {
        static const char* const signs[] = {"", "", "+", "-", "-", "+-", "--"};
        text += signs[pick(std::size(signs))];
        digits = std::to_string(n);
        if (pick(8) == 0) // beyond 64 bits
            digits += std::to_string(rng() % 1000);
    }
    text += std::string(pick(3) == 0 ? pick(12) : 0, '0') + digits;

    static const char alphabet[] = " $+-0123456789aAfFgGxX.,e\t\x80\xff";
    for (std::size_t edits = pick(3) == 0 ? 1 + pick(2) : 0; edits > 0; --edits) {
        const std::size_t at = pick(text.size() + 1);
        const char c = alphabet[pick(sizeof alphabet - 1)];
        switch (pick(3)) {
        case 0:
            text.insert(at, 1, c);
            break;
        case 1:
            if (at < text.size())
                text.erase(at, 1);
            break;
        default:
            if (at < text.size())
                text[at] = c;
        }
    }
    return text;
}

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::stoull(value) : fallback;
}

} // namespace

// The long run: VANDOLIN_PARSE_CASES=5000000 (and VANDOLIN_PARSE_SEED=n for another seed).
TEST(ParseInteger, AgreesWithAnIndependentReadingOfTheRules) {
    const std::uint64_t seed = FromEnvironment("VANDOLIN_PARSE_SEED", 20261207);
    const std::uint64_t cases = FromEnvironment("VANDOLIN_PARSE_CASES", 5000);
    std::mt19937_64 rng(seed);
    std::uint64_t accepted = 0;
    int disagreements = 0;
    for (std::uint64_t i = 0; i < cases && disagreements < 10; ++i) {
        const std::string text = GenerateText(rng);
        const std::optional<std::int32_t> expected = ModelParse(text);
        std::optional<std::int32_t> got;
        try {
            got = ParseInteger(text);
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
        }
        accepted += expected.has_value();
        if (got != expected) {
            ++disagreements;
            ADD_FAILURE() << "seed " << seed << ", case " << i << ": '" << text << "' gives "
                          << (got ? std::to_string(*got) : "an error") << ", the rules say "
                          << (expected ? std::to_string(*expected) : "an error");
        }
    }
    // Both sides of the rules must be well exercised, or the agreement says little.
    EXPECT_GT(accepted, cases / 5);
    EXPECT_LT(accepted, cases - cases / 5);
}
