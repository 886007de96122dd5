#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <string>

namespace odds::cli {

// A percentage on one terminal line that appears only once the work has taken longer than a
// second, so quick runs print nothing extra.
class ProgressMeter {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    static constexpr std::chrono::milliseconds kQuietTime{1000};

    ProgressMeter(std::ostream& out, std::string label,
                  Clock clock = &std::chrono::steady_clock::now);

    // Share done, 0..1.
    void update(double share);
    // Ends the line if anything was shown.
    void finish();

private:
    std::ostream& out_;
    std::string label_;
    Clock clock_;
    std::chrono::steady_clock::time_point start_;
    int shownPercent_ = -1;
};

} // namespace odds::cli
