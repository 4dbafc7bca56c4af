// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Statistics.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <numeric>
#include <utility>

namespace engine {

std::size_t NearestRank(int percent, std::size_t count) {
    assert(percent >= 0 && percent <= 100);
    return std::max<std::size_t>(1, (static_cast<std::size_t>(percent) * count + 99) / 100);
}

// A least-significant-digit radix sort over the time's four bytes, leaving out the bytes
// every time shares (answer times rarely need more than two).
SortedTimes::SortedTimes(std::span<const std::uint32_t> times, std::span<const std::uint32_t> tags)
    : keys_(times.size()) {
    assert(tags.empty() || tags.size() == times.size());
    constexpr std::size_t kBytes = 4;
    constexpr std::size_t kBins = 256;
    std::array<std::array<std::size_t, kBins>, kBytes> counts{};
    for (std::size_t i = 0; i < times.size(); ++i) {
        keys_[i] = std::uint64_t{times[i]} << kTimeShift | (tags.empty() ? 0 : tags[i]);
        for (std::size_t byte = 0; byte < kBytes; ++byte) ++counts[byte][(times[i] >> (8 * byte)) & 0xFF];
    }
    std::vector<std::uint64_t> sorted(times.size());
    for (std::size_t byte = 0; byte < kBytes; ++byte) {
        std::array<std::size_t, kBins>& bins = counts[byte];
        if (std::any_of(bins.begin(), bins.end(), [&](std::size_t count) { return count == times.size(); })) continue;
        std::size_t next = 0;
        for (std::size_t& bin : bins) next += std::exchange(bin, next);
        for (const std::uint64_t key : keys_) sorted[bins[(key >> (kTimeShift + 8 * byte)) & 0xFF]++] = key;
        keys_.swap(sorted);
    }
}

std::uint32_t SortedTimes::percentile(int percent) const {
    assert(!keys_.empty());
    return static_cast<std::uint32_t>(keys_[NearestRank(percent, keys_.size()) - 1] >> kTimeShift);
}

AnswerTimes SortedTimes::all() const {
    if (keys_.empty()) return {};
    return {percentile(kMedian), percentile(kNinetieth)};
}

std::uint32_t NearestRankPercentile(std::span<const std::uint32_t> values, int percent) {
    return SortedTimes(values).percentile(percent);
}

std::optional<double> Mean(std::span<const double> values) {
    if (values.empty()) return std::nullopt;
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

std::optional<double> Range(std::span<const double> values) {
    if (values.empty()) return std::nullopt;
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    return *highest - *lowest;
}

std::optional<double> AverageDeviation(std::span<const double> values) {
    const std::optional<double> mean = Mean(values);
    if (!mean) return std::nullopt;
    double sum = 0.0;
    for (const double value : values) sum += std::abs(value - *mean);
    return sum / static_cast<double>(values.size());
}

std::optional<double> StandardDeviation(std::span<const double> values) {
    const std::optional<double> mean = Mean(values);
    if (!mean) return std::nullopt;
    double sum = 0.0;
    for (const double value : values) sum += (value - *mean) * (value - *mean);
    return std::sqrt(sum / static_cast<double>(values.size()));
}

std::optional<LeastSquaresLine> FitLine(std::span<const double> values) {
    if (values.size() < 2) return std::nullopt;
    const auto n = static_cast<double>(values.size());
    const double meanX = (n + 1.0) / 2.0;
    const double meanY = *Mean(values);
    // Slope = sum((x - mean x)(y - mean y)) / sum((x - mean x)^2), over centred values so
    // that long runs and sheets lose no precision.
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

std::optional<double> ResidualSpread(std::span<const double> values, const LeastSquaresLine& line) {
    if (values.size() < 3) return std::nullopt;
    double sum = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double residual = values[i] - line.at(static_cast<double>(i + 1));
        sum += residual * residual;
    }
    return std::sqrt(sum / static_cast<double>(values.size() - 2));
}

} // namespace engine
