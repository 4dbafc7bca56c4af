// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The statistics the drill's work curve and the sheets' scores are made of. Each figure is
// absent where it is undefined (no values, or too few), never 0.
namespace engine {

// Median and 90th percentile of a group of answer times, in milliseconds; absent for a
// group without answers.
struct AnswerTimes {
    std::optional<std::uint32_t> median;
    std::optional<std::uint32_t> percentile90;
};

// The least-squares line value = intercept + slope × n over periods numbered from 1.
struct LeastSquaresLine {
    double intercept = 0.0;
    double slope = 0.0;
    double at(double number) const { return intercept + slope * number; }
};

// The rank of the p-th percentile of `count` values by the nearest-rank rule:
// ceil(p / 100 × count), and at least 1 (the first value for p = 0). p lies in 0..100.
std::size_t NearestRank(int percent, std::size_t count);

// Answer times in ascending order, each with a tag of 32 bits that says what it belongs to,
// for their nearest-rank percentiles: over all of them and over each group of them, in one
// pass per grouping.
class SortedTimes {
public:
    // `tags[i]` goes with times[i]; without tags every time is tagged 0.
    explicit SortedTimes(std::span<const std::uint32_t> times, std::span<const std::uint32_t> tags = {});

    // The p-th percentile of all the times: the value of rank NearestRank(p, n) in ascending
    // order, so always one of the times; of an even number the median is the lower middle
    // one. Not for no times.
    std::uint32_t percentile(int percent) const;
    // Median and 90th percentile of all the times.
    AnswerTimes all() const;
    // Median and 90th percentile of each group, where `groupOf(tag)` is a tag's group, below
    // `groupCount`. A group without times has neither.
    template <typename GroupOf> std::vector<AnswerTimes> byGroup(std::size_t groupCount, GroupOf groupOf) const;

private:
    static constexpr int kMedian = 50;
    static constexpr int kNinetieth = 90;
    static constexpr int kTimeShift = 32;
    static constexpr std::uint64_t kTagMask = 0xFFFF'FFFF;

    // Each time in the high half, its tag in the low half, in ascending order of time.
    std::vector<std::uint64_t> keys_;
};

// The p-th percentile of `values` by the nearest-rank rule (SortedTimes::percentile);
// `values` must not be empty and p lies in 0..100.
std::uint32_t NearestRankPercentile(std::span<const std::uint32_t> values, int percent);

// The arithmetic mean; absent for no values.
std::optional<double> Mean(std::span<const double> values);
// Highest minus lowest; absent for no values.
std::optional<double> Range(std::span<const double> values);
// The mean of |value - mean|; absent for no values.
std::optional<double> AverageDeviation(std::span<const double> values);
// The standard deviation about the mean, sqrt(mean of (value - mean)^2) (the population's,
// dividing by n); absent for no values.
std::optional<double> StandardDeviation(std::span<const double> values);
// The least-squares line through (1, values[0]), (2, values[1]), ...; absent for fewer than
// two values (the numbers 1 to n are never all equal, so two give a line).
std::optional<LeastSquaresLine> FitLine(std::span<const double> values);
// The scatter of `values` about `line` (numbered from 1 as FitLine numbers them): the standard
// error of a fitted line, sqrt(sum of (value - line)^2 / (n - 2)); absent for fewer than three
// values, which leave nothing to scatter.
std::optional<double> ResidualSpread(std::span<const double> values, const LeastSquaresLine& line);

// In ascending order of time a group's k-th time is its k-th smallest, so one pass over the
// sorted times gives every group's ranks.
template <typename GroupOf>
std::vector<AnswerTimes> SortedTimes::byGroup(std::size_t groupCount, GroupOf groupOf) const {
    std::vector<std::size_t> counts(groupCount, 0);
    for (const std::uint64_t key : keys_) ++counts[groupOf(static_cast<std::uint32_t>(key & kTagMask))];
    std::vector<std::size_t> medianRank(groupCount, 0);
    std::vector<std::size_t> ninetiethRank(groupCount, 0);
    for (std::size_t group = 0; group < groupCount; ++group) {
        if (counts[group] == 0) continue;
        medianRank[group] = NearestRank(kMedian, counts[group]);
        ninetiethRank[group] = NearestRank(kNinetieth, counts[group]);
        counts[group] = 0;
    }
    std::vector<AnswerTimes> times(groupCount);
    for (const std::uint64_t key : keys_) {
        const std::size_t group = groupOf(static_cast<std::uint32_t>(key & kTagMask));
        const std::size_t seen = ++counts[group];
        const auto time = static_cast<std::uint32_t>(key >> kTimeShift);
        if (seen == medianRank[group]) times[group].median = time;
        if (seen == ninetiethRank[group]) times[group].percentile90 = time;
    }
    return times;
}

} // namespace engine
