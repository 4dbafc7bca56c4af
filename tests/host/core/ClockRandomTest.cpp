// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/ClockRandom.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A clock that stands still: every re-seed happens within one clock instant.
host::ClockRandom::Clock StoppedClock(std::uint64_t reading) {
    return [reading] { return reading; };
}

std::vector<float> Draws(host::ClockRandom& random, int count) {
    std::vector<float> draws;
    for (int i = 0; i < count; ++i) {
        random.ReseedFromClock();
        draws.push_back(random.Next());
    }
    return draws;
}

TEST(ClockRandomTest, DrawsLieInTheUnitIntervalAtSinglePrecision) {
    std::uint64_t now = 0;
    host::ClockRandom random([&now] { return now += 976; });
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        random.ReseedFromClock();
        const float r = random.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        // A multiple of 2^-24: every value is exact in a float's significand.
        const float scaled = r * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // The whole interval is reached, not a corner of it.
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(ClockRandomTest, DrawsWithinOneClockInstantAreNotCopies) {
    host::ClockRandom random(StoppedClock(123456789));
    const std::vector<float> draws = Draws(random, 1000);
    int repeats = 0;
    for (std::size_t i = 1; i < draws.size(); ++i) {
        repeats += draws[i] == draws[i - 1] ? 1 : 0;
    }
    EXPECT_EQ(repeats, 0);
}

TEST(ClockRandomTest, ReseedFoldsTheClockIntoTheStateInsteadOfRestarting) {
    // Same clock reading, different history: a restart would make them agree.
    host::ClockRandom fresh(StoppedClock(42));
    host::ClockRandom used(StoppedClock(42));
    used.Next();
    fresh.ReseedFromClock();
    used.ReseedFromClock();
    EXPECT_NE(fresh.Next(), used.Next());
}

TEST(ClockRandomTest, TheClockReadingChangesTheSequence) {
    host::ClockRandom early(StoppedClock(1000));
    host::ClockRandom late(StoppedClock(1001));
    EXPECT_NE(Draws(early, 4), Draws(late, 4));
}

TEST(ClockRandomTest, SameStateAndClockGiveTheSameSequence) {
    host::ClockRandom first(StoppedClock(7), 99);
    host::ClockRandom second(StoppedClock(7), 99);
    EXPECT_EQ(Draws(first, 50), Draws(second, 50));
}

TEST(ClockRandomTest, SystemClockGeneratorDrawsDistinctValues) {
    host::ClockRandom random;
    const std::vector<float> draws = Draws(random, 100);
    for (std::size_t i = 1; i < draws.size(); ++i) {
        EXPECT_NE(draws[i], draws[i - 1]) << "draw " << i;
    }
}

} // namespace
