// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Sheet.h"

#include <algorithm>
#include <limits>

namespace engine {

std::uint32_t SheetRandom::Below(std::uint32_t count) {
    // The largest multiple of count that a 64-bit draw can reach; draws at or above it
    // would favour the low values. For a count of ten that is one draw in 10^18.
    const std::uint64_t limit =
        std::numeric_limits<std::uint64_t>::max() - (std::numeric_limits<std::uint64_t>::max() % count + 1) % count;
    std::uint64_t draw = Next();
    while (draw > limit) draw = Next();
    return static_cast<std::uint32_t>(draw % count);
}

Sheet MakeSheet(const SheetFormat& format, std::uint64_t seed) {
    Sheet sheet;
    sheet.seed_ = seed;
    SheetRandom random(seed);
    const auto range = static_cast<std::uint32_t>(format.highestDigit - format.lowestDigit + 1);
    const std::uint32_t units = format.unitCount();
    std::uint64_t pairsLeft = format.totalPairs();
    sheet.digits_.reserve(static_cast<std::size_t>(pairsLeft + units));
    sheet.unitStarts_.reserve(units + 1u);
    for (std::uint32_t unit = 0; unit < units; ++unit) {
        const std::uint64_t pairs = std::min<std::uint64_t>(format.pairsPerUnit(), pairsLeft);
        pairsLeft -= pairs;
        int previous = -1;
        for (std::uint64_t i = 0; i <= pairs; ++i) {
            int digit = 0;
            if (format.noRepeat && previous >= 0 && range > 1) {
                // One of the other range - 1 digits: those above the previous one move up by one.
                digit = format.lowestDigit + static_cast<int>(random.Below(range - 1));
                if (digit >= previous) ++digit;
            } else {
                digit = format.lowestDigit + static_cast<int>(random.Below(range));
            }
            sheet.digits_.push_back(static_cast<std::uint8_t>(digit));
            previous = digit;
        }
        sheet.unitStarts_.push_back(static_cast<std::uint32_t>(sheet.digits_.size()));
    }
    return sheet;
}

} // namespace engine
