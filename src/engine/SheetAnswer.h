// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace engine {

// One pair of a sheet as the sitting left it, packed into sixteen bytes: a Pauli hour
// keeps up to 4,000 of them.
struct SheetAnswer {
    enum Outcome : std::uint8_t {
        // A digit was written.
        kAnswered = 0,
        // Passed with Space, left blank.
        kSkipped = 1,
        // Answered, taken back with Backspace, and not answered again before the column or
        // line ended: not reached, but its corrections count.
        kWithdrawn = 2,
    };

    // A pair written on paper and entered by hand afterwards has no answer time.
    static constexpr std::uint32_t kUntimed = 0xFFFF'FFFF;
    // The longest answer time kept: a longer one is kept as this.
    static constexpr std::uint32_t kLongestMilliseconds = kUntimed - 1;

    // Milliseconds from the pair becoming current to its digit; 0 for a pass or a
    // withdrawn pair; kUntimed for a pair written on paper. Saturates after 49 days.
    std::uint32_t milliseconds = 0;
    // The column or line (0 for the first) and the pair in it in the order of work (0 for
    // the first: the bottom pair of a column worked bottom-up).
    std::uint16_t unit = 0;
    std::uint16_t position = 0;
    // The period it is scored in: its column or line, or with strokes the period between
    // two strokes that it was given in.
    std::uint16_t period = 0;
    // How often Backspace took this pair's answer back. Saturates at 65535.
    std::uint16_t corrections = 0;
    std::uint8_t operand1 : 4 = 0;
    std::uint8_t operand2 : 4 = 0;
    // The written digit; 0 unless answered.
    std::uint8_t answer : 4 = 0;
    std::uint8_t outcome : 2 = kAnswered;
    std::uint8_t correct : 1 = 0;

    bool answered() const { return outcome == kAnswered; }
    bool skipped() const { return outcome == kSkipped; }
    // Answered or passed: how far the user got.
    bool reached() const { return outcome != kWithdrawn; }
    bool timed() const { return milliseconds != kUntimed; }
    bool operator==(const SheetAnswer& other) const = default;
};

static_assert(sizeof(SheetAnswer) <= 16, "a sheet keeps each answer in sixteen bytes");

} // namespace engine
