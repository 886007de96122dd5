#include "ui/app/command_line.h"

#include "odds/game.h"
#include "resources/version.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace ui {

namespace {

// QApplication's options that take a value in the next argument (or after '=').
constexpr std::array<std::string_view, 17> kToolkitValueOptions{"platform",
                                                                "platformpluginpath",
                                                                "platformtheme",
                                                                "plugin",
                                                                "qmljsdebugger",
                                                                "style",
                                                                "stylesheet",
                                                                "display",
                                                                "geometry",
                                                                "title",
                                                                "name",
                                                                "session",
                                                                "qwindowgeometry",
                                                                "qwindowicon",
                                                                "qwindowtitle",
                                                                "visual",
                                                                "ncols"};
// And those that stand alone.
constexpr std::array<std::string_view, 7> kToolkitFlags{
    "reverse", "widgetcount", "nograb", "dograb", "sync", "cmap", "testability"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

CommandLine refused(std::string why) {
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = "vandolin: " + why + "\n" + UsageText();
    return line;
}

std::string gameNames() {
    std::string names;
    for (const odds::Game& game : odds::builtInGames())
        names += (names.empty() ? "" : ", ") + game.name();
    return names;
}

} // namespace

std::string UsageText() {
    return "Usage: vandolin [--trainer [--game NAME]] [--help] [--version]\n";
}

std::string VersionText() {
    return std::string("vandolin ") + resources::kVersion + "\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--trainer") {
            line.trainer = true;
            continue;
        }
        if (argument == "--game" || argument.starts_with("--game=")) {
            std::string_view name = argument.substr(std::string_view("--game").size());
            if (name.empty()) {
                if (i + 1 == arguments.size())
                    return refused("--game needs the name of a game: " + gameNames());
                name = arguments[++i];
            } else {
                name.remove_prefix(1); // the '='
            }
            if (!odds::findGame(name))
                return refused("no game is called '" + std::string(name) +
                               "'; the games are: " + gameNames());
            line.game = name;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
            line.text = UsageText() +
                        "Jacks-or-better video poker on a green table.\n\n"
                        "  --trainer   play with exact strategy advice below the table\n"
                        "  --game NAME the trainer's game: " +
                        gameNames() +
                        "\n"
                        "  --help      show this help and exit\n"
                        "  --version   show the version and exit\n\n"
                        "The toolkit's own options (-style, -display, -platform, ...) are "
                        "accepted too.\n";
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Action::Version;
            line.text = VersionText();
            return line;
        }
        // The toolkit accepts its options with one dash or two.
        std::string_view name = argument;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        const auto equals = name.find('=');
        const std::string_view bare = name.substr(0, equals);
        if (name != argument && !bare.empty()) {
            if (contains(kToolkitValueOptions, bare)) {
                if (equals == std::string_view::npos)
                    ++i; // its value follows
                continue;
            }
            if (equals == std::string_view::npos && contains(kToolkitFlags, bare))
                continue;
        }
        return refused("unrecognised argument '" + std::string(argument) + "'");
    }
    // The plain table plays its own game only.
    if (!line.game.empty() && !line.trainer)
        return refused("--game is for the trainer: add --trainer");
    return line;
}

} // namespace ui
