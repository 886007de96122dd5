#pragma once

#include "engine/game.h"
#include "engine/utc_clock.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// A created game whose clock stands at 12:34:56.789 UTC, so the deal gives 18, 4, 40, 52, 48
// and the next five deck positions hold 6, 23, 26, 32, 29.
struct GameFixture : ::testing::Test {
    RecordingView view;
    engine::Game game{view, [] { return engine::MillisecondsOfDay(12, 34, 56, 789); }};

    void SetUp() override {
        game.FormCreate();
        view.Take();
    }

    Log Deal() {
        game.Mazzo1Click();
        return view.Take();
    }

    void Click(int slot) { game.CarteClick("Carte" + std::to_string(slot)); }

    // Deals, then makes the draw replace all five cards by `finalHand`; returns the draw's calls.
    Log PlayFinalHand(const std::array<engine::CardCode, 5>& finalHand) {
        Deal();
        for (int i = 0; i < 5; ++i)
            game.Deck[6 + i] = finalHand[i];
        for (int slot = 1; slot <= 5; ++slot)
            Click(slot);
        view.Take();
        game.Mazzo1Click();
        return view.Take();
    }

    // The draw's calls that show a final hand replacing all five cards.
    static Log ShowHand(const std::array<engine::CardCode, 5>& hand) {
        Log calls;
        for (int i = 0; i < 5; ++i)
            calls.push_back("ShowCard(" + std::to_string(i + 1) + "," + std::to_string(hand[i]) +
                            ")");
        return calls;
    }

    static Log Concat(std::initializer_list<Log> parts) {
        Log all;
        for (const Log& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
};

// Calls that close every draw, once the final hand is settled.
inline const Log kBackToDeal = {"Enable(Puntata1)",
                                "Enable(Puntata2)",
                                "Enable(Nuovo1)",
                                "Enable(Nuovo2)",
                                "ModeColor(yellow)",
                                "ModeText(DEAL)",
                                "Status(Click on the deck to deal)",
                                "DeckCursor(Hand)"};

inline const Log kEmptySlots = {"ShowCard(1,63)", "ShowCard(2,63)", "ShowCard(3,63)",
                                "ShowCard(4,63)", "ShowCard(5,63)"};

// Some final hands, by card code (clubs 1..13, diamonds 14..26, hearts 27..39, spades 40..52).
inline constexpr std::array<engine::CardCode, 5> kNothingHand{2, 17, 31, 45, 10}; // 2 4 5 6 10
inline constexpr std::array<engine::CardCode, 5> kJacksHand{11, 24, 2, 16, 30};   // J J 2 3 4
inline constexpr std::array<engine::CardCode, 5> kFlushHand{14, 16, 19, 22, 26};  // diamonds
inline constexpr std::array<engine::CardCode, 5> kFourHand{7, 20, 33, 46, 1};     // four 7s
inline constexpr std::array<engine::CardCode, 5> kRoyalHand{49, 50, 51, 52, 40};  // spades 10..A
