// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sheet results" window, read back from its widgets as a user or a screen reader
// would, for small sittings of each test worked out by hand.
#include "../support/SheetFixture.h"
#include "SheetResultsFixture.h"
#include "engine/SheetCsv.h"
#include "engine/SheetScores.h"
#include "sheetresults/MarkText.h"
#include "sheetresults/MarksView.h"
#include "sheetresults/ScoreText.h"
#include "sheetresults/SittingCurveChart.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using sheetresults::FinishedSitting;
using sheetresults::frmSheetResults;

constexpr std::uint64_t kSecond = 1000;

// The small sheets of the engine's tests, titled as the window shows them.
engine::SheetFormat Columns() {
    engine::SheetFormat format = sheets::Columns();
    format.title = "Custom columns";
    return format;
}

engine::SheetFormat Lines() {
    engine::SheetFormat format = sheets::Lines();
    format.name = "uchida";
    format.title = "Uchida-Kraepelin 2 + 2 lines (practice)";
    format.practice = true;
    return format;
}

engine::SheetFormat Pauli() {
    engine::SheetFormat format = sheets::Pauli(60);
    format.title = "Pauli";
    return format;
}

// Heights 4, 3 and 2: speed 3, accuracy 1 wrong + 1 blank, range 2, average deviation
// (1 + 0 + 1) / 3, slope -1, rise -1 × 2.
FinishedSitting KraepelinSitting() {
    sheets::Record record;
    record.Period(0).Right(4, 800).Period(1).Right(2, 1000).Wrong(1, 1200).Corrected(1).Period(2).Right(1, 900).Blank(
        1);
    return {Columns(),    record.pairs,
            42,           engine::SittingEnd::TimeUp,
            45 * kSecond, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))};
}

// Amounts 4 and 2 (mean 3, initial effort 4/3, fluctuation 2/3), then 5 and 3 (mean 4,
// initial effort 5/4, fluctuation 2/4); rest effect 4/3.
FinishedSitting UchidaSitting() {
    sheets::Record record;
    record.Period(0).Right(4, 500).Period(1).Right(1, 700).Wrong(1, 900);
    record.Period(2).Right(5, 400).Period(3).Right(3, 600);
    return {Lines(), record.pairs, 7, engine::SittingEnd::TimeUp, 300 * kSecond, {}};
}

// Periods of 5 (1 wrong), 7 and 6: total 18, errors 1/18 = 5.6 %, mean 6, average
// deviation (1 + 1 + 0) / 3, slope 0.5.
FinishedSitting PauliSitting() {
    sheets::Record record;
    record.Period(0).Right(4, 2000).Wrong(1, 3000).Period(1).Right(7, 1500).Period(2).Right(6, 1000).Corrected(2);
    return {Pauli(), record.pairs, 18446744073709551615ull, engine::SittingEnd::TimeUp, 540 * kSecond, {}};
}

// The Kraepelin sitting worked on paper and entered by hand: the same scores, no times.
FinishedSitting PaperSitting() {
    FinishedSitting sitting = KraepelinSitting();
    for (engine::SheetAnswer& pair : sitting.record) pair.milliseconds = engine::SheetAnswer::kUntimed;
    return sitting;
}

// Stopped 10 s into the first column without an answer: nothing can be worked out.
FinishedSitting StoppedAtOnce() { return {Columns(), {}, 1, engine::SittingEnd::Stopped, 10 * kSecond, {}}; }

struct ScoresCase {
    const char* name;
    FinishedSitting (*sitting)();
    std::vector<std::pair<QString, QString>> scores;
};

void PrintTo(const ScoresCase& c, std::ostream* os) { *os << c.name; }

class ScoresTableTest : public SheetResultsWindowTest, public testing::WithParamInterface<ScoresCase> {};

TEST_P(ScoresTableTest, ShowsTheHandWorkedScores) {
    Open(GetParam().sitting());
    for (const auto& [name, value] : GetParam().scores) EXPECT_EQ(Score(name), value) << name.toStdString();
}

// Every row has its formula, as tooltip and as what screen readers are told, and reads
// as name and value together.
TEST_P(ScoresTableTest, EveryScoreHasItsFormula) {
    Open(GetParam().sitting());
    auto* table = Get<QTableWidget>("grdScores");
    ASSERT_GT(table->rowCount(), 0);
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* value = table->item(row, 1);
        EXPECT_FALSE(value->toolTip().isEmpty()) << row;
        EXPECT_EQ(value->data(Qt::AccessibleDescriptionRole).toString(), value->toolTip()) << row;
        EXPECT_EQ(value->data(Qt::AccessibleTextRole).toString(), table->item(row, 0)->text() + ": " + value->text());
    }
}

INSTANTIATE_TEST_SUITE_P(Sittings, ScoresTableTest,
                         testing::Values(ScoresCase{"Kraepelin",
                                                    KraepelinSitting,
                                                    {{"Sheet", "Custom columns"},
                                                     {"Seed", "42"},
                                                     {"Ended", "Time up at 0:45"},
                                                     {"Reached", "9 (7 right, 1 wrong, 1 skipped)"},
                                                     {"Corrections", "1"},
                                                     {"Complete columns", "3"},
                                                     {"Speed (panker)", "3.00"},
                                                     {"Accuracy (tianker)", "2"},
                                                     {"Steadiness (janker): range", "2"},
                                                     {"Steadiness (janker): average deviation", "0.67"},
                                                     {"Endurance (hanker): slope b", "-1.00"},
                                                     {"Endurance (hanker): rise", "-2.00"},
                                                     {"Median time", "0.80 s"},
                                                     {"90th percentile", "1.20 s"}}},
                                         ScoresCase{"Uchida",
                                                    UchidaSitting,
                                                    {{"Sheet", "Uchida-Kraepelin 2 + 2 lines (practice)"},
                                                     {"Ended", "Time up at 5:00"},
                                                     {"Reached", "14 (13 right, 1 wrong, 0 skipped)"},
                                                     {"Complete lines", "4"},
                                                     {"First half: mean amount", "3.00"},
                                                     {"First half: initial effort", "1.33"},
                                                     {"First half: fluctuation", "0.67"},
                                                     {"Second half: mean amount", "4.00"},
                                                     {"Second half: initial effort", "1.25"},
                                                     {"Second half: fluctuation", "0.50"},
                                                     {"Rest effect", "1.33"}}},
                                         ScoresCase{"Pauli",
                                                    PauliSitting,
                                                    {{"Seed", "18446744073709551615"},
                                                     {"Ended", "Time up at 9:00"},
                                                     {"Complete periods", "3"},
                                                     {"Total", "18"},
                                                     {"Error %", "5.6 %"},
                                                     {"Average deviation", "0.67"},
                                                     {"Slope", "+0.50"},
                                                     {"Corrections", "2"},
                                                     {"Median time", "1.50 s"}}},
                                         ScoresCase{"Paper",
                                                    PaperSitting,
                                                    {{"Reached", "9 (7 right, 1 wrong, 1 skipped)"},
                                                     {"Speed (panker)", "3.00"},
                                                     {"Endurance (hanker): rise", "-2.00"},
                                                     {"Median time", "\u2013"},
                                                     {"90th percentile", "\u2013"}}},
                                         // Undefined figures are a dash, never 0.
                                         ScoresCase{"NothingToWorkOut",
                                                    StoppedAtOnce,
                                                    {{"Ended", "Stopped at 0:10"},
                                                     {"Reached", "0 (0 right, 0 wrong, 0 skipped)"},
                                                     {"Speed (panker)", "\u2013"},
                                                     {"Steadiness (janker): range", "\u2013"},
                                                     {"Steadiness (janker): average deviation", "\u2013"},
                                                     {"Endurance (hanker): slope b", "\u2013"},
                                                     {"Endurance (hanker): rise", "\u2013"},
                                                     {"Median time", "\u2013"},
                                                     {"90th percentile", "\u2013"}}}),
                         [](const testing::TestParamInfo<ScoresCase>& info) { return std::string(info.param.name); });

struct PeriodsCase {
    const char* name;
    FinishedSitting (*sitting)();
    QStringList headings;
    std::vector<QStringList> rows;
};

void PrintTo(const PeriodsCase& c, std::ostream* os) { *os << c.name; }

class PeriodsTableTest : public SheetResultsWindowTest, public testing::WithParamInterface<PeriodsCase> {};

TEST_P(PeriodsTableTest, ShowsEveryPeriodInTheTestsTerms) {
    Open(GetParam().sitting());
    auto* table = Get<QTableWidget>("grdPeriods");
    QStringList headings;
    for (int column = 0; column < table->columnCount(); ++column)
        headings << table->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headings, GetParam().headings);
    ASSERT_EQ(table->rowCount(), static_cast<int>(GetParam().rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
        EXPECT_EQ(cells, GetParam().rows[static_cast<std::size_t>(row)]) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sittings, PeriodsTableTest,
    testing::Values(
        PeriodsCase{"Kraepelin",
                    KraepelinSitting,
                    {"Column", "Height", "Right", "Wrong", "Skipped", "Corrections"},
                    {{"1", "4", "4", "0", "0", "0"}, {"2", "3", "2", "1", "0", "1"}, {"3", "2", "1", "0", "1", "0"}}},
        PeriodsCase{"Uchida",
                    UchidaSitting,
                    {"Line", "Amount", "Errors"},
                    {{"1", "4", "0"}, {"2", "2", "1"}, {"3", "5", "0"}, {"4", "3", "0"}}},
        PeriodsCase{"Pauli",
                    PauliSitting,
                    {"Period", "Additions", "Errors", "Corrections"},
                    {{"1", "5", "1", "0"}, {"2", "7", "0", "0"}, {"3", "6", "0", "2"}}},
        PeriodsCase{"StoppedInsideAColumn",
                    [] {
                        FinishedSitting sitting = KraepelinSitting();
                        sitting.end = engine::SittingEnd::Stopped;
                        sitting.elapsedMs = 40 * kSecond;
                        return sitting;
                    },
                    {"Column", "Height", "Right", "Wrong", "Skipped", "Corrections"},
                    {{"1", "4", "4", "0", "0", "0"},
                     {"2", "3", "2", "1", "0", "1"},
                     {"3 (partial)", "2", "1", "0", "1", "0"}}}),
    [](const testing::TestParamInfo<PeriodsCase>& info) { return std::string(info.param.name); });

// The chart draws the periods in the test's own words: the least-squares line where the
// test has one, the break between an Uchida-Kraepelin sheet's halves.
TEST_F(SheetResultsWindowTest, CurveIsDrawnPerPeriodWithTheTestsLineAndBreak) {
    Open(KraepelinSitting());
    auto* chart = Get<sheetresults::SittingCurveChart>("picCurve");
    EXPECT_EQ(chart->painter().periods().size(), 3u);
    EXPECT_EQ(chart->painter().periods()[1].answered, 3u);
    EXPECT_EQ(chart->painter().periods()[1].correct, 2u);
    ASSERT_TRUE(chart->painter().trend());
    EXPECT_DOUBLE_EQ(chart->painter().trend()->atFirst, 4.0);
    EXPECT_DOUBLE_EQ(chart->painter().trend()->atLast, 2.0);
    EXPECT_EQ(chart->painter().texts().period, "column");
    EXPECT_FALSE(chart->painter().breakBefore());
    EXPECT_TRUE(chart->accessibleDescription().contains("Column 2: height 3, 2 right, 1 wrong or blank, 1 correction"))
        << chart->accessibleDescription().toStdString();

    Open(UchidaSitting());
    chart = Get<sheetresults::SittingCurveChart>("picCurve");
    EXPECT_EQ(chart->painter().breakBefore(), std::optional<std::size_t>(2));
    EXPECT_EQ(chart->painter().texts().period, "line");

    Open(PauliSitting());
    chart = Get<sheetresults::SittingCurveChart>("picCurve");
    EXPECT_EQ(chart->painter().texts().period, "3 min");
    EXPECT_TRUE(chart->painter().trend());
}

// A curve too narrow for its legend says in its description what each mark stands for, in
// the test's words, and stops saying it once it is wide enough to draw the legend again.
TEST_F(SheetResultsWindowTest, CurveTooSmallForItsLegendGivesItInWords) {
    const FinishedSitting sitting = UchidaSitting();
    sheetresults::SittingCurveChart chart;
    chart.setScores(sitting.format, engine::ScoreSheet(sitting.format, sitting.record, sitting.elapsedMs));
    constexpr QSize kNarrow(60, 230);
    chart.resize(kNarrow);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    ASSERT_TRUE(chart.legendPlaces().empty());
    EXPECT_TRUE(chart.accessibleDescription().contains(
        "Legend: green: right; red: wrong or blank; blue line: median time; dash-dotted line: break."))
        << chart.accessibleDescription().toStdString();

    constexpr QSize kRoomy(360, 230);
    chart.resize(kRoomy);
    QApplication::processEvents();
    ASSERT_FALSE(chart.legendPlaces().empty());
    EXPECT_FALSE(chart.accessibleDescription().contains("Legend:"));
}

TEST_F(SheetResultsWindowTest, APaperSittingIsMarkedSoAndSaysWhyItHasNoPairMap) {
    Open(PaperSitting());
    EXPECT_EQ(window->windowTitle(), "Sheet results \u2013 Custom columns (paper), seed 42");
    EXPECT_FALSE(Get<QWidget>("picPairs")->isVisible());
    EXPECT_TRUE(Get<QLabel>("lblNoPairs")->isVisible());
    EXPECT_TRUE(Get<QLabel>("lblNoPairs")->text().startsWith("Worked on paper: no answer times"));
    const auto* curve = Get<sheetresults::SittingCurveChart>("picCurve"); // nor claims times in its legend or words
    EXPECT_FALSE((curve->painter().legendInWords() + curve->accessibleDescription()).contains("time"));
    Open(KraepelinSitting());
    EXPECT_TRUE(Get<QWidget>("picPairs")->isVisible());
    EXPECT_FALSE(Get<QLabel>("lblNoPairs")->isVisible());
}

TEST_F(SheetResultsWindowTest, ShowsTheSeedSoTheSittingCanBeRepeated) {
    Open(PauliSitting());
    EXPECT_TRUE(Get<QLabel>("lblSheet")->text().contains("seed 18446744073709551615"));
    EXPECT_TRUE(window->windowTitle().contains("18446744073709551615"));
    // A sitting imported from a file that does not say its seed shows none, nor suggests one.
    FinishedSitting imported = KraepelinSitting();
    imported.seed.reset();
    Open(imported);
    EXPECT_EQ(window->windowTitle(), "Sheet results \u2013 " + Get<QLabel>("lblSheet")->text());
    EXPECT_EQ(Get<QTableWidget>("grdScores")->item(1, 1)->text(), "not known");
    files.Choose({});
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(files.requests()[0].suggestedPath.endsWith("tavrendale-custom-20240102-030405.csv"))
        << files.requests()[0].suggestedPath.toStdString();
}

// Save answers as CSV... clicked, or Alt+S: the file is written where the user chose and
// reads back as the record's CSV. Failures are the window kit's (AnswersFileTest).
TEST_F(SheetResultsWindowTest, SaveWritesTheRecordWhereTheUserChose) {
    const FinishedSitting sitting = KraepelinSitting();
    Open(sitting);
    EXPECT_FALSE(Get<QAbstractButton>("cmdSave")->toolTip().isEmpty());
    QTemporaryDir folder;
    const QString path = folder.filePath("sitting.csv");
    files.Choose(path);
    QTest::mouseClick(Get<QAbstractButton>("cmdSave"), Qt::LeftButton);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(files.requests()[0].suggestedPath.endsWith("tavrendale-custom-42-20240102-030405.csv"))
        << files.requests()[0].suggestedPath.toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), engine::FormatSheetCsv(sitting.format, sitting.record));
    EXPECT_TRUE(messages.requests().empty());

    files.Choose(QString());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(files.requests().size(), 2u) << "Alt+S saves too";
}

TEST_F(SheetResultsWindowTest, EscapeAndCloseCloseTheWindow) {
    for (const bool byEscape : {true, false}) {
        Open(UchidaSitting());
        if (byEscape)
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(Get<QAbstractButton>("cmdClose"), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible()) << (byEscape ? "Escape" : "Close");
    }
}

// Tab reaches every part, the scores' or the marks' after the tabs, whichever is shown.
TEST_F(SheetResultsWindowTest, TabReachesEveryPart) {
    Open(KraepelinSitting());
    const QStringList before{"picCurve", "picPairs", "grdPeriods", "qt_tabwidget_tabbar"};
    const QStringList after{"cmdSave", "cmdClose"};
    const std::pair<int, QStringList> tabs[] = {{0, before + QStringList{"grdScores"} + after},
                                                {1, before + QStringList{"lblNoVerdict", "grdMarks"} + after}};
    for (const auto& [tab, parts] : tabs) {
        Get<QTabWidget>("tabSide")->setCurrentIndex(tab);
        QStringList reached;
        QWidget* widget = Get<QWidget>("picCurve");
        for (qsizetype step = 0; step < parts.size() && widget; ++step) {
            reached << widget->objectName();
            // As Tab moves on: past what takes no focus, is hidden, or hands it to another.
            do widget = widget->nextInFocusChain();
            while (widget && (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible() || widget->focusProxy()));
        }
        EXPECT_EQ(reached, parts);
    }
}

// The amounts of a typical Uchida-Kraepelin curve, lines 1 to 30.
const std::vector<std::uint16_t> kTypicalCurve = {60, 56, 53, 51, 50, 51, 52, 52, 53, 54, 53, 54, 55, 56, 58,
                                                  66, 63, 61, 62, 62, 60, 59, 59, 58, 58, 57, 57, 56, 56, 55};

// A preset's sitting with `amounts` right answers in its periods: ended by time after the whole
// sheet, or stopped `elapsedMs` after the start.
FinishedSitting PresetSitting(const char* name, bool practice, const std::vector<std::uint16_t>& amounts,
                              std::uint64_t elapsedMs = 0) {
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName(name, practice, error);
    sheets::Record record;
    for (std::size_t period = 0; period < amounts.size(); ++period)
        record.Period(static_cast<std::uint16_t>(period)).Right(amounts[period], 700);
    if (elapsedMs == 0) return {format, record.pairs, 7, engine::SittingEnd::TimeUp, format.durationMs(), {}};
    return {format, record.pairs, 7, engine::SittingEnd::Stopped, elapsedMs, {}};
}

// The typical curve with an end spurt: the second half's last line above the two before it.
FinishedSitting EndSpurt() {
    std::vector<std::uint16_t> curve = kTypicalCurve;
    curve.back() = 60;
    return PresetSitting("uchida", false, curve);
}

// Pauli's hour rising from 120 additions: the first period below the mark of 130, the peak
// late, the end above the early dip.
FinishedSitting PauliHour() {
    std::vector<std::uint16_t> periods;
    for (std::uint16_t period = 0; period < 20; ++period) periods.push_back(120 + period);
    return PresetSitting("pauli", false, periods);
}

struct MarksCase {
    const char* name;
    FinishedSitting (*sitting)();
    // A verdict, or the line that says why there is none.
    bool verdict;
    // The curve flags the lines or periods of missed marks, and its legend says so.
    bool onCurve;
    std::size_t marks;
    // The lines or periods flagged on the curve.
    engine::Places missed;
};

void PrintTo(const MarksCase& c, std::ostream* os) { *os << c.name; }

class MarksPartTest : public SheetResultsWindowTest, public testing::WithParamInterface<MarksCase> {};

// Each mark a row with its sources, its missed lines flagged on the curve, whose legend names
// the flag; a sitting without a verdict says why.
TEST_P(MarksPartTest, ShowsEachMarkWithItsSourcesAndFlagsTheMissedOnTheCurve) {
    Open(GetParam().sitting());
    const auto* view = Get<sheetresults::MarksView>("fraMarks");
    Get<QTabWidget>("tabSide")->setCurrentWidget(Get<QWidget>("fraMarks"));
    EXPECT_EQ(Get<QLabel>("lblNoVerdict")->isVisible(), !GetParam().verdict);
    EXPECT_EQ(view->marks().noVerdict.isEmpty(), GetParam().verdict);
    const auto* table = Get<QTableWidget>("grdMarks");
    ASSERT_EQ(table->rowCount(), static_cast<int>(view->marks().rows.size()));
    std::size_t marks = 0;
    for (int row = 0; row < table->rowCount(); ++row) {
        const sheetresults::MarkRow& mark = view->marks().rows[static_cast<std::size_t>(row)];
        if (mark.kind != sheetresults::MarkRow::Kind::Mark) continue;
        ++marks;
        EXPECT_TRUE(table->item(row, 0)->text().contains(mark.reference)) << row;
        EXPECT_FALSE(mark.reference.isEmpty()) << row;
        EXPECT_EQ(table->item(row, 0)->data(Qt::AccessibleDescriptionRole).toString(), mark.sources) << row;
        EXPECT_TRUE(mark.places.empty() || mark.text.contains(sheetresults::PlacesText(mark.places))) << row;
    }
    EXPECT_EQ(marks, GetParam().marks);
    const auto& painted = Get<sheetresults::SittingCurveChart>("picCurve")->painter().marks();
    std::vector<std::size_t> flagged;
    for (const std::uint32_t place : GetParam().missed) flagged.push_back(place - 1);
    std::vector<std::size_t> drawn = painted.flagged;
    std::sort(drawn.begin(), drawn.end());
    drawn.erase(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_EQ(drawn, flagged);
    EXPECT_EQ(!painted.flag.isEmpty(), GetParam().onCurve) << "the legend names the flag";
}

INSTANTIATE_TEST_SUITE_P(
    Sittings, MarksPartTest,
    testing::Values(MarksCase{"UchidaWithAnEndSpurt", EndSpurt, true, true, 18, {28, 29, 30}},
                    MarksCase{"UchidaStopped",
                              [] { return PresetSitting("uchida", false, kTypicalCurve, 31 * 60 * kSecond); },
                              false,
                              false,
                              0,
                              {}},
                    MarksCase{"UchidaPractice",
                              [] {
                                  return PresetSitting("uchida", true, {50, 40, 45, 44});
                              },
                              false,
                              false,
                              0,
                              {}},
                    // Two reports' verdicts of four figures each and the three formulas; no band table.
                    MarksCase{"Kraepelin",
                              [] { return PresetSitting("kraepelin-15", false, std::vector<std::uint16_t>(50, 12)); },
                              true,
                              false,
                              11,
                              {}},
                    MarksCase{"KraepelinPractice",
                              [] {
                                  return PresetSitting("kraepelin-15", true, {12, 13});
                              },
                              false,
                              false,
                              3,
                              {}},
                    MarksCase{"Pauli", PauliHour, true, true, 3, {1}},
                    MarksCase{"Custom", KraepelinSitting, false, false, 3, {}}),
    [](const testing::TestParamInfo<MarksCase>& info) { return std::string(info.param.name); });

// Alt+M shows the marks and takes the focus to them; the arrow keys choose a mark, and the
// curve frames its lines and names it for screen readers. A stopped sitting says how much of
// it is missing.
TEST_F(SheetResultsWindowTest, ChoosingAMissedFeatureFramesItsLinesOnTheCurve) {
    Open(EndSpurt());
    QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(Get<QTabWidget>("tabSide")->currentWidget(), Get<QWidget>("fraMarks"));
    ASSERT_EQ(QApplication::focusWidget(), Get<QWidget>("grdMarks"));
    const auto* view = Get<sheetresults::MarksView>("fraMarks");
    const auto* chart = Get<sheetresults::SittingCurveChart>("picCurve");
    const engine::Places spurt{28, 29, 30};
    for (std::size_t step = 0; step < view->marks().rows.size() && view->curveMarks().chosen != spurt; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(view->curveMarks().chosen, spurt);
    EXPECT_EQ(chart->painter().marks().framed, (std::vector<std::size_t>{27, 28, 29}));
    EXPECT_TRUE(view->curveMarks().chosenText.contains("not met")) << view->curveMarks().chosenText.toStdString();
    EXPECT_TRUE(chart->accessibleDescription().contains(view->curveMarks().chosenText));

    Open(PresetSitting("uchida", false, kTypicalCurve, 31 * 60 * kSecond));
    EXPECT_TRUE(Get<sheetresults::MarksView>("fraMarks")->marks().noVerdict.contains("4 of 30"));
}

// A marks file's band tables give each source's band, side by side where they disagree, in
// place of the line that none is published.
TEST(MarkRowsTest, BandTablesGiveEachSourcesVerdict) {
    engine::MarksError error;
    const std::string text = std::string(engine::BuiltInMarksText(engine::MarkTest::Kraepelin)) +
                             "source.a = A | https://a.example | 2020 | -\n"
                             "source.b = B | https://b.example | 2021 | -\n"
                             "band.a.panker = higher 15 12 9 6\n"
                             "band.b.panker = higher 20 16 12 8\n";
    const std::optional<engine::MarksFile> kraepelin = engine::ParseMarksFile(text, error);
    ASSERT_TRUE(kraepelin) << error.Describe();
    sheetresults::MarkFiles files = sheetresults::BuiltInMarkFiles();
    files.kraepelin = &*kraepelin;
    const FinishedSitting sitting = PresetSitting("kraepelin-15", false, std::vector<std::uint16_t>(50, 12));
    const sheetresults::SittingMarks marks = sheetresults::MarkRows(
        sitting.format, engine::ScoreSheet(sitting.format, sitting.record, sitting.elapsedMs), files);
    std::vector<QString> bands;
    for (const sheetresults::MarkRow& row : marks.rows) {
        EXPECT_NE(row.kind, sheetresults::MarkRow::Kind::Note);
        if (row.sources.contains(".example")) bands.push_back(row.text);
    }
    ASSERT_EQ(bands.size(), 2u) << "a row for each source";
    EXPECT_TRUE(bands[0].contains("baik") && bands[1].contains("sedang")) << bands[0].toStdString();
    EXPECT_TRUE(bands[0].contains("disagree")) << bands[0].toStdString();
}

TEST(MarkRowsTest, PlacesReadAsRuns) {
    const std::pair<engine::Places, const char*> cases[] = {{{}, ""},
                                                            {{5}, "5"},
                                                            {{5, 6}, "5, 6"},
                                                            {{15, 1, 2, 3, 12, 3}, "1\u20133, 12, 15"},
                                                            {{28, 29, 30}, "28\u201330"}};
    for (const auto& [places, text] : cases) EXPECT_EQ(sheetresults::PlacesText(places), QString::fromUtf8(text));
}

} // namespace
