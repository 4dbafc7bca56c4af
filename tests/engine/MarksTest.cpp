// SPDX-License-Identifier: GPL-3.0-or-later
// The published marks on small hand-made curves: each Uchida-Kraepelin feature met and not met,
// Kraepelin's formulas and bands, Pauli's three marks, and the sittings that get no verdict.
#include "engine/Marks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

namespace {

using engine::NoVerdict;
using engine::UchidaAtypical;
using engine::UchidaFeature;

engine::MarksFile BuiltIn(engine::MarkTest test) {
    engine::MarksError error;
    return *engine::ParseMarksFile(engine::BuiltInMarksText(test), error);
}

engine::SheetFormat Preset(const char* name, bool practice = false) {
    engine::FormatError error;
    return *engine::FormatByName(name, practice, error);
}

// Scores of complete periods of these heights; `errors` puts wrong answers into periods (from 1).
engine::SheetScores Scores(const std::vector<double>& heights,
                           const std::map<std::uint32_t, std::uint32_t>& errors = {}) {
    engine::SheetScores scores;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        engine::PeriodScores period;
        period.reached = static_cast<std::uint32_t>(heights[i]);
        const auto wrong = errors.find(static_cast<std::uint32_t>(i + 1));
        period.wrong = wrong == errors.end() ? 0 : wrong->second;
        period.right = period.reached - period.wrong;
        scores.periods.push_back(period);
        scores.reached += period.reached;
        scores.right += period.right;
        scores.wrong += period.wrong;
    }
    scores.completePeriods = heights.size();
    return scores;
}

// A curve with every feature of the typical curve and none of the others: lines 1 to 15, then
// 16 to 30.
const std::vector<double> kTypical = {60, 56, 53, 51, 50, 51, 52, 52, 53, 54, 53, 54, 55, 56, 58,
                                      66, 63, 61, 62, 62, 60, 59, 59, 58, 58, 57, 57, 56, 56, 55};

struct UchidaCase {
    const char* label;
    // Lines (from 1) given another amount, or `shift` added to the second half.
    std::map<std::uint32_t, double> lines;
    double shift;
    std::map<std::uint32_t, std::uint32_t> errors;
    std::set<UchidaFeature> unmet;
    std::set<UchidaAtypical> found;
    engine::UchidaLeaning leaning;
    // The lines the first unmet feature names, where checked.
    engine::Places where;
};

void PrintTo(const UchidaCase& c, std::ostream* os) { *os << c.label; }

class UchidaMarksTest : public testing::TestWithParam<UchidaCase> {};

TEST_P(UchidaMarksTest, MarksEachFeatureWithItsLines) {
    const UchidaCase& c = GetParam();
    std::vector<double> amounts = kTypical;
    for (std::size_t i = 15; i < amounts.size(); ++i) amounts[i] += c.shift;
    for (const auto& [line, amount] : c.lines) amounts[line - 1] = amount;
    const engine::UchidaMarks marks =
        engine::MarkUchida(Preset("uchida"), Scores(amounts, c.errors), BuiltIn(engine::MarkTest::Uchida));
    ASSERT_EQ(marks.reason, NoVerdict::None);
    std::set<UchidaFeature> unmet;
    for (const engine::UchidaFeatureMark& mark : marks.verdict->typical) {
        if (!mark.met) unmet.insert(mark.feature);
        EXPECT_FALSE(mark.sources.empty());
    }
    std::set<UchidaAtypical> found;
    for (const engine::UchidaAtypicalMark& mark : marks.verdict->atypical) {
        if (mark.found) found.insert(mark.feature);
    }
    EXPECT_EQ(unmet, c.unmet);
    EXPECT_EQ(found, c.found);
    EXPECT_EQ(marks.verdict->leaning, c.leaning);
    if (!c.where.empty()) {
        const auto first = std::find_if(marks.verdict->typical.begin(), marks.verdict->typical.end(),
                                        [](const auto& mark) { return !mark.met; });
        ASSERT_NE(first, marks.verdict->typical.end());
        EXPECT_EQ(first->lines, c.where);
    }
}

using L = engine::UchidaLeaning;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Curves, UchidaMarksTest, testing::Values(
    UchidaCase{"the typical curve", {}, 0, {}, {}, {}, L::CloseToTypical, {}},
    // Line 8 is the lowest of 3 to 10 (three from line 5) and far below its neighbours.
    UchidaCase{"a late, deep fall", {{8, 35}}, 0, {}, {UchidaFeature::EarlyFallAndRise, UchidaFeature::ModerateFluctuation},
               {UchidaAtypical::LargeDrop}, L::Partly, {8}},
    UchidaCase{"no fall before line 2", {{2, 49}}, 0, {}, {UchidaFeature::EarlyFallAndRise}, {}, L::CloseToTypical, {2, 5}},
    UchidaCase{"a middle as high as the ends", {{4, 60}, {5, 59}, {6, 60}, {7, 61}, {8, 60}, {9, 60}, {10, 60}, {11, 60}, {12, 60}},
               0, {}, {UchidaFeature::FirstHalfUShape, UchidaFeature::EarlyFallAndRise, UchidaFeature::Line15SecondHighest,
               UchidaFeature::FirstLinesHighest}, {}, L::Far, {1, 2, 3, 13, 14, 15}},
    UchidaCase{"line 12 above line 15", {{12, 59}}, 0, {}, {UchidaFeature::Line15SecondHighest}, {}, L::CloseToTypical, {12, 15}},
    UchidaCase{"line 15 above line 1", {{15, 61}}, 0, {}, {UchidaFeature::Line15SecondHighest, UchidaFeature::FirstLinesHighest},
               {}, L::Partly, {1, 15}},
    UchidaCase{"an end spurt", {{30, 60}}, 0, {}, {UchidaFeature::SecondHalfFalls}, {}, L::CloseToTypical, {28, 29, 30}},
    UchidaCase{"a rising second half", {{16, 66}, {17, 55}, {18, 56}, {19, 57}, {20, 58}, {21, 59}, {22, 60}, {23, 60},
               {24, 61}, {25, 62}, {26, 62}, {27, 63}, {28, 64}, {29, 64}, {30, 64}}, 0, {},
               {UchidaFeature::SecondHalfFalls}, {}, L::CloseToTypical,
               {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30}},
    // Line 16 below lines 1 and 17 to 23, and below the second half's mean of 58.7.
    UchidaCase{"line 16 below line 1", {{16, 58}}, 0, {}, {UchidaFeature::FirstLinesHighest},
               {UchidaAtypical::WeakStartAfterBreak}, L::Partly, {1, 16, 17, 18, 19, 20, 21, 22, 23}},
    UchidaCase{"a second half below the first", {}, -10, {}, {UchidaFeature::FirstLinesHighest, UchidaFeature::SecondHalfHigher},
               {UchidaAtypical::FallingSecondHalf}, L::Partly, {1, 15, 16}},
    UchidaCase{"errors of 1.4 % in lines 3 and 20", {}, 0, {{3, 10}, {20, 14}}, {UchidaFeature::FewErrors}, {},
               L::CloseToTypical, {3, 20}},
    UchidaCase{"errors of 4 %", {}, 0, {{3, 40}, {20, 30}}, {UchidaFeature::FewErrors}, {UchidaAtypical::ManyErrors},
               L::Partly, {3, 20}},
    UchidaCase{"a spike at line 9", {{9, 70}}, 0, {}, {UchidaFeature::FirstLinesHighest, UchidaFeature::Line15SecondHighest,
               UchidaFeature::ModerateFluctuation}, {UchidaAtypical::LargeSpike}, L::Partly, {9, 15}},
    // Line 1 at 90 swings the first half by 0.71 of its mean, above line 16, and line 2 falls far below it.
    UchidaCase{"a start far above the rest", {{1, 90}}, 0, {}, {UchidaFeature::FirstLinesHighest,
               UchidaFeature::ModerateFluctuation}, {UchidaAtypical::LargeDrop, UchidaAtypical::ViolentFluctuation},
               L::Far, {1, 16}},
    UchidaCase{"a flat curve", {{1, 50}, {2, 50}, {3, 50}, {4, 50}, {5, 50}, {6, 50}, {7, 50}, {8, 50}, {9, 50}, {10, 50},
               {11, 50}, {12, 50}, {13, 50}, {14, 50}, {15, 50}}, 0, {}, {UchidaFeature::FirstHalfUShape,
               UchidaFeature::EarlyFallAndRise, UchidaFeature::ModerateFluctuation}, {UchidaAtypical::NoFluctuation}, L::Partly,
               {1, 2, 3, 13, 14, 15}}));
// clang-format on

TEST(UchidaMarksTest, LevelAAndTheSittingsWithoutAVerdict) {
    const engine::MarksFile marks = BuiltIn(engine::MarkTest::Uchida);
    std::vector<double> high = kTypical;
    for (double& amount : high) amount += 8; // halves of 61.9 and 67.3 per line
    EXPECT_TRUE(engine::MarkUchida(Preset("uchida"), Scores(high), marks).verdict->levelA);
    EXPECT_FALSE(engine::MarkUchida(Preset("uchida"), Scores(kTypical), marks).verdict->levelA) << "53.9 is below 55";
    std::vector<double> low = kTypical;
    for (double& amount : low) amount /= 4; // halves of 13 and 14.5 per line
    const engine::UchidaVerdict slow = *engine::MarkUchida(Preset("uchida"), Scores(low), marks).verdict;
    EXPECT_TRUE(slow.atypical[static_cast<std::size_t>(UchidaAtypical::LowAmount)].found);

    EXPECT_EQ(engine::MarkUchida(Preset("uchida", true), Scores({60, 55, 58, 66, 60, 58}), marks).reason,
              NoVerdict::PracticeVersion);
    engine::FormatError error;
    engine::CustomFormat lines{engine::WorkOrder::LeftToRight, 30, 116, 60, 15, 300, 3, 9, true};
    EXPECT_EQ(engine::MarkUchida(*engine::MakeCustomFormat(lines, error), Scores(kTypical), marks).reason,
              NoVerdict::CustomSheet);
    engine::SheetScores stopped = Scores(kTypical);
    stopped.completePeriods = 29;
    EXPECT_EQ(engine::MarkUchida(Preset("uchida"), stopped, marks).reason, NoVerdict::Incomplete);
    EXPECT_EQ(engine::MarkUchida(Preset("uchida"), Scores(kTypical), BuiltIn(engine::MarkTest::Pauli)).reason,
              NoVerdict::OtherTest);
}

TEST(KraepelinMarksTest, ShowsThePublishedFormulasAndEachSourcesBand) {
    // Heights 11 and 12 by turns over 50 columns, one wrong answer in each: mean height 11.5.
    std::vector<double> heights;
    std::map<std::uint32_t, std::uint32_t> errors;
    for (std::uint32_t column = 1; column <= 50; ++column) {
        heights.push_back(11 + (column - 1) % 2);
        errors[column] = 1;
    }
    engine::MarksError error;
    const engine::MarksFile marks = *engine::ParseMarksFile("marks = kraepelin\ndate = 2026-12-08\n"
                                                            "source.a = A | - | 2026 | a\nsource.b = B | - | 2026 | b\n"
                                                            "formula.panker_right = a\n"
                                                            "band.a.panker = higher 14 12 10 8\n"
                                                            "band.b.panker = higher 13 11.5 9 7\n"
                                                            "band.b.tianker = lower 10 30 50 70\n",
                                                            error);
    engine::SheetScores scores = Scores(heights, errors);
    scores.kraepelin = engine::KraepelinScores{11.5, 50, 3, 1.0, engine::FitLine(heights), 0.0};
    const engine::KraepelinMarks k = engine::MarkKraepelin(Preset("kraepelin-15"), scores, marks);
    ASSERT_EQ(k.reason, NoVerdict::None);
    ASSERT_EQ(k.formulas.size(), 3u);
    EXPECT_DOUBLE_EQ(*k.formulas[0].oursValue, 11.5);
    EXPECT_DOUBLE_EQ(*k.formulas[0].publishedValue, 10.5) << "right answers only";
    EXPECT_EQ(k.formulas[0].source, "a");
    ASSERT_EQ(k.verdicts.size(), 3u);
    EXPECT_EQ(k.verdicts[0].band, engine::Band::Sedang) << "11.5 is below source a's 12";
    EXPECT_EQ(k.verdicts[1].band, engine::Band::Baik) << "11.5 is on source b's cut point";
    EXPECT_TRUE(k.disagree(engine::FigureKey::Panker));
    EXPECT_EQ(k.verdicts[2].band, engine::Band::Sedang) << "50 errors at most 50";
    EXPECT_FALSE(k.disagree(engine::FigureKey::Tianker));

    const engine::KraepelinMarks practice = engine::MarkKraepelin(Preset("kraepelin-15", true), Scores(heights), marks);
    EXPECT_EQ(practice.reason, NoVerdict::PracticeVersion);
    EXPECT_TRUE(practice.verdicts.empty());
}

TEST(PauliMarksTest, FirstPeriodPeakAndEnd) {
    const engine::MarksFile marks = BuiltIn(engine::MarkTest::Pauli);
    // Twenty periods: a start of 135, a dip to 120 in period 3, a peak of 150 in period 16, an
    // end of 140.
    const std::vector<double> good = {135, 125, 120, 124, 128, 130, 132, 134, 136, 138,
                                      140, 142, 144, 146, 148, 150, 147, 145, 142, 140};
    engine::PauliMarks p = engine::MarkPauli(Preset("pauli"), Scores(good), marks);
    ASSERT_EQ(p.reason, NoVerdict::None);
    ASSERT_EQ(p.marks.size(), 3u);
    EXPECT_TRUE(p.marks[0].met);
    EXPECT_EQ(p.marks[0].against, 130);
    EXPECT_TRUE(p.marks[1].met);
    EXPECT_EQ(p.marks[1].periods, engine::Places{16});
    EXPECT_TRUE(p.marks[2].met);
    EXPECT_EQ(p.marks[2].periods, (engine::Places{3, 20}));

    // A start of 129, the peak in period 2 and an end at the dip.
    std::vector<double> poor = good;
    poor[0] = 129;
    poor[1] = 160;
    poor[19] = 120;
    p = engine::MarkPauli(Preset("pauli"), Scores(poor), marks);
    EXPECT_FALSE(p.marks[0].met);
    EXPECT_FALSE(p.marks[1].met);
    EXPECT_FALSE(p.marks[2].met) << "an end equal to the dip is not above it";

    EXPECT_EQ(engine::MarkPauli(Preset("pauli", true), Scores({130, 120, 125}), marks).reason,
              NoVerdict::PracticeVersion);
    EXPECT_EQ(engine::MarkPauli(Preset("pauli"), Scores({130, 120, 125}), marks).reason, NoVerdict::Incomplete);
}

} // namespace
