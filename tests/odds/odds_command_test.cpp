#include "odds/cli/command_line.h"
#include "odds/cli/odds_command.h"
#include "odds/cli/progress_meter.h"
#include "odds/cli/usage_error.h"
#include "resources/version.h"

#include <gtest/gtest.h>

#include <sstream>

using odds::cli::Action;
using odds::cli::ExitStatus;
using odds::cli::parseCommandLine;
using odds::cli::UsageError;

namespace {

struct Outcome {
    ExitStatus status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const ExitStatus status = odds::cli::runOddsCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// The message a rejected command line gives, or "" when it is accepted.
std::string rejection(const std::vector<std::string>& args) {
    try {
        parseCommandLine(args);
    } catch (const UsageError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(CommandLine, ReadsHandsAndTables) {
    auto line = parseCommandLine({"hold", "as", "Ks", "QS", "10s", "2d"});
    EXPECT_EQ(line.action, Action::Hold);
    EXPECT_EQ(line.hand, (odds::Hand{40, 52, 51, 49, 15}));
    EXPECT_EQ(line.table.name(), "game");

    line = parseCommandLine({"hold", "AS KS,QS", "--table", "9/6", "JS", "2D"});
    EXPECT_EQ(line.table.name(), "9/6");
    EXPECT_EQ(line.hand[4], 15);

    line = parseCommandLine({"return", "--table=0,1,2,3,4,6,9,25,50,+800", "--gross"});
    EXPECT_EQ(line.action, Action::Return);
    EXPECT_EQ(line.table.basis(), odds::PayBasis::Gross);
    EXPECT_EQ(line.table.pays(), odds::PayTable::jacksOrBetter96().pays());

    line = parseCommandLine({"return", "--net", "--table", "-1,2,3,5,10,20,50,100,200,-1000000"});
    EXPECT_EQ(line.table.basis(), odds::PayBasis::Net);
    EXPECT_EQ(line.table.pay(odds::HandResult::RoyalFlush), -1'000'000);

    EXPECT_EQ(parseCommandLine({"hold", "AS", "--help"}).action, Action::Help);
    EXPECT_EQ(parseCommandLine({"-h"}).action, Action::Help);
}

TEST(CommandLine, RejectsMalformedInputWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{}, "hold or return"},
        {{"holdem"}, "unknown command 'holdem'"},
        {{"hold", "AS", "KS", "QS", "JS"}, "4 were given"},
        {{"hold", "AS", "KS", "QS", "JS", "TS", "9S"}, "6 were given"},
        {{"hold", "AS", "KS", "QS", "JS", "as"}, "AS is given twice"},
        {{"hold", "AS", "KS", "QS", "JS", "1S"}, "'1S' is not a card"},
        {{"hold", "AS", "KS", "QS", "JS", "2D", "-v"}, "unknown option '-v'"},
        {{"return", "AS"}, "no cards"},
        {{"return", "--table"}, "--table needs a table"},
        {{"return", "--table", "8/5"}, "neither"},
        {{"return", "--table", "game", "--table", "9/6"}, "twice"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9"}, "neither"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,x", "--net"}, "'x' is not a whole number"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,", "--net"}, "'' is not a whole number"},
        {{"return", "--table", "+-1,1,2,3,4,6,9,25,50,800", "--gross"}, "'+-1' is not a whole"},
        {{"return", "--table", "-+1,1,2,3,4,6,9,25,50,800", "--gross"}, "'-+1' is not a whole"},
        {{"return", "--table", "++1,1,2,3,4,6,9,25,50,800", "--gross"}, "'++1' is not a whole"},
        {{"return", "--table", "--1,1,2,3,4,6,9,25,50,800", "--gross"}, "'--1' is not a whole"},
        {{"return", "--table", "+,1,2,3,4,6,9,25,50,800", "--gross"}, "'+' is not a whole"},
        {{"return", "--table", "-,1,2,3,4,6,9,25,50,800", "--gross"}, "'-' is not a whole"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,1000001", "--net"}, "out of range"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,99999999999999999999", "--net"}, "out of range"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,10"}, "--net"},
        {{"return", "--table", "9/6", "--gross"}, "has its own"},
        {{"return", "--gross"}, "only with a table"},
        {{"return", "--table", "1,2,3,4,5,6,7,8,9,10", "--net", "--gross"}, "exclude"},
    };
    for (const auto& c : cases) {
        const std::string message = rejection(c.args);
        EXPECT_NE(message.find(c.says), std::string::npos)
            << "got '" << message << "', wanted '" << c.says << "'";
    }
}

TEST(OddsCommand, ExitsWithTwoAndAMessageForBadInput) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {"hold", "AS", "AS", "QS", "JS", "2D"},
                                                 {"hold", "XX", "KS", "QS", "JS", "2D"},
                                                 {"return", "--table", "nonsense"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, ExitStatus::Usage);
        EXPECT_TRUE(r.out.empty());
        EXPECT_TRUE(r.err.starts_with("vandolin-odds: ")) << r.err;
        EXPECT_NE(r.err.find("--help"), std::string::npos);
    }
}

TEST(OddsCommand, HelpExplainsBothCommands) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, ExitStatus::Success);
    EXPECT_EQ(r.out, odds::cli::helpText());
    for (const char* word : {"hold", "return", "--table", "--net", "--gross", "9/6", "game"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST(OddsCommand, VersionAnswersAloneWhereverItStands) {
    const std::string expected = std::string("vandolin-odds ") + resources::kVersion + "\n";
    // Standing after a command, it still answers without computing anything.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--version"}, {"return", "--version"}, {"hold", "--version"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, ExitStatus::Success);
        EXPECT_EQ(r.out, expected);
        EXPECT_TRUE(r.err.empty()) << r.err;
    }
}

TEST(OddsCommand, HoldListsAllHoldsBestFirst) {
    const Outcome r = run({"hold", "--table", "9/6", "AS", "KS", "QS", "JS", "2D"});
    ASSERT_EQ(r.status, ExitStatus::Success) << r.err;
    const std::size_t first = r.out.find("\n   1  AS KS QS JS --");
    EXPECT_NE(first, std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n  32  "), std::string::npos);
    EXPECT_EQ(r.out.find("\n  33  "), std::string::npos);
    // Four to the royal: 800 + 8 flushes * 6 + 3 straights * 4 + 12 high pairs, over 47.
    EXPECT_NE(r.out.find("872/47"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Best hold: AS KS QS JS --, drawing 1 card"), std::string::npos);
    EXPECT_NE(r.out.find("royal flush               1  0.021277"), std::string::npos) << r.out;
}

TEST(OddsCommand, ReturnPrintsTheExactFractionAndEveryResult) {
    const Outcome r = run({"return", "--table", "9/6"});
    ASSERT_EQ(r.status, ExitStatus::Success) << r.err;
    EXPECT_NE(r.out.find("1653526326983/1661102543100 = 0.995439043695"), std::string::npos)
        << r.out;
    for (int i = 0; i < odds::kResultCount; ++i)
        EXPECT_NE(r.out.find(std::string(odds::resultName(odds::resultAt(i)))), std::string::npos);
    EXPECT_NE(r.out.find("19933230517200"), std::string::npos);
}

TEST(ProgressMeter, StaysQuietForTheFirstSecond) {
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point now{};
    std::ostringstream out;
    odds::cli::ProgressMeter meter(out, "Working", [&] { return now; });
    now += 900ms;
    meter.update(0.5);
    meter.finish();
    EXPECT_EQ(out.str(), "");

    odds::cli::ProgressMeter slow(out, "Working", [&] { return now; });
    slow.update(0.1);
    now += 1500ms;
    slow.update(0.25);
    slow.update(0.252); // same percentage: no new output
    slow.update(0.75);
    slow.finish();
    EXPECT_EQ(out.str(), "\rWorking: 25%\rWorking: 75%\rWorking: 100%\n");
}

TEST(CommandLine, ReadsGamesTheirPaysAndTheChartFormat) {
    auto line = parseCommandLine({"return", "--game", "ddb-9/6"});
    ASSERT_TRUE(line.game.has_value());
    EXPECT_EQ(line.game->name(), "ddb-9/6");
    EXPECT_EQ(line.game->classCount(), 14);

    line = parseCommandLine({"hold", "--game=ddb-9/6", "--table",
                             "0,1,1,3,4,5,8,50,80,160,160,400,50,800", "--gross", "AS", "AD", "AC",
                             "AH", "2C"});
    ASSERT_TRUE(line.game.has_value());
    EXPECT_EQ(line.game->pays()[6], 8);
    EXPECT_EQ(line.game->basis(), odds::PayBasis::Gross);

    // Without --game, hold and return keep the ten-class reports; chart always has a game.
    EXPECT_FALSE(parseCommandLine({"return", "--table", "9/6"}).game.has_value());
    line = parseCommandLine({"chart", "--table", "9/6", "--format=markdown"});
    EXPECT_EQ(line.action, Action::Chart);
    ASSERT_TRUE(line.game.has_value());
    EXPECT_EQ(line.game->pays(), (std::vector<std::int64_t>{0, 1, 2, 3, 4, 6, 9, 25, 50, 800}));
    EXPECT_EQ(line.format, odds::cli::ChartFormat::Markdown);
    EXPECT_EQ(parseCommandLine({"chart"}).game->name(), "game");
    EXPECT_EQ(parseCommandLine({"games"}).action, Action::Games);
}

TEST(CommandLine, RejectsBadGamesAndPaysWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"return", "--game", "keno"}, "unknown game 'keno'; the games are game, jacks-9/6"},
        {{"return", "--game"}, "--game needs a name"},
        {{"return", "--game", "ddb-9/6", "--game", "ddb-9/6"}, "--game is given twice"},
        {{"return", "--game", "ddb-9/6", "--table", "9/6"}, "not the 14 comma-separated pays"},
        {{"return", "--game", "deuces-wild", "--table", "0,1,2,2,3,5,9,15,25,200", "--gross"},
         "not the 11 comma-separated pays"},
        {{"return", "--game", "deuces-wild", "--table", "0,1,2,2,3,5,9,15,25,200,800"}, "--net"},
        {{"return", "--game", "deuces-wild", "--table", "0,1,2,2,3,5,9,15,25,200,1000001",
          "--gross"},
         "out of range"},
        {{"return", "--game", "deuces-wild", "--table",
          "0,1,2,2,3,5,9,15,25,200,99999999999999999999", "--gross"},
         "out of range"},
        {{"return", "--game", "deuces-wild", "--table", "0,1,2,2,3,5,9,15,x,200,800", "--gross"},
         "'x' is not a whole number"},
        {{"return", "--game", "deuces-wild", "--gross"}, "only with a table"},
        {{"chart", "--format=html"}, "neither text nor markdown"},
        {{"return", "--format=markdown"}, "--format goes only with chart"},
        {{"chart", "--format=text", "--format=text"}, "--format is given twice"},
        {{"chart", "AS"}, "chart takes no cards"},
        {{"games", "--game", "ddb-9/6"}, "games takes no table"},
        {{"poker"}, "the commands are hold, return, games and chart"},
    };
    for (const auto& c : cases) {
        const std::string message = rejection(c.args);
        EXPECT_NE(message.find(c.says), std::string::npos)
            << "got '" << message << "', wanted '" << c.says << "'";
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    const Outcome r = run({"hold", "--game", "deuces-wild", "2S", "2H", "5C", "7D", "2s"});
    EXPECT_EQ(r.status, ExitStatus::Usage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("2S is given twice"), std::string::npos) << r.err;
}

TEST(OddsCommand, GamesListsEveryGameWithItsPays) {
    const Outcome r = run({"games"});
    ASSERT_EQ(r.status, ExitStatus::Success) << r.err;
    for (const odds::Game& game : odds::builtInGames()) {
        EXPECT_NE(r.out.find(game.name() + ": " + game.title()), std::string::npos) << game.name();
        for (int c = 0; c < game.classCount(); ++c)
            EXPECT_NE(r.out.find(game.className(c)), std::string::npos) << game.className(c);
    }
    EXPECT_NE(r.out.find("four aces with a 2-4        400"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("natural royal flush      800"), std::string::npos) << r.out;
}

TEST(OddsCommand, GameHoldsAndReturnsSpeakTheGamesClasses) {
    Outcome r = run({"hold", "--game", "deuces-wild", "2S", "2H", "5C", "7D", "9S"});
    ASSERT_EQ(r.status, ExitStatus::Success) << r.err;
    EXPECT_NE(r.out.find("Best hold: 2S 2H -- -- --, drawing 3 cards"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("four deuces"), std::string::npos);
    EXPECT_NE(r.out.find("Deuces Wild, full pay (deuces-wild), gross"), std::string::npos);

    r = run({"return", "--game", "bonus-8/5"});
    ASSERT_EQ(r.status, ExitStatus::Success) << r.err;
    EXPECT_NE(r.out.find("1647248502503/1661102543100 = 0.991659731872"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("four aces"), std::string::npos);
    EXPECT_NE(r.out.find("19933230517200"), std::string::npos);
}
