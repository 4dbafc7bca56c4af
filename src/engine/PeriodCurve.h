// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetScores.h"
#include "engine/Statistics.h"
#include "engine/WorkCurve.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

// One period of a curve, whatever its length: a minute of the drill, a column or a line of
// a sheet, or the time between two of its strokes.
struct CurvePeriod {
    // Pairs answered (the drill) or answered and passed (a sheet), and the right answers
    // among them; the rest are wrong or blank.
    std::uint32_t reached = 0;
    std::uint32_t right = 0;
    std::optional<std::uint32_t> medianMilliseconds;
    // Stopped inside it: shown, but left out of the line.
    bool partial = false;

    bool operator==(const CurvePeriod& other) const = default;
};

// What a work curve draws, the same for the drill and the sheets: the periods, the first
// `completePeriods` of them complete, the least-squares line over those (numbered from 1)
// where the test has one and there are two, and a break before a period where there is one.
struct PeriodCurve {
    std::vector<CurvePeriod> periods;
    std::size_t completePeriods = 0;
    std::optional<LeastSquaresLine> line;
    std::optional<std::size_t> breakBefore;
};

// The drill's curve, a period a minute, its line the trend.
PeriodCurve CurveOfRun(const WorkCurve& curve);
// A sitting's curve, a period a column, a line or the time between two strokes; its line
// Kraepelin's endurance or Pauli's slope (an Uchida-Kraepelin sheet has none), its break
// the one between an Uchida-Kraepelin sheet's halves once the second half has begun.
PeriodCurve CurveOfSitting(const SheetScores& scores);

} // namespace engine
