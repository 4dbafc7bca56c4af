// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/WorkCurve.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

namespace engine {
namespace {

constexpr int kMedian = 50;
constexpr int kNinetieth = 90;

// ceil(percent * count / 100) in integers, and at least the first rank.
std::size_t RankOf(int percent, std::size_t count) {
    return std::max<std::size_t>(1, (static_cast<std::size_t>(percent) * count + 99) / 100);
}

// Every answer's time with its minute and its digit pair, as one key that sorts by time:
// the time in the high half, the minute and the pair in the low half.
constexpr int kPairBits = 7;
constexpr std::uint64_t kPairMask = (1u << kPairBits) - 1;
constexpr std::uint64_t kMinuteMask = RecordedAnswer::kMaxMinute;

std::uint64_t KeyOf(const RecordedAnswer& answer) {
    return std::uint64_t{answer.milliseconds} << 32 | std::uint64_t{answer.minute} << kPairBits |
           (answer.operand1 * 10u + answer.operand2);
}

// The keys in ascending order of time, by a least-significant-digit radix sort over the
// time's four bytes, leaving out the bytes every time shares (answer times rarely need
// more than two).
std::vector<std::uint64_t> SortedByTime(std::span<const RecordedAnswer> answers) {
    constexpr int kBytes = 4;
    constexpr std::size_t kBins = 256;
    std::vector<std::uint64_t> keys(answers.size());
    std::vector<std::array<std::size_t, kBins>> counts(kBytes, std::array<std::size_t, kBins>{});
    for (std::size_t i = 0; i < answers.size(); ++i) {
        keys[i] = KeyOf(answers[i]);
        for (int byte = 0; byte < kBytes; ++byte) ++counts[byte][(keys[i] >> (32 + 8 * byte)) & 0xFF];
    }
    std::vector<std::uint64_t> sorted(answers.size());
    for (int byte = 0; byte < kBytes; ++byte) {
        std::array<std::size_t, kBins>& bins = counts[static_cast<std::size_t>(byte)];
        if (std::any_of(bins.begin(), bins.end(), [&](std::size_t count) { return count == answers.size(); })) continue;
        std::size_t next = 0;
        for (std::size_t& bin : bins) next += std::exchange(bin, next);
        for (const std::uint64_t key : keys) sorted[bins[(key >> (32 + 8 * byte)) & 0xFF]++] = key;
        keys.swap(sorted);
    }
    return keys;
}

// Where a group's order statistics stand: the ranks wanted and how many of the group's
// answers have gone by.
struct RankWatch {
    std::size_t median = 0;
    std::size_t ninetieth = 0;
    std::size_t seen = 0;

    RankWatch() = default;
    explicit RankWatch(std::size_t count)
        : median(count == 0 ? 0 : RankOf(kMedian, count)), ninetieth(count == 0 ? 0 : RankOf(kNinetieth, count)) {}

    // Takes the group's next answer in ascending order of time.
    void Pass(std::uint32_t time, AnswerTimes& times) {
        ++seen;
        if (seen == median) times.median = time;
        if (seen == ninetieth) times.percentile90 = time;
    }
};

} // namespace

std::uint32_t NearestRankPercentile(std::span<std::uint32_t> values, int percent) {
    assert(!values.empty() && percent >= 0 && percent <= 100);
    const std::size_t rank = RankOf(percent, values.size());
    const auto nth = values.begin() + static_cast<std::ptrdiff_t>(rank - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

std::optional<double> WorkCurve::trendAt(double minute) const {
    if (!trend || !speed) return std::nullopt;
    return *speed + *trend * (minute - meanMinute);
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

    // Answer times: each minute, each pair and the whole run. In ascending order of time
    // a group's k-th answer has its k-th smallest time, so one pass over the sorted times
    // gives every group's median and 90th percentile.
    std::vector<RankWatch> minuteRanks;
    minuteRanks.reserve(minuteCount);
    for (const MinuteFigures& minute : curve.minutes) minuteRanks.emplace_back(minute.answered);
    std::array<RankWatch, 100> pairRanks;
    for (std::size_t pair = 0; pair < pairRanks.size(); ++pair) pairRanks[pair] = RankWatch(curve.pairs[pair].answered);
    std::array<AnswerTimes, 100> pairTimes;
    RankWatch runRanks(answers.size());
    for (const std::uint64_t key : SortedByTime(answers)) {
        const auto time = static_cast<std::uint32_t>(key >> 32);
        const auto minute = static_cast<std::size_t>((key >> kPairBits) & kMinuteMask);
        const auto pair = static_cast<std::size_t>(key & kPairMask);
        minuteRanks[minute].Pass(time, curve.minutes[minute].times);
        pairRanks[pair].Pass(time, pairTimes[pair]);
        runRanks.Pass(time, curve.times);
    }
    for (std::size_t pair = 0; pair < pairTimes.size(); ++pair)
        curve.pairs[pair].medianMilliseconds = pairTimes[pair].median;

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
    const double meanAnswered = sumAnswered / n;
    curve.speed = meanAnswered;
    curve.meanMinute = (n + 1.0) / 2.0;
    if (completeMinutes < 2) return curve;

    curve.fluctuation = most - fewest;
    // Slope = sum((x - mean x)(y - mean y)) / sum((x - mean x)^2), over centred values so
    // that long runs lose no precision.
    double covariance = 0.0;
    double variance = 0.0;
    for (std::size_t minute = 0; minute < completeMinutes; ++minute) {
        const double x = static_cast<double>(minute + 1) - curve.meanMinute;
        covariance += x * (curve.minutes[minute].answered - meanAnswered);
        variance += x * x;
    }
    curve.trend = covariance / variance;
    return curve;
}

} // namespace engine
