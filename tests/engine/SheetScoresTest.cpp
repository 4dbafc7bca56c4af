// SPDX-License-Identifier: GPL-3.0-or-later
// Each test's scores for small sheets, worked out by hand in the comments. The statistics'
// own edge cases (no values, one value) are StatisticsTest's; these check what each test
// feeds them and what it makes of them.
#include "engine/SheetScores.h"

#include "../support/SheetFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr std::uint64_t kSecond = 1000;
constexpr std::uint64_t kColumn = sheets::kColumnSeconds * kSecond;
constexpr std::uint64_t kLine = sheets::kLineSeconds * kSecond;
constexpr std::uint64_t kStroke = sheets::kStrokeSeconds * kSecond;
constexpr double kTolerance = 1e-9;

// ---- Kraepelin ----

engine::SheetFormat SixColumns() {
    engine::SheetFormat format = sheets::Columns();
    format.units = 6;
    format.digitsPerUnit = 27;
    return format;
}

// Five complete columns of heights 10, 12, 9, 14, 15 and a sixth cut by Stop at height 3.
// Column k's answers take 100 × k ms.
std::vector<engine::SheetAnswer> FiveColumnsAndAStop() {
    sheets::Record b;
    b.Period(0).Right(1, 100).Corrected(2).Right(7, 100).Wrong(1, 100).Blank(1);
    b.Period(1).Right(12, 200);
    // Two blanks and a pair answered, taken back and left: height 9, corrections 1 + 1.
    b.Period(2).Right(1, 300).Corrected(1).Right(6, 300).Blank(2).Withdrawn(1);
    b.Period(3).Right(12, 400).Wrong(2, 400);
    b.Period(4).Right(15, 500);
    b.Period(5).Right(2, 600).Wrong(1, 600);
    return b.pairs;
}

TEST(KraepelinScoresTest, FiveColumnsByHand) {
    const engine::SheetScores scores = engine::ScoreSheet(SixColumns(), FiveColumnsAndAStop(), 5 * kColumn + 4000);
    ASSERT_EQ(scores.periods.size(), 6u);
    EXPECT_EQ(scores.completePeriods, 5u);
    EXPECT_TRUE(scores.periods[5].partial);
    EXPECT_FALSE(scores.periods[4].partial);

    const std::vector<std::uint32_t> heights{10, 12, 9, 14, 15, 3};
    for (std::size_t column = 0; column < heights.size(); ++column)
        EXPECT_EQ(scores.periods[column].reached, heights[column]) << "column " << column + 1;
    EXPECT_EQ(scores.periods[0].right, 8u);
    EXPECT_EQ(scores.periods[0].wrong, 1u);
    EXPECT_EQ(scores.periods[0].skipped, 1u);
    EXPECT_EQ(scores.periods[0].corrections, 2u);
    EXPECT_EQ(scores.periods[2].skipped, 2u);
    EXPECT_EQ(scores.periods[2].corrections, 2u) << "the withdrawn pair's correction counts, its height does not";
    EXPECT_EQ(scores.periods[3].errors(), 2u);

    const engine::KraepelinScores& k = *scores.kraepelin;
    // Speed: (10 + 12 + 9 + 14 + 15) / 5 = 12; the cut column is left out.
    EXPECT_NEAR(*k.speed, 12.0, kTolerance);
    // Accuracy: wrong + blank over the whole sheet, cut column too: (1 + 1) + 0 + 2 + 2 + 0 + 1 = 7.
    EXPECT_EQ(k.accuracy, 7u);
    // Steadiness: 15 - 9 = 6; |10-12| + 0 + |9-12| + |14-12| + |15-12| = 10, / 5 = 2.
    EXPECT_EQ(*k.range, 6u);
    EXPECT_NEAR(*k.averageDeviation, 2.0, kTolerance);
    // Endurance: x - 3 = -2, -1, 0, 1, 2 and y - 12 = -2, 0, -3, 2, 3; b = (4 + 0 + 0 + 2 + 6) /
    // (4 + 1 + 0 + 1 + 4) = 1.2, a = 12 - 1.2 × 3 = 8.4, rise 1.2 × 4 = 4.8.
    EXPECT_NEAR(k.line->slope, 1.2, kTolerance);
    EXPECT_NEAR(k.line->intercept, 8.4, kTolerance);
    EXPECT_NEAR(*k.rise, 4.8, kTolerance);
    EXPECT_FALSE(scores.uchida);
    EXPECT_FALSE(scores.pauli);
}

TEST(KraepelinScoresTest, AnswerTimesAndPairMapByHand) {
    const engine::SheetScores scores = engine::ScoreSheet(SixColumns(), FiveColumnsAndAStop(), 5 * kColumn + 4000);
    // 60 answers (63 reached less 3 blanks): 9 at 100 ms, 12 at 200, 7 at 300, 14 at 400, 15
    // at 500, 3 at 600, so ranks 1-9, 10-21, 22-28, 29-42, 43-57, 58-60. Median rank
    // ceil(30) = 30: 400; 90th ceil(54) = 54: 500.
    EXPECT_EQ(scores.reached, 63u);
    EXPECT_EQ(scores.right, 56u);
    EXPECT_EQ(scores.wrong, 4u);
    EXPECT_EQ(scores.skipped, 3u);
    EXPECT_EQ(scores.corrections, 4u);
    EXPECT_EQ(scores.times.median, 400u);
    EXPECT_EQ(scores.times.percentile90, 500u);
    EXPECT_EQ(scores.periods[0].times.median, 100u);
    EXPECT_EQ(scores.periods[3].times.median, 400u);
    // 7 + 5: wrong at 100, 400, 400, 600 ms; median rank 2: 400.
    const engine::PairFigures& sevenFive = scores.pairs[75];
    EXPECT_EQ(sevenFive.answered, 4u);
    EXPECT_EQ(sevenFive.errors, 4u);
    EXPECT_EQ(sevenFive.medianMilliseconds, 400u);
    EXPECT_EQ(scores.pairs[34].answered, 56u);
    EXPECT_EQ(scores.pairs[34].errors, 0u);
    // Blanks have no answer and no place in the map.
    EXPECT_EQ(scores.pairs[66].answered, 0u);
    EXPECT_FALSE(scores.pairs[66].medianMilliseconds);
}

TEST(KraepelinScoresTest, StopExactlyAtACueLeavesNoPartialColumn) {
    std::vector<engine::SheetAnswer> record = FiveColumnsAndAStop();
    record.resize(record.size() - 3);
    const engine::SheetScores scores = engine::ScoreSheet(SixColumns(), record, 5 * kColumn);
    EXPECT_EQ(scores.periods.size(), 5u);
    EXPECT_EQ(scores.completePeriods, 5u);
}

TEST(KraepelinScoresTest, FiguresWithoutEnoughColumnsHaveNoValue) {
    sheets::Record b;
    b.Period(0).Right(10, 300);
    // One complete column: no line through one point, so no rise either.
    const engine::SheetScores one = engine::ScoreSheet(SixColumns(), b.pairs, kColumn + 1);
    EXPECT_FALSE(one.kraepelin->line);
    EXPECT_FALSE(one.kraepelin->rise);
    // Stopped in the first column: nothing to compare at all.
    const engine::SheetScores none = engine::ScoreSheet(SixColumns(), b.pairs, 3000);
    EXPECT_EQ(none.completePeriods, 0u);
    EXPECT_TRUE(none.periods[0].partial);
    EXPECT_FALSE(none.kraepelin->speed);
    EXPECT_FALSE(none.kraepelin->range);
    EXPECT_FALSE(none.kraepelin->averageDeviation);
}

TEST(KraepelinScoresTest, SittingRecordScoresAsItWasWorked) {
    ScriptedClock clock;
    const engine::SheetFormat format = sheets::Columns();
    engine::SheetSitting sitting(format, engine::MakeSheet(format, 11), clock);
    sitting.Start();
    const auto right = [&] { sitting.TypeDigit(sheets::RightAnswer(sitting)); };
    // Column 1: three answers and a pass; column 2: one answer, one taken back; column 3:
    // nothing.
    clock.Advance(1000);
    right();
    right();
    right();
    sitting.Pass();
    clock.Advance(kColumn);
    right();
    right();
    sitting.Backspace();
    clock.Advance(2 * kColumn);
    sitting.Poll();
    ASSERT_EQ(sitting.phase(), engine::SheetSitting::Phase::Finished);
    const engine::SheetScores scores = engine::ScoreSheet(format, sitting.record(), sitting.elapsedMs());
    ASSERT_EQ(scores.periods.size(), 3u);
    EXPECT_EQ(scores.completePeriods, 3u);
    EXPECT_EQ(scores.periods[0].reached, 4u);
    EXPECT_EQ(scores.periods[0].skipped, 1u);
    EXPECT_EQ(scores.periods[1].reached, 1u);
    EXPECT_EQ(scores.periods[1].corrections, 1u);
    EXPECT_EQ(scores.periods[2].reached, 0u);
    // Heights 4, 1, 0: mean 5/3; slope (-1)(4 - 5/3) + (1)(0 - 5/3) over 2 = -2.
    EXPECT_NEAR(*scores.kraepelin->speed, 5.0 / 3.0, kTolerance);
    EXPECT_NEAR(scores.kraepelin->line->slope, -2.0, kTolerance);
}

// Answers recorded past the time the sitting is said to have lasted, or a time past the
// sheet's end: every period stays in bounds and is counted once.
TEST(KraepelinScoresTest, RecordAndTimeThatDisagreeStayInBounds) {
    const std::vector<engine::SheetAnswer> record = FiveColumnsAndAStop();
    const engine::SheetScores early = engine::ScoreSheet(SixColumns(), record, 2 * kColumn);
    ASSERT_EQ(early.periods.size(), 6u);
    EXPECT_EQ(early.completePeriods, 2u);
    EXPECT_TRUE(early.periods[2].partial);
    EXPECT_EQ(early.periods[5].reached, 3u);
    EXPECT_NEAR(*early.kraepelin->speed, 11.0, kTolerance);

    const engine::SheetScores late = engine::ScoreSheet(SixColumns(), record, 100 * kColumn);
    ASSERT_EQ(late.periods.size(), 6u);
    EXPECT_EQ(late.completePeriods, 6u);
    EXPECT_FALSE(late.periods[5].partial);
}

// ---- Uchida-Kraepelin ----

engine::SheetFormat FourLines() {
    engine::SheetFormat format = sheets::Lines();
    format.digitsPerUnit = 60;
    return format;
}

constexpr std::uint64_t kFourLinesEnd = 4 * kLine + sheets::kBreakSeconds * kSecond;

// Lines of the given amounts, all right but the first line's 2 wrong and 1 blank.
std::vector<engine::SheetAnswer> Lines(const std::vector<int>& amounts) {
    sheets::Record b;
    for (std::size_t line = 0; line < amounts.size(); ++line) {
        const auto number = static_cast<std::uint16_t>(line);
        b.Period(number);
        if (line == 0 && amounts[0] >= 3) {
            b.Right(amounts[0] - 3, 500).Wrong(2, 500).Blank(1);
        } else {
            b.Right(amounts[line], 500);
        }
    }
    return b.pairs;
}

TEST(UchidaScoresTest, FourLinesByHand) {
    const engine::SheetScores scores = engine::ScoreSheet(FourLines(), Lines({40, 30, 36, 44}), kFourLinesEnd);
    ASSERT_EQ(scores.completePeriods, 4u);
    EXPECT_EQ(scores.periods[0].reached, 40u);
    EXPECT_EQ(scores.periods[0].errors(), 3u);
    const engine::UchidaScores& u = *scores.uchida;
    // First half 40, 30: mean 35, initial effort 40 / 35, fluctuation (40 - 30) / 35.
    EXPECT_EQ(u.first.firstLine, 0u);
    EXPECT_EQ(u.first.completeLines, 2u);
    EXPECT_NEAR(*u.first.meanAmount, 35.0, kTolerance);
    EXPECT_NEAR(*u.first.initialEffort, 40.0 / 35.0, kTolerance);
    EXPECT_NEAR(*u.first.fluctuation, 10.0 / 35.0, kTolerance);
    // Second half 36, 44: mean 40, initial effort 36 / 40 = 0.9, fluctuation 8 / 40 = 0.2.
    ASSERT_TRUE(u.second);
    EXPECT_EQ(u.second->firstLine, 2u);
    EXPECT_NEAR(*u.second->meanAmount, 40.0, kTolerance);
    EXPECT_NEAR(*u.second->initialEffort, 0.9, kTolerance);
    EXPECT_NEAR(*u.second->fluctuation, 0.2, kTolerance);
    // Rest effect: 40 / 35.
    EXPECT_NEAR(*u.restEffect, 40.0 / 35.0, kTolerance);
    EXPECT_FALSE(scores.kraepelin);
}

struct ZeroMeanCase {
    const char* label;
    std::vector<int> amounts;
    bool firstRatios;
    bool secondRatios;
    std::optional<double> restEffect;
};

void PrintTo(const ZeroMeanCase& c, std::ostream* os) { *os << c.label; }

class UchidaZeroMeanTest : public testing::TestWithParam<ZeroMeanCase> {};

TEST_P(UchidaZeroMeanTest, RatiosOverAZeroMeanHaveNoValue) {
    const ZeroMeanCase& c = GetParam();
    const engine::UchidaScores u = *engine::ScoreSheet(FourLines(), Lines(c.amounts), kFourLinesEnd).uchida;
    EXPECT_EQ(u.first.initialEffort.has_value(), c.firstRatios);
    EXPECT_EQ(u.first.fluctuation.has_value(), c.firstRatios);
    EXPECT_EQ(u.second->initialEffort.has_value(), c.secondRatios);
    EXPECT_EQ(u.second->fluctuation.has_value(), c.secondRatios);
    EXPECT_EQ(u.restEffect.has_value(), c.restEffect.has_value());
    if (c.restEffect) {
        EXPECT_NEAR(*u.restEffect, *c.restEffect, kTolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(Amounts, UchidaZeroMeanTest,
                         testing::Values(
                             // 0 / 35 is a rest effect of 0; the empty half has no ratios of its own.
                             ZeroMeanCase{"empty second half", {40, 30, 0, 0}, true, false, 0.0},
                             // 40 / 0 is none.
                             ZeroMeanCase{"empty first half", {0, 0, 36, 44}, false, true, std::nullopt},
                             ZeroMeanCase{"empty sheet", {0, 0, 0, 0}, false, false, std::nullopt}));

TEST(UchidaScoresTest, StopDuringTheBreakLeavesTheSecondHalfWithoutFigures) {
    const engine::SheetScores scores = engine::ScoreSheet(FourLines(), Lines({40, 30}), 2 * kLine + 30 * kSecond);
    EXPECT_EQ(scores.periods.size(), 2u) << "no line was begun after the break";
    const engine::UchidaScores& u = *scores.uchida;
    EXPECT_NEAR(*u.first.meanAmount, 35.0, kTolerance);
    EXPECT_EQ(u.second->completeLines, 0u);
    EXPECT_FALSE(u.second->meanAmount);
    EXPECT_FALSE(u.restEffect);
}

TEST(UchidaScoresTest, LinesWithoutABreakAreOneHalf) {
    engine::SheetFormat format = FourLines();
    format.breakAfter = 0;
    format.breakSeconds = 0;
    const engine::UchidaScores u = *engine::ScoreSheet(format, Lines({40, 30, 36, 44}), 4 * kLine).uchida;
    EXPECT_EQ(u.first.firstLine, 0u);
    EXPECT_EQ(u.first.completeLines, 4u);
    // (40 + 30 + 36 + 44) / 4 = 37.5; initial 40 / 37.5; fluctuation (44 - 30) / 37.5.
    EXPECT_NEAR(*u.first.meanAmount, 37.5, kTolerance);
    EXPECT_NEAR(*u.first.initialEffort, 40.0 / 37.5, kTolerance);
    EXPECT_NEAR(*u.first.fluctuation, 14.0 / 37.5, kTolerance);
    EXPECT_FALSE(u.second);
    EXPECT_FALSE(u.restEffect);
}

// ---- Pauli ----

// Periods of 60, 70 and 56 additions.
std::vector<engine::SheetAnswer> ThreePeriods() {
    sheets::Record b;
    b.Period(0).Right(1, 900).Corrected(1).Right(56, 900).Wrong(3, 900);
    b.Period(1).Right(1, 800).Corrected(2).Right(67, 800).Wrong(1, 800).Blank(1);
    b.Period(2).Right(54, 700).Wrong(2, 700);
    return b.pairs;
}

TEST(PauliScoresTest, ThreePeriodsByHand) {
    const engine::SheetScores scores = engine::ScoreSheet(sheets::Pauli(4000), ThreePeriods(), 3 * kStroke);
    ASSERT_EQ(scores.completePeriods, 3u);
    EXPECT_EQ(scores.periods[0].reached, 60u);
    EXPECT_EQ(scores.periods[0].errors(), 3u);
    EXPECT_EQ(scores.periods[0].corrections, 1u);
    EXPECT_EQ(scores.periods[1].reached, 70u);
    EXPECT_EQ(scores.periods[1].errors(), 2u);
    EXPECT_EQ(scores.periods[1].corrections, 2u);
    EXPECT_EQ(scores.periods[2].reached, 56u);
    const engine::PauliScores& p = *scores.pauli;
    // Total 60 + 70 + 56 = 186; errors 3 + 2 + 2 = 7, 700 / 186 %.
    EXPECT_EQ(p.total, 186u);
    EXPECT_NEAR(*p.errorPercent, 700.0 / 186.0, kTolerance);
    // Mean 62: (2 + 8 + 6) / 3.
    EXPECT_NEAR(*p.averageDeviation, 16.0 / 3.0, kTolerance);
    // x - 2 = -1, 0, 1 and y - 62 = -2, 8, -6: b = (2 + 0 - 6) / 2 = -2, a = 62 + 2 × 2 = 66.
    EXPECT_NEAR(p.line->slope, -2.0, kTolerance);
    EXPECT_NEAR(p.line->intercept, 66.0, kTolerance);
    // Times: 59 at 900, 69 at 800, 56 at 700 ms; 184 answers, median rank 92: 800; 90th
    // rank ceil(165.6) = 166: 900.
    EXPECT_EQ(scores.times.median, 800u);
    EXPECT_EQ(scores.times.percentile90, 900u);
}

TEST(PauliScoresTest, StoppedInsideAPeriodComparesTheCompleteOnesOnly) {
    const engine::SheetScores scores =
        engine::ScoreSheet(sheets::Pauli(4000), ThreePeriods(), 2 * kStroke + 40 * kSecond);
    EXPECT_EQ(scores.completePeriods, 2u);
    EXPECT_TRUE(scores.periods[2].partial);
    const engine::PauliScores& p = *scores.pauli;
    EXPECT_EQ(p.total, 186u) << "every addition counts in the total";
    // 60 and 70: mean 65, deviation 5; the line through them rises 10 a period: a = 65 - 10 × 1.5.
    EXPECT_NEAR(*p.averageDeviation, 5.0, kTolerance);
    EXPECT_NEAR(p.line->slope, 10.0, kTolerance);
    EXPECT_NEAR(p.line->intercept, 50.0, kTolerance);

    // Stopped exactly at the second stroke: two complete periods and nothing partial.
    std::vector<engine::SheetAnswer> firstTwo = ThreePeriods();
    firstTwo.resize(130);
    const engine::SheetScores atStroke = engine::ScoreSheet(sheets::Pauli(4000), firstTwo, 2 * kStroke);
    EXPECT_EQ(atStroke.periods.size(), 2u);
    EXPECT_EQ(atStroke.completePeriods, 2u);

    const engine::SheetScores early = engine::ScoreSheet(sheets::Pauli(4000), {}, 100 * kSecond);
    EXPECT_EQ(early.pauli->total, 0u);
    EXPECT_FALSE(early.pauli->errorPercent) << "no additions, no share of errors";
}

} // namespace
