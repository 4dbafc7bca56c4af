// SPDX-License-Identifier: GPL-3.0-or-later
// One curve for the drill and the sheets: a drill run's minutes give exactly its work
// curve's figures, and a sitting's columns, lines or periods its scores' figures.
#include "engine/PeriodCurve.h"

#include "../support/SheetFixture.h"
#include "engine/RecordedAnswer.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using engine::CurvePeriod;
using engine::MakeRecordedAnswer;

constexpr double kTolerance = 1e-9;

struct RunCase {
    const char* name;
    std::vector<engine::RecordedAnswer> answers;
    engine::RunLength length;
    std::vector<CurvePeriod> periods;
    std::size_t complete;
    bool hasLine;
};

class RunCurveTest : public testing::TestWithParam<RunCase> {};

// Every minute its figures, and the line the work curve's trend line.
TEST_P(RunCurveTest, MinutesAreThePeriods) {
    const RunCase& c = GetParam();
    const engine::WorkCurve work = engine::AnalyseWorkCurve(c.answers, c.length);
    const engine::PeriodCurve curve = engine::CurveOfRun(work);
    EXPECT_EQ(curve.periods, c.periods);
    EXPECT_EQ(curve.completePeriods, c.complete);
    EXPECT_FALSE(curve.breakBefore);
    ASSERT_EQ(curve.line.has_value(), c.hasLine);
    if (!c.hasLine) return;
    EXPECT_NEAR(curve.line->slope, *work.trend, kTolerance);
    for (const double minute : {1.0, 2.0, 3.0, 7.5})
        EXPECT_NEAR(curve.line->at(minute), *work.trendAt(minute), kTolerance) << minute;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RunCurveTest,
    testing::Values(
        RunCase{"Empty", {}, {0, 0}, {}, 0, false},
        // 4 answers in minute 1 (3 true, median 2000), 2 in minute 2 (1 true), 1 in the
        // partial third: answered 4, 2 make a trend of -2.
        RunCase{"TwoMinutesAndAPartialOne",
                {MakeRecordedAnswer(7, 5, "2", true, 0, 1000), MakeRecordedAnswer(7, 5, "3", false, 0, 2000),
                 MakeRecordedAnswer(6, 9, "5", true, 0, 3000), MakeRecordedAnswer(0, 0, "0", true, 0, 4000),
                 MakeRecordedAnswer(7, 5, "2", true, 1, 500), MakeRecordedAnswer(6, 9, "6", false, 1, 1500),
                 MakeRecordedAnswer(1, 1, "2", true, 2, 700)},
                {2, 30},
                {{4, 3, 2000, false}, {2, 1, 500, false}, {1, 1, 700, true}},
                2,
                true},
        // One complete minute has a speed but no trend.
        RunCase{"OneMinute", {MakeRecordedAnswer(1, 2, "3", true, 0, 900)}, {1, 0}, {{1, 1, 900, false}}, 1, false}),
    [](const testing::TestParamInfo<RunCase>& info) { return std::string(info.param.name); });

engine::PeriodScores Scored(std::uint32_t reached, std::uint32_t right, std::optional<std::uint32_t> median,
                            bool partial = false) {
    engine::PeriodScores period;
    period.reached = reached;
    period.right = right;
    period.wrong = reached - right;
    period.times.median = median;
    period.partial = partial;
    return period;
}

// Columns, lines and 3-minute periods scored by the core for small sittings.
TEST(SittingCurveTest, ColumnsCarryKraepelinsLine) {
    const engine::SheetFormat format = sheets::Columns();
    // Heights 3, 2 and 1 right answers, the third column stopped inside.
    sheets::Record record;
    record.Period(0).Right(3, 1000).Period(1).Right(2, 2000).Period(2).Right(1, 3000);
    const engine::SheetScores scores =
        engine::ScoreSheet(format, record.pairs, 2 * sheets::kColumnSeconds * 1000 + 5000);
    const engine::PeriodCurve curve = engine::CurveOfSitting(scores);
    EXPECT_EQ(curve.periods, (std::vector<CurvePeriod>{{3, 3, 1000, false}, {2, 2, 2000, false}, {1, 1, 3000, true}}));
    EXPECT_EQ(curve.completePeriods, 2u);
    ASSERT_TRUE(curve.line);
    EXPECT_NEAR(curve.line->slope, -1.0, kTolerance);
    EXPECT_NEAR(curve.line->at(1.0), 3.0, kTolerance);
    EXPECT_FALSE(curve.breakBefore);
}

struct ScoresCase {
    const char* name;
    engine::SheetScores scores;
    std::optional<std::size_t> breakBefore;
    bool hasLine;
};

engine::SheetScores Uchida(std::size_t lines, std::optional<std::uint32_t> secondHalf) {
    engine::SheetScores scores;
    scores.family = engine::ScoreFamily::Uchida;
    for (std::size_t line = 0; line < lines; ++line) scores.periods.push_back(Scored(5, 4, 800));
    scores.completePeriods = lines;
    scores.uchida.emplace();
    if (secondHalf) scores.uchida->second = engine::UchidaHalf{*secondHalf, 0, {}, {}, {}};
    return scores;
}

engine::SheetScores Pauli(bool withLine) {
    engine::SheetScores scores;
    scores.family = engine::ScoreFamily::Pauli;
    scores.periods = {Scored(5, 4, 1200), Scored(7, 7, 1100)};
    scores.completePeriods = 2;
    scores.pauli.emplace();
    if (withLine) scores.pauli->line = engine::LeastSquaresLine{3.0, 2.0};
    return scores;
}

class SittingScoresCurveTest : public testing::TestWithParam<ScoresCase> {};

// The break lies between the halves only once the second half has begun; the line is the
// test's own.
TEST_P(SittingScoresCurveTest, BreakAndLineAreTheTests) {
    const ScoresCase& c = GetParam();
    const engine::PeriodCurve curve = engine::CurveOfSitting(c.scores);
    EXPECT_EQ(curve.breakBefore, c.breakBefore);
    EXPECT_EQ(curve.line.has_value(), c.hasLine);
    ASSERT_EQ(curve.periods.size(), c.scores.periods.size());
    for (std::size_t i = 0; i < curve.periods.size(); ++i) {
        EXPECT_EQ(curve.periods[i].reached, c.scores.periods[i].reached);
        EXPECT_EQ(curve.periods[i].right, c.scores.periods[i].right);
    }
}

INSTANTIATE_TEST_SUITE_P(Sittings, SittingScoresCurveTest,
                         testing::Values(ScoresCase{"UchidaBothHalves", Uchida(4, 2), 2, false},
                                         ScoresCase{"UchidaStoppedBeforeTheBreak", Uchida(2, 2), std::nullopt, false},
                                         ScoresCase{"UchidaWithoutABreak", Uchida(3, std::nullopt), std::nullopt,
                                                    false},
                                         ScoresCase{"PauliPeriods", Pauli(true), std::nullopt, true},
                                         ScoresCase{"PauliOnePeriodHasNoLine", Pauli(false), std::nullopt, false}),
                         [](const testing::TestParamInfo<ScoresCase>& info) { return std::string(info.param.name); });

} // namespace
