#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace odds::cli {

// How the tool ends: 0 done, 2 for a command line it cannot take.
enum class ExitStatus : int { Success = 0, Failure = 1, Usage = 2 };

std::string helpText();

// Runs the tool on the arguments after the program name; reports on `out`, messages and
// progress on `err`.
ExitStatus runOddsCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);

} // namespace odds::cli
