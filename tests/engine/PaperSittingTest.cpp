// SPDX-License-Identifier: GPL-3.0-or-later
// A sheet worked on paper: the entry's checks at each edge, and its scores worked by hand.
#include "engine/PaperSitting.h"

#include "../support/SheetFixture.h"
#include "engine/SheetCsv.h"
#include "engine/SheetScores.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Field = engine::PaperError::Field;
using Problem = engine::PaperError::Problem;
constexpr std::uint32_t kSeed = 5;

// Three columns of 4 pairs; ends and errors per column.
engine::PaperEntry Columns(std::vector<engine::PaperRow> rows, bool counts = false) {
    engine::PaperEntry entry;
    entry.detail = counts ? engine::PaperEntry::Detail::Counts : engine::PaperEntry::Detail::Pairs;
    entry.rows = std::move(rows);
    return entry;
}

engine::PaperRow Row(std::uint32_t unit, std::uint32_t end, std::vector<std::uint32_t> wrong = {},
                     std::vector<std::uint32_t> skipped = {}) {
    engine::PaperRow row;
    row.end = {unit, end};
    for (const std::uint32_t pair : wrong) row.wrong.push_back({unit, pair});
    for (const std::uint32_t pair : skipped) row.skipped.push_back({unit, pair});
    return row;
}

engine::PaperRow Counted(std::uint32_t unit, std::uint32_t end, std::uint32_t wrong, std::uint32_t skipped) {
    engine::PaperRow row = Row(unit, end);
    row.wrongCount = wrong;
    row.skippedCount = skipped;
    return row;
}

struct RefusalCase {
    const char* name;
    engine::PaperEntry entry;
    engine::PaperEnd end;
    std::size_t row;
    Field field;
    Problem problem;
    std::string described;
};

class PaperEntryRefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(PaperEntryRefusalTest, NamesTheRowTheFieldAndWhatIsWrong) {
    const RefusalCase& c = GetParam();
    const engine::SheetFormat format = sheets::Columns();
    engine::PaperError error;
    EXPECT_FALSE(engine::MakePaperRecord(format, engine::MakeSheet(format, kSeed), c.entry, c.end, error));
    EXPECT_EQ(error.row, c.row);
    EXPECT_EQ(error.field, c.field);
    EXPECT_EQ(error.problem, c.problem);
    EXPECT_EQ(error.Describe(format), c.described);
}

constexpr std::uint64_t kColumnMs = sheets::kColumnSeconds * 1000;

INSTANTIATE_TEST_SUITE_P(
    Edges, PaperEntryRefusalTest,
    testing::Values(RefusalCase{"RowMissing",
                                Columns({Row(1, 4), Row(2, 4)}),
                                {},
                                0,
                                Field::None,
                                Problem::RowCount,
                                "the entry has 2 rows; the sheet has 3"},
                    RefusalCase{"EndBeyondTheColumn",
                                Columns({Row(1, 4), Row(2, 5), Row(3, 0)}),
                                {},
                                1,
                                Field::End,
                                Problem::OutOfRange,
                                "column 2, last pair reached: must be 0 to 4, not 5"},
                    RefusalCase{"WrongBeyondTheEnd",
                                Columns({Row(1, 2, {3}), Row(2, 4), Row(3, 0)}),
                                {},
                                0,
                                Field::Wrong,
                                Problem::BeyondEnd,
                                "column 1, wrong pairs: pair 3 is beyond the last pair reached"},
                    RefusalCase{"BlankPairZero",
                                Columns({Row(1, 4), Row(2, 4), Row(3, 2, {}, {0})}),
                                {},
                                2,
                                Field::Skipped,
                                Problem::OutOfRange,
                                "column 3, blank pairs: pair must be 1 to 4, not 0"},
                    RefusalCase{"BlankOnAPairOfNoColumn",
                                Columns({Row(1, 4, {}, {5}), Row(2, 4), Row(3, 0)}),
                                {},
                                0,
                                Field::Skipped,
                                Problem::OutOfRange,
                                "column 1, blank pairs: pair must be 1 to 4, not 5"},
                    RefusalCase{"WrongAndBlankAtOnce",
                                Columns({Row(1, 4, {2}, {2}), Row(2, 4), Row(3, 0)}),
                                {},
                                0,
                                Field::Skipped,
                                Problem::Twice,
                                "column 1, blank pairs: pair 2 is named twice, or both wrong and blank"},
                    RefusalCase{"CountsBeyondTheReached",
                                Columns({Counted(1, 3, 2, 2), Row(2, 4), Row(3, 0)}, true),
                                {},
                                0,
                                Field::Skipped,
                                Problem::TooMany,
                                "column 1, blank pairs: wrong and blank pairs are 4, more than the 3 pairs reached"},
                    RefusalCase{
                        "WorkAfterTheStop",
                        Columns({Row(1, 4), Row(2, 1), Row(3, 1)}),
                        {engine::SittingEnd::Stopped, kColumnMs + 1},
                        2,
                        Field::End,
                        Problem::NotBegun,
                        "column 3, last pair reached: the sitting was stopped before it began; it must be empty"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(PaperSittingTest, KraepelinScoresAsWorkedByHand) {
    const engine::SheetFormat format = sheets::Columns();
    const engine::Sheet sheet = engine::MakeSheet(format, kSeed);
    engine::PaperError error;
    // Heights 4, 3 and 2: column 1 with pair 2 wrong, column 2 with pair 3 left blank.
    const auto paper =
        engine::MakePaperRecord(format, sheet, Columns({Row(1, 4, {2}), Row(2, 3, {}, {3}), Row(3, 2)}), {}, error);
    ASSERT_TRUE(paper) << error.Describe(format);
    EXPECT_EQ(paper->end, engine::SittingEnd::TimeUp);
    EXPECT_EQ(paper->elapsedMs, format.durationMs());
    ASSERT_EQ(paper->record.size(), 9u);
    EXPECT_EQ(paper->record[1].correct, 0);
    EXPECT_EQ(paper->record[6].outcome, engine::SheetAnswer::kSkipped);
    EXPECT_EQ(paper->record[8].unit, 2);
    EXPECT_EQ(paper->record[8].position, 1);
    EXPECT_EQ(paper->record[8].operand1, sheet.digit(2, 1));

    const engine::SheetScores scores = engine::ScoreSheet(format, paper->record, paper->elapsedMs);
    EXPECT_TRUE(scores.untimed);
    EXPECT_EQ(scores.completePeriods, 3u);
    EXPECT_EQ(scores.reached, 9u);
    EXPECT_EQ(scores.right, 7u);
    EXPECT_EQ(scores.wrong, 1u);
    EXPECT_EQ(scores.skipped, 1u);
    EXPECT_FALSE(scores.times.median);
    const engine::KraepelinScores& k = *scores.kraepelin;
    // Mean (4 + 3 + 2) / 3 = 3; range 4 - 2; deviations 1, 0, 1; slope -1 over columns 1..3, rise -2.
    EXPECT_DOUBLE_EQ(*k.speed, 3.0);
    EXPECT_EQ(k.accuracy, 2u);
    EXPECT_EQ(*k.range, 2u);
    EXPECT_DOUBLE_EQ(*k.averageDeviation, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(k.line->slope, -1.0);
    EXPECT_DOUBLE_EQ(*k.rise, -2.0);
    // On paper a wrong answer's digit and every time are unknown: the file leaves them empty.
    const std::string csv = engine::FormatSheetCsv(format, paper->record);
    EXPECT_NE(csv.find("\r\n2,custom,1,2," + std::to_string(sheet.digit(0, 1)) + "," +
                       std::to_string(sheet.digit(0, 2)) + ",,FALSE,0,\r\n"),
              std::string::npos)
        << csv;
}

TEST(PaperSittingTest, CountsOnlyScoreAsThePairsWould) {
    const engine::SheetFormat format = sheets::Columns();
    const engine::Sheet sheet = engine::MakeSheet(format, kSeed);
    engine::PaperError error;
    const auto paper = engine::MakePaperRecord(
        format, sheet, Columns({Counted(1, 4, 1, 0), Counted(2, 3, 0, 1), Counted(3, 2, 0, 0)}, true), {}, error);
    ASSERT_TRUE(paper) << error.Describe(format);
    const engine::SheetScores scores = engine::ScoreSheet(format, paper->record, paper->elapsedMs);
    EXPECT_EQ(scores.right, 7u);
    EXPECT_EQ(scores.wrong, 1u);
    EXPECT_EQ(scores.skipped, 1u);
    EXPECT_DOUBLE_EQ(*scores.kraepelin->speed, 3.0);
}

TEST(PaperSittingTest, StoppedSittingLeavesTheColumnItStoppedInPartial) {
    const engine::SheetFormat format = sheets::Columns();
    engine::PaperError error;
    const auto paper =
        engine::MakePaperRecord(format, engine::MakeSheet(format, kSeed), Columns({Row(1, 4), Row(2, 2), Row(3, 0)}),
                                {engine::SittingEnd::Stopped, kColumnMs + 500}, error);
    ASSERT_TRUE(paper) << error.Describe(format);
    const engine::SheetScores scores = engine::ScoreSheet(format, paper->record, paper->elapsedMs);
    ASSERT_EQ(scores.periods.size(), 2u);
    EXPECT_TRUE(scores.periods[1].partial);
    EXPECT_EQ(scores.completePeriods, 1u);
}

// Pauli: 10 additions in columns of 3 pairs, 3 periods; strokes after addition 4 (column 2,
// pair 1) and 7 (column 3, pair 1), the end after 10 (column 4, pair 1).
TEST(PaperSittingTest, PauliPeriodsRunFromStrokeToStroke) {
    const engine::SheetFormat format = sheets::Pauli(10);
    const engine::Sheet sheet = engine::MakeSheet(format, kSeed);
    engine::PaperEntry entry;
    entry.rows.resize(3);
    entry.rows[0].end = {2, 1};
    entry.rows[0].wrong = {{1, 2}};
    entry.rows[1].end = {3, 1};
    entry.rows[1].skipped = {{2, 3}};
    entry.rows[2].end = {4, 1};
    engine::PaperError error;
    const auto paper = engine::MakePaperRecord(format, sheet, entry, {}, error);
    ASSERT_TRUE(paper) << error.Describe(format);
    const engine::SheetScores scores = engine::ScoreSheet(format, paper->record, paper->elapsedMs);
    ASSERT_EQ(scores.periods.size(), 3u);
    EXPECT_EQ(scores.periods[0].reached, 4u);
    EXPECT_EQ(scores.periods[1].reached, 3u);
    EXPECT_EQ(scores.periods[2].reached, 3u);
    // Total 10, 2 errors: 20 %; period totals 4, 3, 3: deviations 2/3, 1/3, 1/3 about 10/3.
    EXPECT_EQ(scores.pauli->total, 10u);
    EXPECT_DOUBLE_EQ(*scores.pauli->errorPercent, 20.0);
    EXPECT_NEAR(*scores.pauli->averageDeviation, 4.0 / 9.0, 1e-12);
    EXPECT_DOUBLE_EQ(scores.pauli->line->slope, -0.5);

    // A stroke before the one before it, and an error outside its period.
    entry.rows[1].end = {1, 3};
    EXPECT_FALSE(engine::MakePaperRecord(format, sheet, entry, {}, error));
    EXPECT_EQ(error.Describe(format), "period 2, stroke: the stroke at 1/3 stands before the one of the period before");
    entry.rows[1].end = {3, 1};
    entry.rows[1].skipped = {{1, 1}};
    EXPECT_FALSE(engine::MakePaperRecord(format, sheet, entry, {}, error));
    EXPECT_EQ(error.problem, Problem::OutsidePeriod);
}

TEST(PaperSittingTest, FieldsAreReadAsTyped) {
    engine::PaperError error;
    EXPECT_EQ(engine::ParsePaperNumber(" 12 ", 0, error), 12u);
    EXPECT_EQ(engine::ParsePaperNumber("", 7, error), 7u);
    EXPECT_FALSE(engine::ParsePaperNumber("1 2", 0, error));
    EXPECT_EQ(error.message, "must be a whole number, not \"1 2\"");
    EXPECT_EQ(engine::ParsePaperPlaces("3, 17 20;", 4, error),
              (std::vector<engine::PaperPlace>{{4, 3}, {4, 17}, {4, 20}}));
    EXPECT_EQ(engine::ParsePaperPlaces("12/30, 1/2", 0, error), (std::vector<engine::PaperPlace>{{12, 30}, {1, 2}}));
    for (const char* bad : {"12", "/3", "12/", "a/3", "3-4"}) {
        EXPECT_FALSE(engine::ParsePaperPlaces(bad, 0, error)) << bad;
        EXPECT_EQ(error.problem, Problem::NotAPlace) << bad;
    }
    EXPECT_FALSE(engine::ParsePaperPlaces("3, x", 2, error));
    EXPECT_EQ(error.value, "x");
}

// The moments a window polls at: each cue, the break's end, each stroke and the end.
TEST_F(SittingFixture, NextDueIsTheNextCueBreakEndStrokeOrEnd) {
    const engine::SheetFormat lines = sheets::Lines();
    Begin(lines);
    EXPECT_EQ(sitting->nextDueMs(), 60'000u);
    At(120'000);
    EXPECT_EQ(sitting->phase(), engine::SheetSitting::Phase::OnBreak);
    EXPECT_EQ(sitting->nextDueMs(), 180'000u);
    At(180'000);
    EXPECT_EQ(sitting->nextDueMs(), 240'000u);
    At(lines.durationMs());
    EXPECT_FALSE(sitting->nextDueMs());

    clock.Set(kStart);
    Begin(sheets::Pauli(30));
    EXPECT_EQ(sitting->nextDueMs(), 180'000u);
    At(360'000);
    EXPECT_EQ(sitting->nextDueMs(), 540'000u);
}

} // namespace
