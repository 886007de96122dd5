#include "engine/hand_evaluator.h"
#include "game_fixture.h"

using namespace engine;

TEST_F(GameFixture, CreationPutsTheGameInItsInitialState) {
    game.Bet = 7;
    game.Cash = 5;
    game.RoundState = Round::Draw;
    game.DeckPos = 30;
    game.Change = {0, 1, 1, 1, 1, 1};
    game.Hand = {0, 1, 2, 3, 4, 5};
    game.ResetDeck();
    game.FormCreate();

    EXPECT_EQ(view.Take(), kEmptySlots);
    EXPECT_EQ(game.Bet, 1);
    EXPECT_EQ(game.Cash, 100);
    EXPECT_EQ(game.RoundState, Round::Deal);
    EXPECT_EQ(game.DeckPos, 1);
    EXPECT_EQ(game.Change, (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(game.Hand, (std::array<CardCode, 6>{}));
    EXPECT_EQ(game.Deck, (std::array<CardCode, 53>{}));
    EXPECT_EQ(game.PayTable,
              (std::array<std::int32_t, 11>{0, -1, 2, 3, 5, 10, 20, 50, 100, 200, 500}));
}

TEST_F(GameFixture, DealShowsFiveShuffledCardsAndWaitsForTheDraw) {
    EXPECT_EQ(Deal(), (Log{"ShowBack(1)",
                           "ShowBack(2)",
                           "ShowBack(3)",
                           "ShowBack(4)",
                           "ShowBack(5)",
                           "ResetScores",
                           "ShowCard(1,18)",
                           "ShowCard(2,4)",
                           "ShowCard(3,40)",
                           "ShowCard(4,52)",
                           "ShowCard(5,48)",
                           "LightScore(1)",
                           "Disable(Puntata1)",
                           "Disable(Puntata2)",
                           "Disable(Nuovo1)",
                           "Disable(Nuovo2)",
                           "ModeColor(lime)",
                           "ModeText(DRAW)",
                           "Status(Click on the deck to draw)",
                           "DeckCursor(Change)"}));
    EXPECT_EQ(game.RoundState, Round::Draw);
    EXPECT_EQ(game.Hand, (std::array<CardCode, 6>{0, 18, 4, 40, 52, 48}));
    EXPECT_EQ(game.DeckPos, 6);
    EXPECT_EQ(game.Cash, 100); // nothing is staked at the deal
}

TEST(Deal, LightsThePayLineOfTheDealtHandWithoutPayingOrBeeping) {
    // Look for a time of day whose deal is a winner, and check the deal lit that hand's line.
    for (std::uint32_t t = 0; t < 100000; ++t) {
        RecordingView view;
        Game game(view, [t] { return t; });
        game.FormCreate();
        view.Take();
        game.Mazzo1Click();
        const int dealt =
            EvaluateCards({game.Hand[1], game.Hand[2], game.Hand[3], game.Hand[4], game.Hand[5]});
        if (dealt < JacksOrBetter)
            continue;
        const Log calls = view.Take();
        ASSERT_EQ(calls.size(), 20u);
        EXPECT_EQ(calls[11], "LightScore(" + std::to_string(dealt) + ")");
        for (const std::string& call : calls)
            EXPECT_EQ(call.find("Beep"), std::string::npos) << call;
        EXPECT_EQ(game.Cash, 100);
        return;
    }
    FAIL() << "no winning deal found";
}

TEST_F(GameFixture, CardClicksToggleMarksOnlyWhileWaitingForTheDraw) {
    Click(3); // in DEAL the cards do not react
    EXPECT_TRUE(view.Take().empty());
    EXPECT_EQ(game.Change[3], 0);

    Deal();
    Click(3);
    Click(5);
    Click(3);
    EXPECT_EQ(view.Take(), (Log{"ShowBack(3)", "ShowBack(5)", "ShowCard(3,40)"}));
    EXPECT_EQ(game.Change, (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 1}));

    // Only the five card images' exact names are slots.
    for (const char* sender : {"carte1", "Carte6", "Carte0", "", "Mazzo1", "Carte1 ", "Carte"})
        game.CarteClick(sender);
    EXPECT_TRUE(view.Take().empty());
    EXPECT_EQ(game.Change, (std::array<std::uint8_t, 6>{0, 0, 0, 0, 0, 1}));
}

TEST_F(GameFixture, DrawReplacesMarkedCardsInSlotOrderFromPositionSix) {
    const auto draw = [this] {
        game.Mazzo1Click();
        return view.Take();
    };
    // None marked: the dealt hand is settled as it stands.
    Deal();
    EXPECT_EQ(draw(),
              Concat({{"LightScore(1)", "Beep(Exclamation)", "ScoreBar($99)"}, kBackToDeal}));
    EXPECT_EQ(game.Hand, (std::array<CardCode, 6>{0, 18, 4, 40, 52, 48}));

    // Some marked, one of them unmarked again before the draw.
    Deal();
    Click(4);
    Click(1);
    Click(2);
    Click(1);
    view.Take();
    EXPECT_EQ(draw(), Concat({{"ShowCard(2,6)", "ShowCard(4,23)", "LightScore(1)",
                               "Beep(Exclamation)", "ScoreBar($98)"},
                              kBackToDeal}));
    EXPECT_EQ(game.Hand, (std::array<CardCode, 6>{0, 18, 6, 40, 23, 48}));

    // All marked: positions 6..10; a pair of sixes wins nothing.
    Deal();
    for (int slot = 1; slot <= 5; ++slot)
        Click(slot);
    view.Take();
    EXPECT_EQ(draw(),
              Concat({{"ShowCard(1,6)", "ShowCard(2,23)", "ShowCard(3,26)", "ShowCard(4,32)",
                       "ShowCard(5,29)", "LightScore(1)", "Beep(Exclamation)", "ScoreBar($97)"},
                      kBackToDeal}));

    // After every draw the deck is back in order with no marks, ready for the next deal.
    EXPECT_EQ(game.RoundState, Round::Deal);
    for (int i = 1; i <= 52; ++i)
        ASSERT_EQ(game.Deck[i], i);
    EXPECT_EQ(game.Change, (std::array<std::uint8_t, 6>{}));
}

TEST_F(GameFixture, WinningDrawBeepsOkAndLightsItsLine) {
    EXPECT_EQ(PlayFinalHand(kFlushHand), Concat({ShowHand(kFlushHand),
                                                 {"LightScore(6)", "Beep(Ok)", "ScoreBar($120)"},
                                                 kBackToDeal}));
}

TEST_F(GameFixture, NewBackFollowsOnlyTheMarkedCards) {
    game.NClick(); // in DEAL nothing is marked: only the deck (the window's part) changes
    EXPECT_TRUE(view.Take().empty());

    Deal();
    Click(2);
    Click(5);
    view.Take();
    game.NClick();
    EXPECT_EQ(view.Take(), (Log{"ShowBack(2)", "ShowBack(5)"}));
}

TEST_F(GameFixture, MouseMovePromptsForTheNextDeckClick) {
    game.FormMouseMove();
    EXPECT_EQ(view.Take(), (Log{"Status(Click on the deck to deal)"}));
    Deal();
    game.FormMouseMove();
    EXPECT_EQ(view.Take(), (Log{"Status(Click on the deck to draw)"}));
}

TEST_F(GameFixture, ACorruptedDeckNeitherPaysNorCrashes) {
    const Log draw = PlayFinalHand({7, 7, 7, 7, 7});
    EXPECT_EQ(draw, Concat({{"ShowCard(1,7)", "ShowCard(2,7)", "ShowCard(3,7)", "ShowCard(4,7)",
                             "ShowCard(5,7)", "LightScore(0)", "ScoreBar($100)"},
                            kBackToDeal}));
    EXPECT_EQ(game.Cash, 100);

    // A round state that is neither DEAL nor DRAW ignores the deck.
    game.RoundState = static_cast<Round>(7);
    game.Mazzo1Click();
    EXPECT_TRUE(view.Take().empty());
}
