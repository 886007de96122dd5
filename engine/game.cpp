#include "game.h"

#include "hand_evaluator.h"
#include "parse_integer.h"
#include "pay_table.h"
#include "random_below.h"

#include <utility>

namespace engine {

namespace {

constexpr int kShufflePasses = 10;

const std::string kDealPrompt = "Click on the deck to deal";
const std::string kDrawPrompt = "Click on the deck to draw";
const std::string kBoxCaption = "Vandolin";
const std::string kGameOverText = "G A M E   O V E R ! ! !";
const std::string kWinnerText = "HAVE A WINNER!";

} // namespace

Game::Game(GameView& view, UtcClock clock) : view_(view), clock_(std::move(clock)) {
    if (!clock_)
        clock_ = SystemUtcMilliseconds;
}

// --- deck and generator -------------------------------------------------------------------

DeckOrder OrderedDeck() {
    DeckOrder deck{};
    for (int i = 1; i <= kDeckSize; ++i)
        deck[static_cast<std::size_t>(i)] = i;
    return deck;
}

void ShuffleDeckOrder(DeckOrder& deck, std::uint32_t& randomState) {
    for (int pass = 0; pass < kShufflePasses; ++pass) {
        for (std::size_t p = 1; p <= kDeckSize; ++p) {
            // The partner is drawn from 1..51 only; the last card still moves when p is 52.
            const std::size_t j = engine::RandomBelow(randomState, kDeckSize - 1) + 1;
            std::swap(deck[p], deck[j]);
        }
    }
}

void Game::ResetDeck() {
    Deck = OrderedDeck();
    Change.fill(0);
}

void Game::ShuffleDeck() {
    SeedFromClock();
    Reshuffle();
}

void Game::Reshuffle() {
    ShuffleDeckOrder(Deck, RandomState);
    DeckPos = 1;
}

CardCode Game::NextCard() {
    if (DeckPos < 1 || DeckPos > kDeckSize) // only reachable by setting DeckPos from outside
        DeckPos = 1;
    const CardCode c = Deck[DeckPos];
    ++DeckPos;
    if (DeckPos > kDeckSize)
        DeckPos = 1;
    return c;
}

std::uint32_t Game::RandomBelow(std::uint32_t n) {
    return engine::RandomBelow(RandomState, n);
}

void Game::SeedFromClock() {
    RandomState = clock_();
}

int Game::EvaluateHand() const {
    return EvaluateCards({Hand[1], Hand[2], Hand[3], Hand[4], Hand[5]});
}

Game::HandScore Game::ScoreCurrentHand() const {
    if (ScoreHand)
        return ScoreHand(Hand);
    const int result = EvaluateHand();
    return {result, PayTable[static_cast<std::size_t>(result)]};
}

// --- handlers -----------------------------------------------------------------------------

void Game::FormCreate() {
    Bet = kStartingBet;
    Cash = kStartingCash;
    Change.fill(0);
    Hand.fill(0);
    Deck.fill(0);
    PayTable = kGamePayTable;
    RoundState = Round::Deal;
    ShowEmptySlots();
    DeckPos = 1;
    TellRound(RoundStep::NewGame);
}

void Game::Mazzo1Click() {
    switch (RoundState) {
    case Round::Deal:
        Deal();
        break;
    case Round::Draw:
        Draw();
        break;
    }
}

void Game::Deal() {
    for (int slot = 1; slot <= kHandSize; ++slot)
        view_.ShowBack(slot);
    view_.ResetScores();
    ResetDeck();
    ShuffleDeck();
    if (ArrangeDeck)
        ArrangeDeck(*this);
    for (int slot = 1; slot <= kHandSize; ++slot) {
        Hand[slot] = NextCard();
        view_.ShowCard(slot, Hand[slot]);
    }
    // The dealt hand's pay line lights at once; money moves only at the draw.
    view_.LightScore(ScoreCurrentHand().result);
    SetCommandsEnabled(false);
    SetMode(clLime, "DRAW");
    view_.SetStatusText(kDrawPrompt);
    view_.SetDeckCursor(ScreenCursor::ChangeCursor);
    RoundState = Round::Draw;
    dealt_ = Hand;
    TellRound(RoundStep::Dealt);
}

void Game::Draw() {
    unsigned held = 0;
    for (int slot = 1; slot <= kHandSize; ++slot)
        held |= Change[slot] == 1 ? 0u : 1u << (slot - 1);
    for (int slot = 1; slot <= kHandSize; ++slot) {
        if (Change[slot] == 1) {
            Hand[slot] = NextCard();
            view_.ShowCard(slot, Hand[slot]);
        }
    }
    const HandScore score = ScoreCurrentHand();
    view_.LightScore(score.result);
    if (score.result == Nothing)
        view_.Beep(BeepType::Exclamation);
    else if (score.result >= JacksOrBetter)
        view_.Beep(BeepType::Ok);

    Cash = Settle(Cash, score.multiplier, Bet);
    view_.SetScoreBarText(MoneyText(Cash));

    ResetDeck();
    SetCommandsEnabled(true);
    SetMode(clYellow, "DEAL");
    view_.SetStatusText(kDealPrompt);
    view_.SetDeckCursor(ScreenCursor::HandCursor);
    RoundState = Round::Deal;
    TellRound(RoundStep::Drawn, held);

    // The boxes open over a table that already shows the settled bankroll and the next deal.
    EndOfGameTests();
}

void Game::EndOfGameTests() {
    if (Cash <= 0) {
        view_.AppMessageBox(kGameOverText, kBoxCaption);
        ResetAfterEndOfGame();
    }
    if (Cash > kWinningLine) {
        view_.AppMessageBox(kWinnerText, kBoxCaption);
        ResetAfterEndOfGame();
    }
}

void Game::ResetAfterEndOfGame() {
    Cash = kStartingCash;
    Bet = kStartingBet;
    view_.SetBetBarText(MoneyText(Bet));
    view_.SetScoreBarText(MoneyText(Cash));
    ShowEmptySlots();
}

void Game::CarteClick(std::string_view senderName) {
    int slot = 0;
    for (int i = 1; i <= kHandSize && slot == 0; ++i) {
        if (senderName == SlotNames[i])
            slot = i;
    }
    if (slot == 0 || RoundState != Round::Draw)
        return;

    if (Change[slot] == 0) {
        view_.ShowBack(slot);
        Change[slot] = 1;
    } else if (Change[slot] == 1) {
        view_.ShowCard(slot, Hand[slot]);
        Change[slot] = 0;
    }
}

void Game::NClick() {
    // The window has already put the new back on the deck; marked cards follow it.
    for (int slot = 1; slot <= kHandSize; ++slot) {
        if (Change[slot] == 1)
            view_.ShowBack(slot);
    }
}

void Game::NuovoClick() {
    // The window disables New during a round; refusing it here too keeps a round's stake fixed.
    if (RoundState != Round::Deal)
        return;
    Bet = kStartingBet;
    Cash = kStartingCash;
    view_.SetBetBarText(MoneyText(Bet));
    view_.SetScoreBarText(MoneyText(Cash));
    SetMode(clRed, "&Start");
    ShowEmptySlots();
    DeckPos = 1;
    TellRound(RoundStep::NewGame);
}

void Game::PuntataClick() {
    if (RoundState != Round::Deal) // as for New: the bet of a running round cannot change
        return;
    const PromptAnswer answer = view_.AskText("Change your bet", "max value = 10: ", "1");
    if (!answer.confirmed) // a cancelled prompt keeps the bet the player had
        return;
    // A text that is no number throws out of here, leaving Bet and the panel as they were.
    const std::int32_t entered = ParseInteger(answer.text);
    Bet = AcceptedBet(entered);
    view_.SetBetBarText(MoneyText(Bet));
}

void Game::FormActivate() {
    view_.SetBetBarText(MoneyText(Bet));
    view_.SetScoreBarText(MoneyText(Cash));
}

void Game::FormMouseMove() {
    view_.SetStatusText(RoundState == Round::Deal ? kDealPrompt : kDrawPrompt);
}

// --- helpers ------------------------------------------------------------------------------

void Game::SetCommandsEnabled(bool enabled) {
    for (const Command command :
         {Command::Puntata1, Command::Puntata2, Command::Nuovo1, Command::Nuovo2})
        view_.SetCommandEnabled(command, enabled);
}

void Game::SetMode(TColor color, const std::string& text) {
    view_.SetModeColor(color);
    view_.SetModeText(text);
}

void Game::TellRound(RoundStep step, unsigned held) {
    RoundNotice notice{.step = step, .held = held};
    if (step != RoundStep::NewGame) {
        for (int slot = 1; slot <= kHandSize; ++slot) {
            notice.dealt[static_cast<std::size_t>(slot - 1)] = dealt_[slot];
            notice.hand[static_cast<std::size_t>(slot - 1)] = Hand[slot];
        }
    }
    view_.roundStepped(notice);
}

void Game::ShowEmptySlots() {
    for (int slot = 1; slot <= kHandSize; ++slot)
        view_.ShowCard(slot, kEmptySlotPicture);
}

} // namespace engine
