// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/MonotonicClock.h"

#include <cstdint>

// A monotonic clock that stands still until the test moves it.
class ScriptedClock final : public host::MonotonicClock {
public:
    std::uint64_t Milliseconds() override { return now_; }
    void Advance(std::uint64_t milliseconds) { now_ += milliseconds; }
    void Set(std::uint64_t milliseconds) { now_ = milliseconds; }

private:
    std::uint64_t now_ = 1000;
};
