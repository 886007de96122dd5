#pragma once

#include <string>
#include <vector>

namespace ui {

// What the program's arguments ask for. The toolkit's own options (-style, -display,
// --platform=..., ...) are let through for QApplication to take; ours are --trainer, --help
// and --version. Answered before any toolkit start-up, so that --help works without a display.
struct CommandLine {
    enum class Action { Play, Help, Version, Refuse };
    Action action = Action::Play;
    bool trainer = false;
    // The analyser's game the trainer plays (--game NAME); empty, the one last chosen.
    std::string game;
    // For Help and Version, what goes to standard output; for Refuse, to standard error.
    std::string text;
};

inline constexpr int kUsageExitCode = 2;

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();
std::string VersionText();

} // namespace ui
