// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/MonotonicClock.h"

#include <cstdint>

// A clock that stands still until the benchmark says how long the typist took over an answer.
class TypistClock final : public host::MonotonicClock {
public:
    std::uint64_t Milliseconds() override { return now_; }
    void Wait(std::uint64_t milliseconds) { now_ += milliseconds; }

private:
    std::uint64_t now_ = 0;
};
