#pragma once

#include <stdexcept>
#include <string>

namespace odds::cli {

// A command line, card or pay table the tool cannot take; the message says what is wrong.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace odds::cli
