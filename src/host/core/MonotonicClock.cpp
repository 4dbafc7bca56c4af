// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/MonotonicClock.h"

#include <chrono>

namespace host {

std::uint64_t SteadyClock::Milliseconds() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

std::int64_t MonotonicClock::WallMilliseconds() {
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

MonotonicClock& SystemMonotonicClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace host
