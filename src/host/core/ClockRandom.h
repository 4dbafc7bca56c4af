// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Random.h"

#include <cstdint>
#include <functional>

namespace host {

// The program's generator: a 64-bit state stepped like SplitMix64, with a strong
// bijective mixer on the way out. Re-seeding mixes the clock value into the state
// rather than replacing it, which is what keeps two draws made within one clock
// instant apart.
class ClockRandom final : public Random {
public:
    // A reading of the time of day, in whatever unit the clock offers; only its
    // changes matter.
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds of the system clock.
    static std::uint64_t SystemTimeOfDay();

    explicit ClockRandom(Clock clock = SystemTimeOfDay, std::uint64_t initialState = kDefaultState);

    void ReseedFromClock() override;
    float Next() override;

    static constexpr std::uint64_t kDefaultState = 0x243F6A8885A308D3ull;

private:
    Clock clock_;
    std::uint64_t state_;
};

} // namespace host
