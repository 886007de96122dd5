#include "engine/errors.h"
#include "engine/money.h"
#include "game_fixture.h"

using namespace engine;

TEST_F(GameFixture, SettlementAddsMultiplierTimesBet) {
    PlayFinalHand(kJacksHand);
    EXPECT_EQ(game.Cash, 102);

    game.Bet = 10;
    PlayFinalHand(kRoyalHand);
    EXPECT_EQ(game.Cash, 5102);

    game.Bet = 3;
    PlayFinalHand(kFourHand);
    EXPECT_EQ(game.Cash, 5402);

    PlayFinalHand(kNothingHand);
    EXPECT_EQ(game.Cash, 5399);
}

TEST(Money, ArithmeticWrapsAndTextsAreSignedDecimals) {
    EXPECT_EQ(Settle(INT32_MAX, 2, 1), INT32_MIN + 1);
    EXPECT_EQ(Settle(INT32_MIN, -1, 1), INT32_MAX);
    EXPECT_EQ(Settle(0, 500, INT32_MAX), -500); // 500 * (2^31 - 1) modulo 2^32
    EXPECT_EQ(Settle(100, -1, -5), 105);
    EXPECT_EQ(MoneyText(100), "$100");
    EXPECT_EQ(MoneyText(0), "$0");
    EXPECT_EQ(MoneyText(-5), "$-5");
    EXPECT_EQ(MoneyText(37767), "$37767");
    EXPECT_EQ(MoneyText(INT32_MIN), "$-2147483648");
}

TEST_F(GameFixture, GameOverBoxOpensOverTheSettledTableThenResets) {
    game.Cash = 1;
    // The box comes once the table shows the settled bankroll, DEAL and the enabled commands;
    // the reset follows it and leaves the label and the lit pay line alone.
    EXPECT_EQ(PlayFinalHand(kNothingHand),
              Concat({ShowHand(kNothingHand),
                      {"LightScore(1)", "Beep(Exclamation)", "ScoreBar($0)"},
                      kBackToDeal,
                      {"Box(G A M E   O V E R ! ! !|Vandolin)", "BetBar($1)", "ScoreBar($100)"},
                      kEmptySlots}));
    EXPECT_EQ(game.Cash, 100);
    EXPECT_EQ(game.Bet, 1);
    EXPECT_EQ(game.RoundState, Round::Deal);

    // The next deck click deals as usual.
    Deal();
    EXPECT_EQ(game.RoundState, Round::Draw);
    EXPECT_EQ(game.Hand, (std::array<CardCode, 6>{0, 18, 4, 40, 52, 48}));
}

TEST_F(GameFixture, WinnerBoxWhenTheBankrollPassesTheLine) {
    game.Cash = 32768;
    EXPECT_EQ(PlayFinalHand(kNothingHand), // 32767 is not past the line
              Concat({ShowHand(kNothingHand),
                      {"LightScore(1)", "Beep(Exclamation)", "ScoreBar($32767)"},
                      kBackToDeal}));

    game.Cash = 32700;
    game.Bet = 10;
    EXPECT_EQ(PlayFinalHand(kFlushHand),
              Concat({ShowHand(kFlushHand),
                      {"LightScore(6)", "Beep(Ok)", "ScoreBar($32900)"},
                      kBackToDeal,
                      {"Box(HAVE A WINNER!|Vandolin)", "BetBar($1)", "ScoreBar($100)"},
                      kEmptySlots}));
    EXPECT_EQ(game.Cash, 100);
    EXPECT_EQ(game.Bet, 1);
}

TEST_F(GameFixture, BankrollWrapsPastTheTopIntoGameOver) {
    game.Cash = INT32_MAX - 10;
    game.Bet = 10;
    const Log draw = PlayFinalHand(kJacksHand); // + 20 wraps to a negative bankroll
    ASSERT_EQ(draw.size(), 24u);
    EXPECT_EQ(draw[7], "ScoreBar($-2147483639)");
    EXPECT_EQ(draw[8 + kBackToDeal.size()], "Box(G A M E   O V E R ! ! !|Vandolin)");
    EXPECT_EQ(game.Cash, 100);
}

TEST_F(GameFixture, BetPromptAcceptsOneToTenAndTurnsEverythingElseIntoOne) {
    const struct {
        const char* entered;
        Money bet;
    } cases[] = {{"10", 10},  {"1", 1}, {"7", 7},  {" 5", 5},          {"$A", 10},      {"11", 1},
                 {"1000", 1}, {"0", 1}, {"-5", 1}, {"-2147483648", 1}, {"$FFFFFFFF", 1}};
    for (const auto& c : cases) {
        game.Bet = 4;
        view.answers.push_back({c.entered, true});
        game.PuntataClick();
        EXPECT_EQ(view.Take(), (Log{"AskText(Change your bet|max value = 10: |1)",
                                    "BetBar($" + std::to_string(c.bet) + ")"}))
            << c.entered;
        EXPECT_EQ(game.Bet, c.bet) << c.entered;
    }
}

TEST_F(GameFixture, RefusedBetNeverPaysALosingHand) {
    view.answers.push_back({"-5", true});
    game.PuntataClick();
    PlayFinalHand(kNothingHand);
    EXPECT_EQ(game.Cash, 99);
}

TEST_F(GameFixture, CancelledOrUnreadableBetLeavesTheBetAlone) {
    game.Bet = 6;
    view.answers.push_back({"1", false}); // cancelled: the prompt hands back its preset
    game.PuntataClick();
    EXPECT_EQ(view.Take(), (Log{"AskText(Change your bet|max value = 10: |1)"}));
    EXPECT_EQ(game.Bet, 6);

    for (const char* text : {"abc", "", "1.5", "99999999999"}) {
        view.answers.push_back({text, true});
        EXPECT_THROW(game.PuntataClick(), EConvertError) << text;
        EXPECT_EQ(view.Take(), (Log{"AskText(Change your bet|max value = 10: |1)"}));
        EXPECT_EQ(game.Bet, 6);
    }
}

TEST_F(GameFixture, NewGameRestoresTheBankrollAndKeepsThePayLine) {
    game.Bet = 5;
    PlayFinalHand(kFlushHand);
    ASSERT_EQ(game.Cash, 200);
    game.DeckPos = 12;

    game.NuovoClick();
    EXPECT_EQ(view.Take(),
              Concat({{"BetBar($1)", "ScoreBar($100)", "ModeColor(red)", "ModeText(&Start)"},
                      kEmptySlots}));
    EXPECT_EQ(game.Bet, 1);
    EXPECT_EQ(game.Cash, 100);
    EXPECT_EQ(game.DeckPos, 1);
    EXPECT_EQ(game.RoundState, Round::Deal);
}

TEST_F(GameFixture, BetAndNewAreRefusedDuringARound) {
    Deal();
    game.Bet = 3;
    game.NuovoClick();
    game.PuntataClick(); // no scripted answer: a prompt here would fail the test
    EXPECT_TRUE(view.Take().empty());
    EXPECT_EQ(game.Bet, 3);
    EXPECT_EQ(game.Cash, 100);
}

TEST_F(GameFixture, ActivationRefreshesBothMoneyPanels) {
    game.Bet = -3; // whatever the state holds is shown as it is
    game.Cash = 4567;
    game.FormActivate();
    EXPECT_EQ(view.Take(), (Log{"BetBar($-3)", "ScoreBar($4567)"}));
}
