#pragma once

#include "engine/game_view.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

// A GameView that writes every call into a log, in order, and also keeps a model of what the
// window would be showing, so a test can ask what the player saw when a box opened.
class RecordingView : public engine::GameView {
public:
    // What the window shows. A slot holds its picture number, or kBack for the deck's back.
    static constexpr int kBack = -1;
    struct Screen {
        int slot[6] = {0, 0, 0, 0, 0, 0};
        int litResult = 0;
        engine::TColor modeColor = 0;
        std::string modeText, status, betBar, scoreBar;
        std::map<engine::Command, bool> enabled;
        engine::ScreenCursor deckCursor = engine::ScreenCursor::HandCursor;
    };
    struct Box {
        std::string text, caption;
        Screen screenWhenOpened;
    };

    // Hands the log over and starts a new one.
    std::vector<std::string> Take();

    Screen screen;
    std::vector<Box> boxes;
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
    void Log(std::string entry) { log_.push_back(std::move(entry)); }
    std::vector<std::string> log_;
};
