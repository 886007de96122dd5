#include "odds/cli/progress_meter.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <utility>

namespace odds::cli {

ProgressMeter::ProgressMeter(std::ostream& out, std::string label, Clock clock)
    : out_(out), label_(std::move(label)), clock_(std::move(clock)), start_(clock_()) {}

void ProgressMeter::update(double share) {
    if (clock_() - start_ < kQuietTime)
        return;
    const double clamped = std::isnan(share) ? 0.0 : std::clamp(share, 0.0, 1.0);
    const int percent = static_cast<int>(clamped * 100.0);
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    out_ << '\r' << label_ << ": " << percent << '%' << std::flush;
}

void ProgressMeter::finish() {
    if (shownPercent_ < 0)
        return;
    if (shownPercent_ != 100)
        out_ << '\r' << label_ << ": 100%";
    out_ << '\n' << std::flush;
    shownPercent_ = -1;
}

} // namespace odds::cli
