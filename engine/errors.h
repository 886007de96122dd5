#pragma once

#include <stdexcept>
#include <string>

namespace engine {

// An error that leaves an event handler and is shown to the player by the error report.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A text that is not a whole number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A silent error: the error report drops it.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

} // namespace engine
