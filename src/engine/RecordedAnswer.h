// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// One judged answer of a logged run, packed into eight bytes: a 99-minute run keeps tens
// of thousands of them.
struct RecordedAnswer {
    static constexpr std::uint32_t kMaxMinute = (1u << 19) - 1;
    // The answer field held something other than one digit (only a driver that skips
    // the field's filter can hand the engine such a text).
    static constexpr std::uint32_t kNoDigit = 15;

    // Milliseconds from the pair's notification to Enter; saturates after 49 days.
    std::uint32_t milliseconds = 0;
    // The engine's minute count when the answer was given, as the clock shows it: 0 from
    // 0:00 to 0:59. Saturates at kMaxMinute, almost a year of ticks.
    std::uint32_t minute : 19 = 0;
    std::uint32_t operand1 : 4 = 0;
    std::uint32_t operand2 : 4 = 0;
    // The typed digit, or kNoDigit.
    std::uint32_t answer : 4 = 0;
    std::uint32_t correct : 1 = 0;

    bool operator==(const RecordedAnswer& other) const = default;
};

static_assert(sizeof(RecordedAnswer) == 8, "an answer is recorded in eight bytes");

// The record of one answer, with every field clamped to what it can hold.
RecordedAnswer MakeRecordedAnswer(int operand1, int operand2, std::string_view typed, bool correct,
                                  std::uint64_t minute, std::uint64_t milliseconds);

} // namespace engine
