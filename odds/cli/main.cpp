#include "odds/cli/odds_command.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return static_cast<int>(odds::cli::runOddsCommand(args, std::cout, std::cerr));
}
