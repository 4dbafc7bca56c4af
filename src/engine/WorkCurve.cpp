// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WorkCurve.h"

#include <algorithm>
#include <vector>

namespace engine {
namespace {

// A time's tag: its minute above its digit pair (0 to 99).
constexpr int kPairBits = 7;
constexpr std::uint32_t kPairMask = (1u << kPairBits) - 1;

} // namespace

std::optional<double> WorkCurve::trendAt(double minute) const {
    if (!line) return std::nullopt;
    return line->at(minute);
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

    // Answer times: each minute, each pair and the whole run, the minute and the pair in
    // each time's tag.
    std::vector<std::uint32_t> times;
    std::vector<std::uint32_t> tags;
    times.reserve(answers.size());
    tags.reserve(answers.size());
    for (const RecordedAnswer& answer : answers) {
        times.push_back(answer.milliseconds);
        tags.push_back(answer.minute << kPairBits | (answer.operand1 * 10u + answer.operand2));
    }
    const SortedTimes sorted(times, tags);
    const std::vector<AnswerTimes> minuteTimes =
        sorted.byGroup(minuteCount, [](std::uint32_t tag) { return tag >> kPairBits; });
    for (std::size_t minute = 0; minute < minuteCount; ++minute) curve.minutes[minute].times = minuteTimes[minute];
    const std::vector<AnswerTimes> pairTimes =
        sorted.byGroup(curve.pairs.size(), [](std::uint32_t tag) { return tag & kPairMask; });
    for (std::size_t pair = 0; pair < curve.pairs.size(); ++pair)
        curve.pairs[pair].medianMilliseconds = pairTimes[pair].median;
    curve.times = sorted.all();

    if (curve.answered > 0)
        curve.accuracy = 100.0 * static_cast<double>(curve.correct) / static_cast<double>(curve.answered);

    // The indices count complete minutes only, numbered from 1.
    std::vector<double> answered;
    answered.reserve(completeMinutes);
    for (std::size_t minute = 0; minute < completeMinutes; ++minute) answered.push_back(curve.minutes[minute].answered);
    curve.speed = Mean(answered);
    if (answered.size() < 2) return curve;
    curve.fluctuation = static_cast<std::uint32_t>(*Range(answered));
    curve.line = FitLine(answered);
    curve.trend = curve.line->slope;
    return curve;
}

} // namespace engine
