// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/MonotonicClock.h"

#include <cstdint>

// A monotonic clock that stands still until the test moves it; its time of day moves
// with it, from the one the test sets.
class ScriptedClock final : public host::MonotonicClock {
public:
    std::uint64_t Milliseconds() override { return now_; }
    std::int64_t WallMilliseconds() override { return wallAtStart_ + static_cast<std::int64_t>(now_); }
    void Advance(std::uint64_t milliseconds) { now_ += milliseconds; }
    void Set(std::uint64_t milliseconds) { now_ = milliseconds; }
    // The time of day (milliseconds since 1970 UTC) the clock shows now.
    void SetWall(std::int64_t milliseconds) { wallAtStart_ = milliseconds - static_cast<std::int64_t>(now_); }

private:
    std::uint64_t now_ = 1000;
    std::int64_t wallAtStart_ = 0;
};
