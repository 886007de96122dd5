#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// A component layout that cannot be read or applied: a syntax error, an unknown class or
// property, a value of the wrong kind. The message names the source and the line.
class ELayoutError : public std::runtime_error {
public:
    explicit ELayoutError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace platform
