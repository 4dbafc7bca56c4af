// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace host {

// A clock that only ever goes forward, whatever happens to the time of day: the test
// engine times answers with it. Only differences between two readings mean anything.
// It also reads the time of day, for the moments the user is shown ("Ended 14:02:11").
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since an unspecified start; never less than an earlier reading.
    virtual std::uint64_t Milliseconds() = 0;
    // The time of day: milliseconds since 1970-01-01 00:00 UTC (std::chrono::system_clock
    // unless overridden). It may jump either way when the machine's clock is set.
    virtual std::int64_t WallMilliseconds();
};

// The platform's steady clock (std::chrono::steady_clock).
class SteadyClock final : public MonotonicClock {
public:
    std::uint64_t Milliseconds() override;
};

// The program's one steady clock.
MonotonicClock& SystemMonotonicClock();

} // namespace host
