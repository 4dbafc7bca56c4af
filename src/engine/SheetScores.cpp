// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SheetScores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace engine {
namespace {

constexpr int kMedian = 50;
constexpr int kNinetieth = 90;
constexpr std::size_t kPairCount = 100;

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
    if (format.strokeSeconds == 0) return extent;
    const std::uint64_t period = std::uint64_t{format.strokeSeconds} * 1000;
    const std::size_t periods = format.strokePeriods();
    const std::uint64_t duration = format.durationMs();
    while (extent.complete < periods && std::min((extent.complete + 1) * period, duration) <= elapsedMs)
        ++extent.complete;
    extent.begun = extent.complete;
    if (extent.complete < periods && elapsedMs > extent.complete * period) ++extent.begun;
    return extent;
}

// Median and 90th percentile of each group's times. `groups[i]` is the group of
// `times[i]`; groups without times get none.
std::vector<AnswerTimes> TimesByGroup(std::span<const std::uint32_t> times, std::span<const std::size_t> groups,
                                      std::size_t groupCount) {
    std::vector<std::size_t> starts(groupCount + 1, 0);
    for (const std::size_t group : groups) ++starts[group + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<std::uint32_t> sorted(times.size());
    std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t i = 0; i < times.size(); ++i) sorted[next[groups[i]]++] = times[i];

    std::vector<AnswerTimes> result(groupCount);
    for (std::size_t group = 0; group < groupCount; ++group) {
        if (starts[group] == starts[group + 1]) continue;
        const std::span<std::uint32_t> slice(sorted.data() + starts[group], starts[group + 1] - starts[group]);
        result[group].median = NearestRankPercentile(slice, kMedian);
        result[group].percentile90 = NearestRankPercentile(slice, kNinetieth);
    }
    return result;
}

// The least-squares line through (1, values[0]), (2, values[1]), ...; at least two values.
LeastSquaresLine FitLine(std::span<const double> values) {
    const auto n = static_cast<double>(values.size());
    const double meanX = (n + 1.0) / 2.0;
    const double meanY = std::accumulate(values.begin(), values.end(), 0.0) / n;
    // Over centred values, so that long sheets lose no precision.
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = static_cast<double>(i + 1) - meanX;
        covariance += x * (values[i] - meanY);
        variance += x * x;
    }
    LeastSquaresLine line;
    line.slope = covariance / variance;
    line.intercept = meanY - line.slope * meanX;
    return line;
}

double Mean(std::span<const double> values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// The mean of |value - mean|.
double AverageDeviation(std::span<const double> values) {
    const double mean = Mean(values);
    double sum = 0.0;
    for (const double value : values) sum += std::abs(value - mean);
    return sum / static_cast<double>(values.size());
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
    const auto [lowest, highest] = std::minmax_element(heights.begin(), heights.end());
    kraepelin.range = static_cast<std::uint32_t>(*highest - *lowest);
    kraepelin.averageDeviation = AverageDeviation(heights);
    if (heights.size() < 2) return kraepelin;
    kraepelin.line = FitLine(heights);
    kraepelin.rise = kraepelin.line->slope * static_cast<double>(heights.size() - 1);
    return kraepelin;
}

UchidaHalf ScoreHalf(std::span<const PeriodScores> lines, std::uint32_t firstLine) {
    UchidaHalf half;
    half.firstLine = firstLine;
    half.completeLines = static_cast<std::uint32_t>(lines.size());
    if (lines.empty()) return half;
    const std::vector<double> amounts = Reached(lines);
    const double mean = Mean(amounts);
    half.meanAmount = mean;
    // Both ratios divide by the mean: a half of empty lines has neither.
    if (mean <= 0.0) return half;
    const auto [lowest, highest] = std::minmax_element(amounts.begin(), amounts.end());
    half.initialEffort = amounts.front() / mean;
    half.fluctuation = (*highest - *lowest) / mean;
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
    if (totals.empty()) return pauli;
    pauli.averageDeviation = AverageDeviation(totals);
    if (totals.size() >= 2) pauli.line = FitLine(totals);
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

    std::vector<std::uint32_t> times;
    std::vector<std::size_t> periodOfTime;
    std::vector<std::size_t> pairOfTime;
    times.reserve(record.size());
    periodOfTime.reserve(record.size());
    pairOfTime.reserve(record.size());
    for (const SheetAnswer& answer : record) {
        PeriodScores& period = scores.periods[answer.period];
        period.corrections += answer.corrections;
        if (answer.skipped()) ++period.skipped;
        if (!answer.answered()) {
            period.reached += answer.skipped() ? 1 : 0;
            continue;
        }
        ++period.reached;
        const std::size_t pair = answer.operand1 * 10u + answer.operand2;
        PairFigures& figures = scores.pairs[pair];
        ++figures.answered;
        if (answer.correct) {
            ++period.right;
        } else {
            ++period.wrong;
            ++figures.errors;
        }
        times.push_back(answer.milliseconds);
        periodOfTime.push_back(answer.period);
        pairOfTime.push_back(pair);
    }
    for (const PeriodScores& period : scores.periods) {
        scores.reached += period.reached;
        scores.right += period.right;
        scores.wrong += period.wrong;
        scores.skipped += period.skipped;
        scores.corrections += period.corrections;
    }

    const std::vector<AnswerTimes> periodTimes = TimesByGroup(times, periodOfTime, periodCount);
    for (std::size_t period = 0; period < periodCount; ++period) scores.periods[period].times = periodTimes[period];
    const std::vector<AnswerTimes> pairTimes = TimesByGroup(times, pairOfTime, kPairCount);
    for (std::size_t pair = 0; pair < kPairCount; ++pair)
        scores.pairs[pair].medianMilliseconds = pairTimes[pair].median;
    if (!times.empty()) {
        scores.times.median = NearestRankPercentile(times, kMedian);
        scores.times.percentile90 = NearestRankPercentile(times, kNinetieth);
    }

    switch (format.family) {
    case ScoreFamily::Kraepelin: scores.kraepelin = ScoreKraepelin(scores); break;
    case ScoreFamily::Uchida: scores.uchida = ScoreUchida(format, scores); break;
    case ScoreFamily::Pauli: scores.pauli = ScorePauli(scores); break;
    }
    return scores;
}

} // namespace engine
