// The round's steps as the game tells them to whoever follows it beside the table: what was
// dealt, what was kept and drawn, when a game starts; told after the table shows the step and
// before any box opens over it.
#include "game_fixture.h"

using namespace engine;

namespace {

class NoticingView : public RecordingView {
public:
    std::vector<RoundNotice> notices;
    std::vector<std::string> order; // "notice" and "box", as they came

    void roundStepped(const RoundNotice& notice) override {
        notices.push_back(notice);
        order.emplace_back("notice");
    }
    void AppMessageBox(const std::string& text, const std::string& caption) override {
        RecordingView::AppMessageBox(text, caption);
        order.emplace_back("box");
    }
};

struct RoundNoticeTest : ::testing::Test {
    NoticingView view;
    Game game{view, [] { return MillisecondsOfDay(12, 34, 56, 789); }};

    std::array<CardCode, 5> hand() const {
        return {game.Hand[1], game.Hand[2], game.Hand[3], game.Hand[4], game.Hand[5]};
    }
    void mark(int slot) { game.CarteClick("Carte" + std::to_string(slot)); }
};

TEST_F(RoundNoticeTest, TellsTheDealTheHoldAndTheDrawnHand) {
    game.FormCreate();
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0].step, RoundStep::NewGame);

    game.Mazzo1Click();
    ASSERT_EQ(view.notices.size(), 2u);
    const std::array<CardCode, 5> dealt = hand();
    EXPECT_EQ(view.notices[1].step, RoundStep::Dealt);
    EXPECT_EQ(view.notices[1].dealt, dealt);
    EXPECT_EQ(view.notices[1].hand, dealt);

    // Marked, unmarked and marked again: only the final marks count.
    mark(2);
    mark(4);
    mark(4);
    mark(5);
    game.Mazzo1Click();
    ASSERT_EQ(view.notices.size(), 3u);
    const RoundNotice& drawn = view.notices[2];
    EXPECT_EQ(drawn.step, RoundStep::Drawn);
    EXPECT_EQ(drawn.dealt, dealt);
    EXPECT_EQ(drawn.hand, hand());
    EXPECT_EQ(drawn.held, 0b01101u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(drawn.hand[i] == dealt[i], (drawn.held >> i & 1u) == 1u) << "slot " << i + 1;

    game.NuovoClick();
    ASSERT_EQ(view.notices.size(), 4u);
    EXPECT_EQ(view.notices[3].step, RoundStep::NewGame);
}

// A draw that ends the game is told before the game-over box opens, so the hand is judged
// (and kept) even if the program ends while the box is up.
TEST_F(RoundNoticeTest, TheLastDrawIsToldBeforeTheGameOverBox) {
    game.FormCreate();
    game.Cash = 1;
    game.Mazzo1Click();
    for (int slot = 1; slot <= 5; ++slot)
        mark(slot);
    for (int i = 0; i < 5; ++i)
        game.Deck[6 + i] = kNothingHand[static_cast<std::size_t>(i)];
    view.order.clear();
    game.Mazzo1Click();
    EXPECT_EQ(view.order, (std::vector<std::string>{"notice", "box"}));
    EXPECT_EQ(view.notices.back().held, 0u);
    EXPECT_EQ(view.notices.back().hand, kNothingHand);
}

} // namespace
