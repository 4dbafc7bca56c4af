// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SheetScores.h"

#include <algorithm>

namespace engine {
namespace {

constexpr std::size_t kPairCount = 100;
// A time's tag: its period above its digit pair (0 to 99).
constexpr int kPairBits = 7;
constexpr std::uint32_t kPairMask = (1u << kPairBits) - 1;

// Periods complete by `elapsedMs`, and periods begun: one more when the sitting was
// stopped inside the next.
struct Extent {
    std::size_t complete = 0;
    std::size_t begun = 0;
};

Extent ExtentOf(const SheetFormat& format, std::uint64_t elapsedMs) {
    Extent extent;
    if (format.cued()) {
        const std::uint32_t units = format.unitCount();
        while (extent.complete < units && format.unitEndMs(static_cast<std::uint32_t>(extent.complete)) <= elapsedMs)
            ++extent.complete;
        extent.begun = extent.complete;
        // A Stop during the break leaves the next unit unbegun.
        if (extent.complete < units && elapsedMs > format.unitStartMs(static_cast<std::uint32_t>(extent.complete)))
            ++extent.begun;
        return extent;
    }
    if (format.strokePeriods() == 0) return extent;
    const StrokePeriod period = format.strokePeriodAt(elapsedMs);
    const bool ended = period.endMs <= elapsedMs;
    extent.complete = period.index + (ended ? 1 : 0);
    extent.begun = extent.complete + (!ended && elapsedMs > period.startMs ? 1 : 0);
    return extent;
}

std::vector<double> Reached(std::span<const PeriodScores> periods) {
    std::vector<double> values;
    values.reserve(periods.size());
    for (const PeriodScores& period : periods) values.push_back(period.reached);
    return values;
}

KraepelinScores ScoreKraepelin(const SheetScores& scores) {
    KraepelinScores kraepelin;
    kraepelin.accuracy = scores.wrong + scores.skipped;
    const std::vector<double> heights = Reached(std::span(scores.periods).first(scores.completePeriods));
    if (heights.empty()) return kraepelin;
    kraepelin.speed = Mean(heights);
    kraepelin.range = static_cast<std::uint32_t>(*Range(heights));
    kraepelin.averageDeviation = AverageDeviation(heights);
    kraepelin.line = FitLine(heights);
    if (kraepelin.line) kraepelin.rise = kraepelin.line->slope * static_cast<double>(heights.size() - 1);
    return kraepelin;
}

UchidaHalf ScoreHalf(std::span<const PeriodScores> lines, std::uint32_t firstLine) {
    UchidaHalf half;
    half.firstLine = firstLine;
    half.completeLines = static_cast<std::uint32_t>(lines.size());
    if (lines.empty()) return half;
    const std::vector<double> amounts = Reached(lines);
    const double mean = *Mean(amounts);
    half.meanAmount = mean;
    // Both ratios divide by the mean: a half of empty lines has neither.
    if (mean <= 0.0) return half;
    half.initialEffort = amounts.front() / mean;
    half.fluctuation = *Range(amounts) / mean;
    return half;
}

UchidaScores ScoreUchida(const SheetFormat& format, const SheetScores& scores) {
    UchidaScores uchida;
    const std::span<const PeriodScores> complete = std::span(scores.periods).first(scores.completePeriods);
    if (!format.hasBreak()) {
        uchida.first = ScoreHalf(complete, 0);
        return uchida;
    }
    const std::size_t split = std::min<std::size_t>(format.breakAfter, complete.size());
    uchida.first = ScoreHalf(complete.first(split), 0);
    uchida.second = ScoreHalf(complete.subspan(split), format.breakAfter);
    if (uchida.first.meanAmount && uchida.second->meanAmount && *uchida.first.meanAmount > 0.0)
        uchida.restEffect = *uchida.second->meanAmount / *uchida.first.meanAmount;
    return uchida;
}

PauliScores ScorePauli(const SheetScores& scores) {
    PauliScores pauli;
    pauli.total = scores.reached;
    if (pauli.total > 0)
        pauli.errorPercent =
            100.0 * static_cast<double>(scores.wrong + scores.skipped) / static_cast<double>(pauli.total);
    const std::vector<double> totals = Reached(std::span(scores.periods).first(scores.completePeriods));
    pauli.averageDeviation = AverageDeviation(totals);
    pauli.line = FitLine(totals);
    return pauli;
}

} // namespace

SheetScores ScoreSheet(const SheetFormat& format, std::span<const SheetAnswer> record, std::uint64_t elapsedMs) {
    SheetScores scores;
    scores.family = format.family;
    const Extent extent = ExtentOf(format, elapsedMs);
    // A record that somehow holds answers past the sitting's end shows every period they
    // fall in, as partial ones.
    std::size_t periodCount = extent.begun;
    for (const SheetAnswer& answer : record) periodCount = std::max<std::size_t>(periodCount, answer.period + 1u);
    scores.periods.resize(periodCount);
    scores.completePeriods = extent.complete;
    for (std::size_t period = extent.complete; period < periodCount; ++period) scores.periods[period].partial = true;

    // The answered pairs' times, their period and their digit pair in each time's tag.
    std::vector<std::uint32_t> times;
    std::vector<std::uint32_t> tags;
    times.reserve(record.size());
    tags.reserve(record.size());
    bool anyTimed = false;
    for (const SheetAnswer& answer : record) {
        PeriodScores& period = scores.periods[answer.period];
        if (answer.reached() && answer.timed()) anyTimed = true;
        period.corrections += answer.corrections;
        if (answer.skipped()) ++period.skipped;
        if (!answer.answered()) {
            period.reached += answer.skipped() ? 1 : 0;
            continue;
        }
        ++period.reached;
        const std::uint32_t pair = answer.operand1 * 10u + answer.operand2;
        PairFigures& figures = scores.pairs[pair];
        ++figures.answered;
        if (answer.correct) {
            ++period.right;
        } else {
            ++period.wrong;
            ++figures.errors;
        }
        if (!answer.timed()) continue;
        times.push_back(answer.milliseconds);
        tags.push_back(std::uint32_t{answer.period} << kPairBits | pair);
    }
    for (const PeriodScores& period : scores.periods) {
        scores.reached += period.reached;
        scores.right += period.right;
        scores.wrong += period.wrong;
        scores.skipped += period.skipped;
        scores.corrections += period.corrections;
    }
    scores.untimed = scores.reached > 0 && !anyTimed;

    const SortedTimes sorted(times, tags);
    const std::vector<AnswerTimes> periodTimes =
        sorted.byGroup(periodCount, [](std::uint32_t tag) { return tag >> kPairBits; });
    for (std::size_t period = 0; period < periodCount; ++period) scores.periods[period].times = periodTimes[period];
    const std::vector<AnswerTimes> pairTimes =
        sorted.byGroup(kPairCount, [](std::uint32_t tag) { return tag & kPairMask; });
    for (std::size_t pair = 0; pair < kPairCount; ++pair)
        scores.pairs[pair].medianMilliseconds = pairTimes[pair].median;
    scores.times = sorted.all();

    switch (format.family) {
    case ScoreFamily::Kraepelin: scores.kraepelin = ScoreKraepelin(scores); break;
    case ScoreFamily::Uchida: scores.uchida = ScoreUchida(format, scores); break;
    case ScoreFamily::Pauli: scores.pauli = ScorePauli(scores); break;
    }
    return scores;
}

} // namespace engine
