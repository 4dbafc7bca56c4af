// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace host {

// The runtime's pseudo-random generator: a draw is uniform in [0, 1) at single precision,
// and re-seeding from the time of day folds the clock into the current state, so two
// draws within one clock instant still differ.
class Random {
public:
    virtual ~Random() = default;
    // Folds the time of day into the state.
    virtual void ReseedFromClock() = 0;
    // A value uniform in [0, 1).
    virtual float Next() = 0;
};

} // namespace host
