#include "utc_clock.h"

#include <chrono>

namespace engine {

std::uint32_t SystemUtcMilliseconds() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
    // floor-mod, so that a clock set before 1970 still gives a time of day
    auto ms = sinceEpoch.count() % std::int64_t{kMillisecondsPerDay};
    if (ms < 0)
        ms += kMillisecondsPerDay;
    return static_cast<std::uint32_t>(ms);
}

} // namespace engine
