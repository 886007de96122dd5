#pragma once

#include "card.h"
#include "color.h"

#include <array>
#include <string>

namespace engine {

// The menu commands that the round controller enables and disables together.
enum class Command { Puntata1, Puntata2, Nuovo1, Nuovo2 };

// Screen cursor ids, registered by the window at start-up.
enum class ScreenCursor : int { HandCursor = 1, ChangeCursor = 2 };

// Sound types of the typed system beep.
enum class BeepType : unsigned { Ok = 0x00, Exclamation = 0x30 };

// What the text prompt answered; on cancel the text is the preset.
struct PromptAnswer {
    std::string text;
    bool confirmed = false;
};

// A step of the round, told once it has happened: a hand dealt, a hand drawn, a new game.
enum class RoundStep : std::uint8_t { NewGame, Dealt, Drawn };

struct RoundNotice {
    RoundStep step = RoundStep::NewGame;
    std::array<CardCode, kHandSize> dealt{}; // slots 1..5 as dealt; zeros for a new game
    std::array<CardCode, kHandSize> hand{};  // slots 1..5 now: after a draw, the final hand
    unsigned held = 0;                       // after a draw, bit i set if slot i + 1 was kept
};

// Everything the round controller asks of the window. The window implements it;
// tests implement it with a recorder that checks the calls and their order.
class GameView {
public:
    virtual ~GameView() = default;

    // Card slots 1..5 and the pay table.
    virtual void ShowCard(int slot, int picture) = 0;
    virtual void ShowBack(int slot) = 0;
    virtual void ResetScores() = 0;
    virtual void LightScore(int result) = 0;

    // Texts, colours, commands and cursors.
    virtual void SetModeColor(TColor color) = 0;
    virtual void SetModeText(const std::string& text) = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetCommandEnabled(Command command, bool enabled) = 0;
    virtual void SetDeckCursor(ScreenCursor cursor) = 0;
    virtual void SetBetBarText(const std::string& text) = 0;
    virtual void SetScoreBarText(const std::string& text) = 0;

    // Sound and modal boxes.
    virtual void Beep(BeepType type) = 0;
    // A modal box with the given text and caption, OK button alone, no icon.
    virtual void AppMessageBox(const std::string& text, const std::string& caption) = 0;
    virtual PromptAnswer AskText(const std::string& caption, const std::string& prompt,
                                 const std::string& preset) = 0;

    // Where the round is, for whoever follows it beside the table (the trainer). The table
    // itself shows all of it through the operations above and ignores this.
    virtual void roundStepped(const RoundNotice& notice) { static_cast<void>(notice); }
};

} // namespace engine
