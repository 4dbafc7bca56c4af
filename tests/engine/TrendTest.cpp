// SPDX-License-Identifier: GPL-3.0-or-later
// The trend rule on made-up courses, the changes and scatters worked out by hand (Trend.h).
#include "engine/Trend.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

using engine::Better;
using engine::TrendKind;

struct TrendCase {
    const char* label;
    std::vector<double> values;
    Better better;
    std::optional<TrendKind> kind;
};

void PrintTo(const TrendCase& c, std::ostream* os) { *os << c.label; }

class TrendRuleTest : public testing::TestWithParam<TrendCase> {};

TEST_P(TrendRuleTest, SortsTheCourse) {
    const TrendCase& c = GetParam();
    const std::optional<engine::Trend> trend = engine::TrendOf(c.values, c.better);
    ASSERT_EQ(trend.has_value(), c.kind.has_value());
    if (c.kind) {
        EXPECT_EQ(trend->kind, *c.kind);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Courses, TrendRuleTest, testing::Values(
    TrendCase{"three sittings have no trend", {10, 12, 14}, Better::Higher, std::nullopt},
    TrendCase{"a straight rise of the speed improves", {10, 11, 12, 13}, Better::Higher, TrendKind::Improving},
    TrendCase{"a straight fall of the speed worsens", {13, 12, 11, 10}, Better::Higher, TrendKind::Worsening},
    TrendCase{"rising errors worsen", {2, 4, 6, 8}, Better::Lower, TrendKind::Worsening},
    TrendCase{"falling errors improve", {8, 6, 4, 2}, Better::Lower, TrendKind::Improving},
    // Change 2.4 against a scatter of 0.95: more than twice.
    TrendCase{"a rise through some scatter improves", {10, 12, 11, 13}, Better::Higher, TrendKind::Improving},
    // Change 2.4 against a scatter of 2.53 (21 % of 12): no trend, much scatter.
    TrendCase{"a zigzag is variable", {10, 14, 10, 14}, Better::Higher, TrendKind::Variable},
    // Change 1.86 under twice the scatter 1.17, which is 10.4 % of 11.25; with 1.05 (9.3 %) steady.
    TrendCase{"scatter just above a tenth is variable", {10, 12, 10.4, 12.6}, Better::Higher, TrendKind::Variable},
    TrendCase{"scatter just below a tenth is steady", {10, 12, 10.6, 12.4}, Better::Higher, TrendKind::Steady},
    TrendCase{"small wobbles are steady", {20, 20.5, 19.8, 20.2}, Better::Higher, TrendKind::Steady},
    // Straight lines: a change of 3 is 3 % of 100.5, too small; 9 is 8.9 % of 101.5.
    TrendCase{"a change under 5 % is steady", {99, 100, 101, 102}, Better::Higher, TrendKind::Steady},
    TrendCase{"a change over 5 % is a trend", {97, 100, 103, 106}, Better::Higher, TrendKind::Improving},
    TrendCase{"no errors at all are steady", {0, 0, 0, 0}, Better::Lower, TrendKind::Steady},
    TrendCase{"a figure better neither way rises", {0.9, 1.0, 1.1, 1.2}, Better::Neither, TrendKind::Rising},
    TrendCase{"a figure better neither way falls", {1.2, 1.1, 1.0, 0.9}, Better::Neither, TrendKind::Falling},
    // The eleventh sitting back is left out: with it the speed would have fallen.
    TrendCase{"only the last ten count", {100, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, Better::Higher,
              TrendKind::Steady}));
// clang-format on

TEST(TrendOfSittingsTest, ReadsNewestFirstAndSkipsSittingsWithoutTheFigure) {
    // Newest first, as a store lists them: panker 13, (none), 12, 11, 10 is a rise.
    std::vector<engine::SittingSummary> sittings(5);
    const double pankers[] = {13, -1, 12, 11, 10};
    for (std::size_t i = 0; i < sittings.size(); ++i) {
        if (pankers[i] >= 0) sittings[i].figures.set(engine::FigureKey::Panker, pankers[i]);
    }
    const std::optional<engine::Trend> trend = engine::TrendOf(sittings, engine::FigureKey::Panker);
    ASSERT_TRUE(trend);
    EXPECT_EQ(trend->kind, TrendKind::Improving);
    EXPECT_EQ(trend->sittings, 4u);
    EXPECT_FALSE(engine::TrendOf(sittings, engine::FigureKey::Tianker)) << "no sitting has a tianker";
}

} // namespace
