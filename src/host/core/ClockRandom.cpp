// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/core/ClockRandom.h"

#include <chrono>
#include <utility>

namespace host {
namespace {

constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ull;

// The SplitMix64 finaliser: a bijection on 64-bit values that spreads every input bit
// over the whole word.
constexpr std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

std::uint64_t ClockRandom::SystemTimeOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

ClockRandom::ClockRandom(Clock clock, std::uint64_t initialState) : clock_(std::move(clock)), state_(initialState) {}

void ClockRandom::ReseedFromClock() {
    // The old state stays part of the new one, so the same clock reading folded twice
    // (with a draw in between) leads to different states.
    state_ = Mix(state_ ^ Mix(clock_() + kGoldenGamma));
}

float ClockRandom::Next() {
    state_ += kGoldenGamma;
    // The top 24 bits fill a float's significand exactly: the result is a multiple of
    // 2^-24 in [0, 1), and 1.0f can never come out of rounding.
    const std::uint64_t bits = Mix(state_) >> 40;
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

} // namespace host
