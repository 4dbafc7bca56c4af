// SPDX-License-Identifier: GPL-3.0-or-later
#include "test/WorkCurve.h"

#include <algorithm>
#include <cassert>

namespace test {
namespace {

constexpr int kMedian = 50;
constexpr int kNinetieth = 90;

// The answer times sorted into groups by a key (a minute, a digit pair) with one counting
// pass and one placing pass: group k is times[start[k]] up to times[start[k + 1]].
struct Groups {
    std::vector<std::uint32_t> times;
    std::vector<std::size_t> start;

    std::span<std::uint32_t> group(std::size_t key) { return {times.data() + start[key], start[key + 1] - start[key]}; }
};

template <typename KeyOf> Groups GroupTimes(std::span<const RecordedAnswer> answers, std::size_t keys, KeyOf keyOf) {
    Groups groups;
    groups.start.assign(keys + 1, 0);
    for (const RecordedAnswer& answer : answers) ++groups.start[keyOf(answer) + 1];
    for (std::size_t key = 0; key < keys; ++key) groups.start[key + 1] += groups.start[key];
    groups.times.resize(answers.size());
    std::vector<std::size_t> next(groups.start.begin(), groups.start.end() - 1);
    for (const RecordedAnswer& answer : answers) groups.times[next[keyOf(answer)]++] = answer.milliseconds;
    return groups;
}

AnswerTimes TimesOf(std::span<std::uint32_t> times) {
    if (times.empty()) return {};
    return {NearestRankPercentile(times, kMedian), NearestRankPercentile(times, kNinetieth)};
}

} // namespace

std::uint32_t NearestRankPercentile(std::span<std::uint32_t> values, int percent) {
    assert(!values.empty() && percent >= 0 && percent <= 100);
    const std::size_t count = values.size();
    // ceil(percent * count / 100) in integers, and at least the first rank.
    const std::size_t rank = std::max<std::size_t>(1, (static_cast<std::size_t>(percent) * count + 99) / 100);
    const auto nth = values.begin() + static_cast<std::ptrdiff_t>(rank - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

std::optional<double> WorkCurve::trendAt(double minute) const {
    if (!trend) return std::nullopt;
    return meanAnswered + *trend * (minute - meanMinute);
}

WorkCurve AnalyseWorkCurve(std::span<const RecordedAnswer> answers, RunLength length) {
    WorkCurve curve;
    curve.length = length;

    // A run that somehow recorded answers past its clock shows every minute they fall in.
    std::size_t minuteCount =
        static_cast<std::size_t>(std::min<std::uint64_t>(length.minutes, RecordedAnswer::kMaxMinute));
    const std::size_t completeMinutes = minuteCount;
    if (length.seconds > 0) minuteCount = completeMinutes + 1;
    for (const RecordedAnswer& answer : answers) minuteCount = std::max<std::size_t>(minuteCount, answer.minute + 1u);

    curve.minutes.resize(minuteCount);
    for (std::size_t minute = completeMinutes; minute < minuteCount; ++minute) curve.minutes[minute].partial = true;
    curve.completeMinutes = completeMinutes;

    for (const RecordedAnswer& answer : answers) {
        MinuteFigures& minute = curve.minutes[answer.minute];
        PairFigures& pair = curve.pairs[answer.operand1 * 10u + answer.operand2];
        ++minute.answered;
        ++pair.answered;
        if (answer.correct) {
            ++minute.correct;
        } else {
            ++minute.wrong;
            ++pair.errors;
        }
    }
    curve.answered = answers.size();
    for (const MinuteFigures& minute : curve.minutes) curve.correct += minute.correct;
    curve.wrong = curve.answered - curve.correct;

    // Answer times: each minute, each pair and the whole run.
    Groups byMinute = GroupTimes(answers, minuteCount, [](const RecordedAnswer& a) { return std::size_t{a.minute}; });
    for (std::size_t minute = 0; minute < minuteCount; ++minute)
        curve.minutes[minute].times = TimesOf(byMinute.group(minute));
    curve.times = TimesOf(byMinute.times);
    Groups byPair = GroupTimes(answers, curve.pairs.size(),
                               [](const RecordedAnswer& a) { return std::size_t{a.operand1 * 10u + a.operand2}; });
    for (std::size_t pair = 0; pair < curve.pairs.size(); ++pair) {
        const std::span<std::uint32_t> times = byPair.group(pair);
        if (!times.empty()) curve.pairs[pair].medianMilliseconds = NearestRankPercentile(times, kMedian);
    }

    if (curve.answered > 0)
        curve.accuracy = 100.0 * static_cast<double>(curve.correct) / static_cast<double>(curve.answered);

    // The indices count complete minutes only, numbered from 1.
    if (completeMinutes == 0) return curve;
    const auto n = static_cast<double>(completeMinutes);
    double sumAnswered = 0.0;
    std::uint32_t most = 0;
    std::uint32_t fewest = curve.minutes[0].answered;
    for (std::size_t minute = 0; minute < completeMinutes; ++minute) {
        const std::uint32_t answered = curve.minutes[minute].answered;
        sumAnswered += answered;
        most = std::max(most, answered);
        fewest = std::min(fewest, answered);
    }
    curve.speed = sumAnswered / n;
    curve.meanAnswered = sumAnswered / n;
    curve.meanMinute = (n + 1.0) / 2.0;
    if (completeMinutes < 2) return curve;

    curve.fluctuation = most - fewest;
    // Slope = sum((x - mean x)(y - mean y)) / sum((x - mean x)^2), over centred values so
    // that long runs lose no precision.
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t minute = 0; minute < completeMinutes; ++minute) {
        const double x = static_cast<double>(minute + 1) - curve.meanMinute;
        covariance += x * (curve.minutes[minute].answered - curve.meanAnswered);
        variance += x * x;
    }
    curve.trend = covariance / variance;
    return curve;
}

} // namespace test
