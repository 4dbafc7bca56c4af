// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace host {

// A clock that only ever goes forward, whatever happens to the time of day: the test
// engine times answers with it. Only differences between two readings mean anything.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    // Milliseconds since an unspecified start; never less than an earlier reading.
    virtual std::uint64_t Milliseconds() = 0;
};

// The platform's steady clock (std::chrono::steady_clock).
class SteadyClock final : public MonotonicClock {
public:
    std::uint64_t Milliseconds() override;
};

// The program's one steady clock.
MonotonicClock& SystemMonotonicClock();

} // namespace host
