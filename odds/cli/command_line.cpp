#include "odds/cli/command_line.h"

#include "odds/card_text.h"
#include "odds/cli/usage_error.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace odds::cli {

namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(separators, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// An argument as a message shows it: quoted, with control characters escaped so that the
// message stays on one line, and cut short (at a character's start) when it is long.
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::size_t shown = std::min(text.size(), kShown);
    while (shown < text.size() && shown > 0 &&
           (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80)
        --shown; // not inside a multi-byte character
    std::string result = "'";
    for (const char c : text.substr(0, shown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char hex[] = "0123456789ABCDEF";
            result += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
        } else {
            result += c;
        }
    }
    return result + (shown < text.size() ? "'..." : "'");
}

std::int64_t parsePay(std::string_view text) {
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // One optional sign. from_chars reads a '-' of its own, so after a '+' it must not find one.
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error == std::errc::invalid_argument || end != last || first == last ||
        (plus && *first == '-'))
        throw UsageError("pay " + quoted(text) + " is not a whole number");
    if (error == std::errc::result_out_of_range || value > PayTable::kMaxPay ||
        value < -PayTable::kMaxPay)
        throw UsageError("pay " + quoted(text) + " is out of range (at most " +
                         std::to_string(PayTable::kMaxPay) + " either way)");
    return value;
}

} // namespace

PayTable parseTable(std::string_view text, const PayBasis* listBasis) {
    if (text == "game" || text == "9/6") {
        if (listBasis)
            throw UsageError("--net and --gross go only with a table given as ten pays; " +
                             quoted(text) + " has its own");
        return text == "game" ? PayTable::game() : PayTable::jacksOrBetter96();
    }
    const auto parts = split(text, ",");
    if (parts.size() != kResultCount)
        throw UsageError("table " + quoted(text) +
                         " is neither 'game', '9/6' nor ten comma-separated pays");
    PerResult<std::int64_t> pays{};
    for (std::size_t i = 0; i < parts.size(); ++i)
        pays[i] = parsePay(parts[i]);
    if (!listBasis)
        throw UsageError("say whether the ten pays are net (--net: the win on top of the "
                         "stake, a loss is -1) or gross (--gross: stake included)");
    auto table = PayTable::make("custom", *listBasis, pays);
    if (!table)
        throw UsageError("table " + quoted(text) + " has a pay out of range");
    return *table;
}

namespace {

std::string gameNames() {
    std::string names;
    for (const Game& game : builtInGames())
        names += (names.empty() ? "" : ", ") + game.name();
    return names;
}

} // namespace

Game parseGame(std::string_view name, const std::optional<std::string>& pays,
               const PayBasis* listBasis) {
    const Game* found = findGame(name);
    if (!found)
        throw UsageError("unknown game " + quoted(name) + "; the games are " + gameNames());
    if (!pays) {
        if (listBasis)
            throw UsageError("--net and --gross go only with a table given as pays");
        return *found;
    }
    const auto parts = split(*pays, ",");
    if (static_cast<int>(parts.size()) != found->classCount())
        throw UsageError("table " + quoted(*pays) + " is not the " +
                         std::to_string(found->classCount()) + " comma-separated pays game " +
                         found->name() + " takes");
    std::vector<std::int64_t> values;
    for (std::string_view part : parts)
        values.push_back(parsePay(part));
    if (!listBasis)
        throw UsageError("say whether the pays are net (--net: the win on top of the "
                         "stake, a loss is -1) or gross (--gross: stake included)");
    auto game = found->withPays(*listBasis, values);
    if (!game)
        throw UsageError("table " + quoted(*pays) + " has a pay out of range");
    return *game;
}

Hand parseHand(const std::vector<std::string>& words) {
    std::vector<CardCode> cards;
    for (const std::string& word : words)
        for (std::string_view name : split(word, " ,\t")) {
            if (name.empty())
                continue;
            const auto card = parseCard(name);
            if (!card)
                throw UsageError(quoted(name) + " is not a card: a rank A 2-9 T J Q K, then a "
                                                "suit C D H S, as in AS or 7h");
            for (CardCode earlier : cards)
                if (earlier == *card)
                    throw UsageError(cardName(*card) + " is given twice");
            cards.push_back(*card);
        }
    if (cards.size() != kHandSize)
        throw UsageError("a hand is five cards; " + std::to_string(cards.size()) +
                         (cards.size() == 1 ? " was" : " were") + " given");
    Hand hand{};
    std::copy(cards.begin(), cards.end(), hand.begin());
    return hand;
}

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty())
        throw UsageError("say what to compute: games, chart, hold or return");
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h" || arg == "help")
            return line;

    const std::string& command = args.front();
    if (command == "hold")
        line.action = Action::Hold;
    else if (command == "return")
        line.action = Action::Return;
    else if (command == "games")
        line.action = Action::Games;
    else if (command == "chart")
        line.action = Action::Chart;
    else
        throw UsageError("unknown command " + quoted(command) +
                         "; the commands are hold, return, games and chart");

    std::optional<std::string> tableText;
    std::optional<std::string> gameName;
    std::optional<std::string> formatName;
    std::optional<PayBasis> basis;
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--table" || arg.starts_with("--table=")) {
            if (tableText)
                throw UsageError("--table is given twice");
            if (arg == "--table") {
                if (i + 1 >= args.size())
                    throw UsageError("--table needs a table: game, 9/6 or ten pays");
                tableText = args[++i];
            } else {
                tableText = arg.substr(std::string_view("--table=").size());
            }
        } else if (arg == "--game" || arg.starts_with("--game=")) {
            if (gameName)
                throw UsageError("--game is given twice");
            if (arg == "--game") {
                if (i + 1 >= args.size())
                    throw UsageError("--game needs a name: " + gameNames());
                gameName = args[++i];
            } else {
                gameName = arg.substr(std::string_view("--game=").size());
            }
        } else if (arg.starts_with("--format=")) {
            if (formatName)
                throw UsageError("--format is given twice");
            formatName = arg.substr(std::string_view("--format=").size());
        } else if (arg == "--net" || arg == "--gross") {
            const PayBasis given = arg == "--net" ? PayBasis::Net : PayBasis::Gross;
            if (basis && *basis != given)
                throw UsageError("--net and --gross exclude each other");
            basis = given;
        } else if (arg.starts_with("-")) {
            throw UsageError("unknown option " + quoted(arg));
        } else {
            positional.push_back(arg);
        }
    }
    if (formatName) {
        if (line.action != Action::Chart)
            throw UsageError("--format goes only with chart");
        if (*formatName == "markdown")
            line.format = ChartFormat::Markdown;
        else if (*formatName != "text")
            throw UsageError("format " + quoted(*formatName) + " is neither text nor markdown");
    }
    if (line.action == Action::Games) {
        if (tableText || gameName || basis || !positional.empty())
            throw UsageError("games takes no table, game or other words");
        return line;
    }
    if (gameName) {
        line.game = parseGame(*gameName, tableText, basis ? &*basis : nullptr);
    } else if (tableText) {
        line.table = parseTable(*tableText, basis ? &*basis : nullptr);
    } else if (basis) {
        throw UsageError("--net and --gross go only with a table given as ten pays");
    }
    if (line.action == Action::Chart && !line.game)
        line.game = Game::fromTable(line.table);

    if (line.action == Action::Hold)
        line.hand = parseHand(positional);
    else if (!positional.empty())
        throw UsageError(std::string(line.action == Action::Return ? "return" : "chart") +
                         " takes no cards or other words: " + quoted(positional.front()));
    return line;
}

} // namespace odds::cli
