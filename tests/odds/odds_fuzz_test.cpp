// Generated command lines for vandolin-odds: empty, thousands of words, very long or
// non-ASCII words, control characters, bad and repeated cards, malformed pay tables and pays
// at and beyond every limit. Whatever comes, the tool either reads it as an independent
// reading of its rules does, or refuses it with exit status 2 and a one-line message; it
// never fails otherwise, and never takes a pay that exact arithmetic could not hold.
// The long run: VANDOLIN_ODDS_FUZZ_CASES=200000 (and VANDOLIN_ODDS_FUZZ_SEED=n).
#include "odds/card_text.h"
#include "odds/cli/command_line.h"
#include "odds/cli/odds_command.h"
#include "odds/cli/usage_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

using odds::cli::ExitStatus;
using odds::cli::UsageError;

namespace {

constexpr std::int64_t kLargestPay = 1'000'000;

// A pay as the rules read it: one optional sign, decimal digits, at most a million either way.
std::optional<std::int64_t> ModelPay(const std::string& text) {
    static const std::regex shape(R"(^([+-]?)0*([0-9]+)$)");
    std::smatch m;
    if (!std::regex_match(text, m, shape) || m[2].length() > 7)
        return std::nullopt;
    const std::int64_t magnitude = std::stoll(m[2]);
    if (magnitude > kLargestPay)
        return std::nullopt;
    return m[1] == "-" ? -magnitude : magnitude;
}

// Ten comma-separated pays, or nothing.
std::optional<std::vector<std::int64_t>> ModelTable(const std::string& text) {
    std::vector<std::int64_t> pays;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const auto pay = ModelPay(text.substr(start, comma - start));
        if (!pay)
            return std::nullopt;
        pays.push_back(*pay);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (pays.size() != 10)
        return std::nullopt;
    return pays;
}

// A card name: rank A 2..9 T (or 10) J Q K, suit C D H S, either case; as a card code.
std::optional<int> ModelCard(const std::string& text) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "CDHS";
    if (text.size() < 2 || text.size() > 3)
        return std::nullopt;
    const std::string rank = text.substr(0, text.size() - 1);
    const char suit = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const std::size_t r =
        rank == "10" ? 9
                     : (rank.size() == 1 ? ranks.find(static_cast<char>(
                                               std::toupper(static_cast<unsigned char>(rank[0]))))
                                         : std::string::npos);
    const std::size_t s = suits.find(suit);
    if (r == std::string::npos || s == std::string::npos)
        return std::nullopt;
    return static_cast<int>(s * 13 + r + 1);
}

class Generator {
public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }
    bool OneIn(std::size_t n) { return Pick(n) == 0; }

    std::string Card() {
        static const char* const ranks[] = {"A", "2",  "3", "4", "5", "6", "7", "8", "9",
                                            "T", "10", "J", "Q", "K", "t", "a", "k"};
        static const char* const suits[] = {"C", "D", "H", "S", "c", "d", "h", "s"};
        if (OneIn(8))
            return Junk();
        if (OneIn(10)) { // near misses
            static const char* const wrong[] = {"1S", "11H", "AX", "ZS", "A",   "S",  "AS ",
                                                "10", "0S",  "A♠", "ÄS", "AS,", "1OS"};
            return wrong[Pick(std::size(wrong))];
        }
        return std::string(ranks[Pick(std::size(ranks))]) + suits[Pick(std::size(suits))];
    }

    std::string Pay() {
        static const char* const edges[] = {
            "0",
            "1",
            "9",
            "800",
            "999999",
            "1000000",
            "1000001",
            "2147483647",
            "2147483648",
            "4294967296",
            "4294967297",
            "9223372036854775807",
            "9223372036854775808",
            "18446744073709551615",
            "18446744073709551617",
            "100000000000000000000",
        };
        static const char* const signs[] = {"", "", "", "+", "-", "-", "+-", "-+", "++", "--"};
        std::string pay = std::string(signs[Pick(std::size(signs))]) +
                          std::string(OneIn(5) ? Pick(25) : 0, '0') + edges[Pick(std::size(edges))];
        if (OneIn(12))
            pay.insert(Pick(pay.size() + 1), 1, " x.e\t"[Pick(5)]);
        if (OneIn(30))
            pay.clear();
        return pay;
    }

    std::string Table() {
        if (OneIn(10))
            return OneIn(2) ? "game" : "9/6";
        if (OneIn(20))
            return Junk();
        const std::size_t count = OneIn(8) ? Pick(13) : 10;
        std::string table;
        for (std::size_t i = 0; i < count; ++i)
            table += (i ? "," : "") + (OneIn(6) ? Pay() : std::to_string(Pick(1000)));
        return table;
    }

    std::string Junk() {
        switch (Pick(7)) {
        case 0:
            return "";
        case 1:
            return std::string(1000 + Pick(100000), static_cast<char>('A' + Pick(26)));
        case 2:
            return "Ünïcödé ♠♥♦♣ 牌";
        case 3:
            return std::string("A\nS\tK\rH\x1b[31m") + '\0' + "X";
        case 4: {
            std::string bytes(1 + Pick(20), ' ');
            for (char& c : bytes)
                c = static_cast<char>(Pick(256));
            return bytes;
        }
        case 5:
            return "--" + std::string(1 + Pick(30), '-');
        default:
            return "-x";
        }
    }

    std::vector<std::string> Arguments() {
        std::vector<std::string> args;
        if (OneIn(40))
            return args;
        static const char* const commands[] = {"hold",   "hold", "hold",   "return",
                                               "return", "Hold", "holdem", ""};
        args.push_back(OneIn(15) ? Junk() : commands[Pick(std::size(commands))]);
        const std::size_t words = OneIn(25) ? 1000 + Pick(4000) : Pick(9);
        for (std::size_t i = 0; i < words; ++i) {
            switch (Pick(12)) {
            case 0:
                args.push_back("--table");
                if (!OneIn(20))
                    args.push_back(Table());
                break;
            case 1:
                args.push_back("--table=" + Table());
                break;
            case 2:
                args.push_back(OneIn(2) ? "--net" : "--gross");
                break;
            case 3:
                args.push_back(Junk());
                break;
            case 4:
                args.push_back(Card() + (OneIn(2) ? " " : ",") + Card());
                break;
            default:
                args.push_back(Card());
            }
        }
        if (OneIn(200))
            args.push_back("--help");
        return args;
    }

private:
    std::mt19937_64 rng_;
};

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::stoull(value) : fallback;
}

std::string Describe(const std::vector<std::string>& args) {
    std::string text;
    for (const std::string& arg : args)
        text += " [" +
                (arg.size() > 80 ? arg.substr(0, 80) + "...(" + std::to_string(arg.size()) + ")"
                                 : arg) +
                "]";
    return text;
}

} // namespace

TEST(OddsFuzz, PayTablesAreReadExactlyOrRefused) {
    const std::uint64_t seed = FromEnvironment("VANDOLIN_ODDS_FUZZ_SEED", 20261207);
    const std::uint64_t cases = FromEnvironment("VANDOLIN_ODDS_FUZZ_CASES", 3000);
    Generator gen(seed);
    std::uint64_t accepted = 0;
    for (std::uint64_t i = 0; i < cases && !HasFailure(); ++i) {
        const std::string text = gen.Table();
        if (text == "game" || text == "9/6")
            continue;
        const auto expected = ModelTable(text);
        const odds::PayBasis basis = gen.OneIn(2) ? odds::PayBasis::Net : odds::PayBasis::Gross;
        try {
            const odds::PayTable table = odds::cli::parseTable(text, &basis);
            ASSERT_TRUE(expected.has_value())
                << "seed " << seed << ", case " << i << ": '" << text << "' was taken";
            for (std::size_t r = 0; r < 10; ++r)
                ASSERT_EQ(table.pays()[r], (*expected)[r])
                    << "seed " << seed << ", case " << i << ": '" << text << "', pay " << r;
            ++accepted;
        } catch (const UsageError& error) {
            ASSERT_FALSE(expected.has_value()) << "seed " << seed << ", case " << i << ": '" << text
                                               << "' was refused: " << error.what();
        }
    }
    EXPECT_GT(accepted, cases / 10); // both sides well exercised
}

TEST(OddsFuzz, CommandLinesAreTakenOrRefusedWithOneLine) {
    const std::uint64_t seed = FromEnvironment("VANDOLIN_ODDS_FUZZ_SEED", 20261207);
    const std::uint64_t cases = FromEnvironment("VANDOLIN_ODDS_FUZZ_CASES", 3000);
    // Each hold analysis takes a while under the sanitizers; the rest is parsed only.
    constexpr int kHoldsRun = 20;
    Generator gen(seed);
    int holdsRun = 0;
    std::uint64_t refused = 0, holds = 0, returns = 0;
    for (std::uint64_t i = 0; i < cases && !HasFailure(); ++i) {
        const std::vector<std::string> args = gen.Arguments();
        const std::string where =
            "seed " + std::to_string(seed) + ", case " + std::to_string(i) + ":" + Describe(args);
        std::optional<odds::cli::CommandLine> line;
        try {
            line = odds::cli::parseCommandLine(args);
        } catch (const UsageError&) {
        }
        if (line && line->action == odds::cli::Action::Return) {
            ++returns; // computing it takes seconds; that it was read is enough here
            continue;
        }
        if (line && line->action == odds::cli::Action::Hold) {
            // The five cards are the words that read as cards, in order.
            std::vector<int> cards;
            for (std::size_t a = 1; a < args.size(); ++a) {
                if (args[a] == "--table") {
                    ++a;
                    continue;
                }
                if (args[a].starts_with("-"))
                    continue;
                std::string word;
                std::istringstream words(std::regex_replace(args[a], std::regex("[,\t]"), " "));
                while (words >> word) {
                    const auto card = ModelCard(word);
                    ASSERT_TRUE(card.has_value()) << where << ": '" << word << "' read as a card";
                    cards.push_back(*card);
                }
            }
            ASSERT_EQ(cards.size(), 5u) << where;
            for (std::size_t c = 0; c < 5; ++c)
                ASSERT_EQ(static_cast<int>(line->hand[c]), cards[c]) << where;
            ++holds;
            if (holdsRun++ >= kHoldsRun)
                continue;
        }
        std::ostringstream out, err;
        const ExitStatus status = odds::cli::runOddsCommand(args, out, err);
        if (line) {
            ASSERT_EQ(status, ExitStatus::Success) << where << "\n" << err.str();
            continue;
        }
        ++refused;
        ASSERT_EQ(status, ExitStatus::Usage) << where << "\n" << err.str();
        EXPECT_EQ(out.str(), "") << where;
        // "vandolin-odds: <what is wrong>" on one line, then the pointer to --help.
        const std::string message = err.str();
        const std::size_t firstEnd = message.find('\n');
        ASSERT_NE(firstEnd, std::string::npos) << where;
        EXPECT_TRUE(message.starts_with("vandolin-odds: ")) << where << "\n" << message;
        EXPECT_EQ(message.substr(firstEnd + 1), "Try 'vandolin-odds --help'.\n") << where << "\n"
                                                                                 << message;
        EXPECT_EQ(message.find('\r'), std::string::npos) << where;
        EXPECT_LT(firstEnd, 300u) << where << "\n" << message;
    }
    std::printf("%llu refused, %llu holds read (%d run), %llu returns read\n",
                static_cast<unsigned long long>(refused), static_cast<unsigned long long>(holds),
                std::min(holdsRun, kHoldsRun), static_cast<unsigned long long>(returns));
    EXPECT_GT(holds, 0u);
    EXPECT_GT(refused, cases / 2);
}
