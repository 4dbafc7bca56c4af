// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

// The generator a sheet is made with: SplitMix64, whose every step is fixed by its
// definition, so a seed gives the same sheet with every compiler and standard library
// (the standard's distributions do not promise that).
class SheetRandom {
public:
    explicit SheetRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0 .. count - 1 without bias: draws that fall in the incomplete last
    // round of `count` are drawn again.
    std::uint32_t Below(std::uint32_t count);

private:
    std::uint64_t state_;
};

// The digits of one sheet, unit by unit (column or line) in the order they are worked:
// the first digit of a column worked bottom-up is its bottom digit. Pair p of a unit is
// its digits p and p + 1.
class Sheet {
public:
    Sheet() = default;

    std::uint64_t seed() const { return seed_; }
    std::uint32_t unitCount() const { return static_cast<std::uint32_t>(unitStarts_.size()) - 1; }
    std::uint32_t digitCount(std::uint32_t unit) const { return unitStarts_[unit + 1] - unitStarts_[unit]; }
    std::uint32_t pairCount(std::uint32_t unit) const { return digitCount(unit) - 1; }
    int digit(std::uint32_t unit, std::uint32_t index) const { return digits_[unitStarts_[unit] + index]; }
    std::size_t totalDigits() const { return digits_.size(); }

private:
    friend Sheet MakeSheet(const SheetFormat& format, std::uint64_t seed);

    std::uint64_t seed_ = 0;
    std::vector<std::uint8_t> digits_;
    // Where each unit's digits begin in digits_, and one past the last unit's end.
    std::vector<std::uint32_t> unitStarts_{0};
};

// The sheet of `format` made from `seed`: each digit uniform over the format's range, and
// with no-repeat uniform over the range without the digit before it.
Sheet MakeSheet(const SheetFormat& format, std::uint64_t seed);

} // namespace engine
