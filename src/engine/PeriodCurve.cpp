// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PeriodCurve.h"

namespace engine {

PeriodCurve CurveOfRun(const WorkCurve& curve) {
    PeriodCurve result;
    result.periods.reserve(curve.minutes.size());
    for (const MinuteFigures& minute : curve.minutes)
        result.periods.push_back({minute.answered, minute.correct, minute.times.median, minute.partial});
    result.completePeriods = curve.completeMinutes;
    result.line = curve.line;
    return result;
}

PeriodCurve CurveOfSitting(const SheetScores& scores) {
    PeriodCurve result;
    result.periods.reserve(scores.periods.size());
    for (const PeriodScores& period : scores.periods)
        result.periods.push_back({period.reached, period.right, period.times.median, period.partial});
    result.completePeriods = scores.completePeriods;
    if (scores.kraepelin) result.line = scores.kraepelin->line;
    if (scores.pauli) result.line = scores.pauli->line;
    if (scores.uchida && scores.uchida->second && scores.uchida->second->firstLine > 0 &&
        scores.uchida->second->firstLine < scores.periods.size())
        result.breakBefore = scores.uchida->second->firstLine;
    return result;
}

} // namespace engine
