#include "recording_view.h"

#include <gtest/gtest.h>

using engine::Command;
using engine::TColor;

namespace {

std::string ColorName(TColor color) {
    switch (color) {
    case engine::clLime:
        return "lime";
    case engine::clYellow:
        return "yellow";
    case engine::clRed:
        return "red";
    default:
        return std::to_string(color);
    }
}

std::string CommandName(Command command) {
    switch (command) {
    case Command::Puntata1:
        return "Puntata1";
    case Command::Puntata2:
        return "Puntata2";
    case Command::Nuovo1:
        return "Nuovo1";
    case Command::Nuovo2:
        return "Nuovo2";
    }
    return "?";
}

bool IsSlot(int slot) {
    return slot >= 1 && slot <= 5;
}

} // namespace

std::vector<std::string> RecordingView::Take() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

void RecordingView::ShowCard(int slot, int picture) {
    Log("ShowCard(" + std::to_string(slot) + "," + std::to_string(picture) + ")");
    if (IsSlot(slot))
        screen.slot[slot] = picture;
}

void RecordingView::ShowBack(int slot) {
    Log("ShowBack(" + std::to_string(slot) + ")");
    if (IsSlot(slot))
        screen.slot[slot] = kBack;
}

void RecordingView::ResetScores() {
    Log("ResetScores");
    screen.litResult = 0;
}

void RecordingView::LightScore(int result) {
    Log("LightScore(" + std::to_string(result) + ")");
    screen.litResult = result >= 2 && result <= 10 ? result : 0;
}

void RecordingView::SetModeColor(TColor color) {
    Log("ModeColor(" + ColorName(color) + ")");
    screen.modeColor = color;
}

void RecordingView::SetModeText(const std::string& text) {
    Log("ModeText(" + text + ")");
    screen.modeText = text;
}

void RecordingView::SetStatusText(const std::string& text) {
    Log("Status(" + text + ")");
    screen.status = text;
}

void RecordingView::SetCommandEnabled(Command command, bool enabled) {
    Log((enabled ? "Enable(" : "Disable(") + CommandName(command) + ")");
    screen.enabled[command] = enabled;
}

void RecordingView::SetDeckCursor(engine::ScreenCursor cursor) {
    Log(cursor == engine::ScreenCursor::HandCursor ? "DeckCursor(Hand)" : "DeckCursor(Change)");
    screen.deckCursor = cursor;
}

void RecordingView::SetBetBarText(const std::string& text) {
    Log("BetBar(" + text + ")");
    screen.betBar = text;
}

void RecordingView::SetScoreBarText(const std::string& text) {
    Log("ScoreBar(" + text + ")");
    screen.scoreBar = text;
}

void RecordingView::Beep(engine::BeepType type) {
    Log(type == engine::BeepType::Ok ? "Beep(Ok)" : "Beep(Exclamation)");
}

void RecordingView::AppMessageBox(const std::string& text, const std::string& caption) {
    Log("Box(" + text + "|" + caption + ")");
    boxes.push_back({text, caption, screen});
}

engine::PromptAnswer RecordingView::AskText(const std::string& caption, const std::string& prompt,
                                            const std::string& preset) {
    Log("AskText(" + caption + "|" + prompt + "|" + preset + ")");
    if (answers.empty()) {
        ADD_FAILURE() << "AskText called with no scripted answer";
        return {preset, false};
    }
    engine::PromptAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}
