#include "recording_view.h"

#include <gtest/gtest.h>

using engine::TColor;

Log RecordingView::Take() {
    return std::exchange(log_, {});
}

void RecordingView::ShowCard(int slot, int picture) {
    log_.push_back("ShowCard(" + std::to_string(slot) + "," + std::to_string(picture) + ")");
}

void RecordingView::ShowBack(int slot) {
    log_.push_back("ShowBack(" + std::to_string(slot) + ")");
}

void RecordingView::ResetScores() {
    log_.push_back("ResetScores");
}

void RecordingView::LightScore(int result) {
    log_.push_back("LightScore(" + std::to_string(result) + ")");
}

void RecordingView::SetModeColor(TColor color) {
    const std::string name = color == engine::clLime     ? "lime"
                             : color == engine::clYellow ? "yellow"
                             : color == engine::clRed    ? "red"
                                                         : std::to_string(color);
    log_.push_back("ModeColor(" + name + ")");
}

void RecordingView::SetModeText(const std::string& text) {
    log_.push_back("ModeText(" + text + ")");
}

void RecordingView::SetStatusText(const std::string& text) {
    log_.push_back("Status(" + text + ")");
}

void RecordingView::SetCommandEnabled(engine::Command command, bool enabled) {
    static const char* const names[] = {"Puntata1", "Puntata2", "Nuovo1", "Nuovo2"};
    log_.push_back(std::string(enabled ? "Enable(" : "Disable(") +
                   names[static_cast<int>(command)] + ")");
}

void RecordingView::SetDeckCursor(engine::ScreenCursor cursor) {
    log_.push_back(cursor == engine::ScreenCursor::HandCursor ? "DeckCursor(Hand)"
                                                              : "DeckCursor(Change)");
}

void RecordingView::SetBetBarText(const std::string& text) {
    log_.push_back("BetBar(" + text + ")");
}

void RecordingView::SetScoreBarText(const std::string& text) {
    log_.push_back("ScoreBar(" + text + ")");
}

void RecordingView::Beep(engine::BeepType type) {
    log_.push_back(type == engine::BeepType::Ok ? "Beep(Ok)" : "Beep(Exclamation)");
}

void RecordingView::AppMessageBox(const std::string& text, const std::string& caption) {
    log_.push_back("Box(" + text + "|" + caption + ")");
}

engine::PromptAnswer RecordingView::AskText(const std::string& caption, const std::string& prompt,
                                            const std::string& preset) {
    log_.push_back("AskText(" + caption + "|" + prompt + "|" + preset + ")");
    if (answers.empty()) {
        ADD_FAILURE() << "AskText called with no scripted answer";
        return {preset, false};
    }
    engine::PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}
