#pragma once

#include "engine/game_view.h"

#include <deque>
#include <string>
#include <vector>

using Log = std::vector<std::string>;

// A GameView that writes every call into a log, in order, as text such as "ShowCard(1,63)",
// "ModeColor(lime)" or "Box(HAVE A WINNER!|Vandolin)".
class RecordingView : public engine::GameView {
public:
    // Hands the log over and starts a new one.
    Log Take();

    std::deque<engine::PromptAnswer> answers; // what AskText returns, one per call

    void ShowCard(int slot, int picture) override;
    void ShowBack(int slot) override;
    void ResetScores() override;
    void LightScore(int result) override;
    void SetModeColor(engine::TColor color) override;
    void SetModeText(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    void SetCommandEnabled(engine::Command command, bool enabled) override;
    void SetDeckCursor(engine::ScreenCursor cursor) override;
    void SetBetBarText(const std::string& text) override;
    void SetScoreBarText(const std::string& text) override;
    void Beep(engine::BeepType type) override;
    void AppMessageBox(const std::string& text, const std::string& caption) override;
    engine::PromptAnswer AskText(const std::string& caption, const std::string& prompt,
                                 const std::string& preset) override;

private:
    Log log_;
};
