// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of the work curve and the sheets' scores against figures worked out by hand.
#include "engine/Statistics.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

constexpr double kTolerance = 1e-9;

struct SeriesCase {
    const char* label;
    std::vector<double> values;
    std::optional<double> mean;
    std::optional<double> range;
    std::optional<double> averageDeviation;
    // The line through (1, values[0]), (2, values[1]), ...
    std::optional<double> slope;
    std::optional<double> intercept;
    std::optional<double> standardDeviation;
    // The scatter about that line: sqrt(sum of squared residuals / (n - 2)).
    std::optional<double> spread;
};

void PrintTo(const SeriesCase& c, std::ostream* os) { *os << c.label; }

void ExpectNear(const std::optional<double>& got, const std::optional<double>& expected, const char* what) {
    ASSERT_EQ(got.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*got, *expected, kTolerance) << what;
    }
}

class SeriesTest : public testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesTest, GivesTheHandWorkedFigures) {
    const SeriesCase& c = GetParam();
    ExpectNear(engine::Mean(c.values), c.mean, "mean");
    ExpectNear(engine::Range(c.values), c.range, "range");
    ExpectNear(engine::AverageDeviation(c.values), c.averageDeviation, "average deviation");
    const std::optional<engine::LeastSquaresLine> line = engine::FitLine(c.values);
    ExpectNear(line ? std::optional(line->slope) : std::nullopt, c.slope, "slope");
    ExpectNear(line ? std::optional(line->intercept) : std::nullopt, c.intercept, "intercept");
    ExpectNear(engine::StandardDeviation(c.values), c.standardDeviation, "standard deviation");
    ExpectNear(line ? engine::ResidualSpread(c.values, *line) : std::nullopt, c.spread, "spread");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Series, SeriesTest, testing::Values(
    SeriesCase{"none", {}, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    SeriesCase{"one value: no line", {7}, 7.0, 0.0, 0.0, std::nullopt, std::nullopt, 0.0, std::nullopt},
    // Mean 9; |10 - 9| = |8 - 9| = 1; the line falls by 2 from 10 at 1, so 12 at 0.
    SeriesCase{"two values", {10, 8}, 9.0, 2.0, 1.0, -2.0, 12.0, 1.0, std::nullopt},
    // Centred x -1, 0, 1 against y - 4 = 0, -2, 2: slope 2 / 2 = 1 through (2, 4); residuals 1, -2, 1.
    SeriesCase{"three values", {4, 2, 6}, 4.0, 4.0, 4.0 / 3.0, 1.0, 2.0, std::sqrt(8.0 / 3.0), std::sqrt(6.0)},
    SeriesCase{"level", {5, 5, 5, 5}, 5.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0},
    // Mean 22; deviations 21, 20, 19, 18, 78 sum to 156; slope (42 + 20 - 18 + 156) / 10 = 20;
    // squared deviations sum to 7610, residuals 19, 0, -19, -38, 38 square to 3610.
    SeriesCase{"an outlier", {1, 2, 3, 4, 100}, 22.0, 99.0, 31.2, 20.0, -38.0, std::sqrt(1522.0), std::sqrt(3610.0 / 3.0)},
    // Far from 0, centred sums keep every digit.
    SeriesCase{"large values", {1e9 + 1, 1e9 + 2, 1e9 + 3}, 1e9 + 2, 2.0, 2.0 / 3.0, 1.0, 1e9, std::sqrt(2.0 / 3.0), 0.0}));
// clang-format on

TEST(NearestRankTest, IsTheCeilingOfPTimesNAndAtLeastOne) {
    const struct {
        int percent;
        std::size_t count;
        std::size_t rank;
    } cases[] = {{0, 5, 1},    {50, 1, 1},  {50, 4, 2},    {50, 5, 3}, {90, 10, 9},
                 {90, 11, 10}, {100, 7, 7}, {1, 1000, 10}, {1, 101, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(engine::NearestRank(c.percent, c.count), c.rank) << c.percent << " of " << c.count;
}

// Times that differ in each of their four bytes, so every pass of the sort counts.
TEST(SortedTimesTest, TakesEachGroupsRanksFromOneOrder) {
    const std::vector<std::uint32_t> times = {0xFFFF'FFFF, 500, 0x0100'0000, 0x0001'0000, 300, 0x0100'0001, 500};
    const std::vector<std::uint32_t> tags = {0, 1, 0, 1, 1, 0, 1};
    const engine::SortedTimes sorted(times, tags);
    // Ascending: 300, 500, 500, 0x10000, 0x1000000, 0x1000001, 0xFFFFFFFF; ranks 4 and 7.
    EXPECT_EQ(sorted.all().median, 0x0001'0000u);
    EXPECT_EQ(sorted.all().percentile90, 0xFFFF'FFFFu);
    EXPECT_EQ(sorted.percentile(0), 300u);
    const std::vector<engine::AnswerTimes> groups = sorted.byGroup(3, [](std::uint32_t tag) { return tag; });
    ASSERT_EQ(groups.size(), 3u);
    // Group 0: 0x1000000, 0x1000001, 0xFFFFFFFF, ranks 2 and 3; group 1: 300, 500, 500,
    // 0x10000, ranks 2 and 4; group 2 has no times.
    EXPECT_EQ(groups[0].median, 0x0100'0001u);
    EXPECT_EQ(groups[0].percentile90, 0xFFFF'FFFFu);
    EXPECT_EQ(groups[1].median, 500u);
    EXPECT_EQ(groups[1].percentile90, 0x0001'0000u);
    EXPECT_FALSE(groups[2].median || groups[2].percentile90);
    EXPECT_FALSE(engine::SortedTimes({}).all().median);
}

} // namespace
