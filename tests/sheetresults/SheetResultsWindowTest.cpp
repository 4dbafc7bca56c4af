// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sheet results" window, read back from its widgets as a user or a screen reader
// would, for small sittings of each test worked out by hand.
#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/SheetFixture.h"
#include "engine/SheetCsv.h"
#include "engine/SheetScores.h"
#include "sheetresults/ScoreText.h"
#include "sheetresults/SittingCurveChart.h"
#include "sheetresults/frmSheetResults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

using sheetresults::FinishedSitting;
using sheetresults::frmSheetResults;

constexpr std::uint64_t kSecond = 1000;

// Writes a record by hand: right answers are 3 + 4 = 7, wrong ones 7 + 5 = 3, blanks on
// 6 and 6, each in the next position of the current period (also its column or line).
class Record {
public:
    Record& Period(std::uint16_t period) {
        period_ = period;
        position_ = 0;
        return *this;
    }
    Record& Right(int count, std::uint32_t ms) { return Add(count, 3, 4, 7, true, ms); }
    Record& Wrong(int count, std::uint32_t ms) { return Add(count, 7, 5, 3, false, ms); }
    Record& Blank(int count) {
        for (int i = 0; i < count; ++i) Next(6, 6).outcome = engine::SheetAnswer::kSkipped;
        return *this;
    }
    Record& Corrected(std::uint16_t corrections) {
        pairs.back().corrections = corrections;
        return *this;
    }

    std::vector<engine::SheetAnswer> pairs;

private:
    Record& Add(int count, int operand1, int operand2, int answer, bool correct, std::uint32_t ms) {
        for (int i = 0; i < count; ++i) {
            engine::SheetAnswer& pair = Next(operand1, operand2);
            pair.answer = static_cast<std::uint8_t>(answer);
            pair.correct = correct ? 1 : 0;
            pair.milliseconds = ms;
        }
        return *this;
    }
    engine::SheetAnswer& Next(int operand1, int operand2) {
        engine::SheetAnswer pair;
        pair.period = period_;
        pair.unit = period_;
        pair.position = position_++;
        pair.operand1 = static_cast<std::uint8_t>(operand1);
        pair.operand2 = static_cast<std::uint8_t>(operand2);
        pairs.push_back(pair);
        return pairs.back();
    }

    std::uint16_t period_ = 0;
    std::uint16_t position_ = 0;
};

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
    Record record;
    record.Period(0).Right(4, 800).Period(1).Right(2, 1000).Wrong(1, 1200).Corrected(1).Period(2).Right(1, 900).Blank(
        1);
    return {Columns(),    record.pairs,
            42,           engine::SittingEnd::TimeUp,
            45 * kSecond, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))};
}

// Amounts 4 and 2 (mean 3, initial effort 4/3, fluctuation 2/3), then 5 and 3 (mean 4,
// initial effort 5/4, fluctuation 2/4); rest effect 4/3.
FinishedSitting UchidaSitting() {
    Record record;
    record.Period(0).Right(4, 500).Period(1).Right(1, 700).Wrong(1, 900);
    record.Period(2).Right(5, 400).Period(3).Right(3, 600);
    return {Lines(), record.pairs, 7, engine::SittingEnd::TimeUp, 300 * kSecond, {}};
}

// Periods of 5 (1 wrong), 7 and 6: total 18, errors 1/18 = 5.6 %, mean 6, average
// deviation (1 + 1 + 0) / 3, slope 0.5.
FinishedSitting PauliSitting() {
    Record record;
    record.Period(0).Right(4, 2000).Wrong(1, 3000).Period(1).Right(7, 1500).Period(2).Right(6, 1000).Corrected(2);
    return {Pauli(), record.pairs, 18446744073709551615ull, engine::SittingEnd::TimeUp, 540 * kSecond, {}};
}

// Stopped 10 s into the first column without an answer: nothing can be worked out.
FinishedSitting StoppedAtOnce() { return {Columns(), {}, 1, engine::SittingEnd::Stopped, 10 * kSecond, {}}; }

class SheetResultsWindowTest : public testing::Test {
protected:
    void Open(FinishedSitting sitting) {
        window = std::make_unique<frmSheetResults>(sheetresults::SheetResultsServices{&files, &messages});
        window->ShowSitting(std::move(sitting));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T> T* Get(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The scores table's row of that name, or -1.
    int ScoreRow(const QString& name) const {
        auto* table = Get<QTableWidget>("grdScores");
        for (int row = 0; row < table->rowCount(); ++row)
            if (table->item(row, 0)->text() == name) return row;
        return -1;
    }
    QString Score(const QString& name) const {
        const int row = ScoreRow(name);
        return row < 0 ? QStringLiteral("(no row)") : Get<QTableWidget>("grdScores")->item(row, 1)->text();
    }

    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes messages;
    std::unique_ptr<frmSheetResults> window;
};

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

TEST_F(SheetResultsWindowTest, ShowsTheSeedSoTheSittingCanBeRepeated) {
    Open(PauliSitting());
    EXPECT_TRUE(Get<QLabel>("lblSheet")->text().contains("seed 18446744073709551615"));
    EXPECT_TRUE(window->windowTitle().contains("18446744073709551615"));
}

// Save answers as CSV... clicked: the file is written where the user chose and reads back
// as the record's CSV; a failure is told with the path; cancelling writes nothing.
TEST_F(SheetResultsWindowTest, SaveWritesTheRecordWhereTheUserChose) {
    const FinishedSitting sitting = KraepelinSitting();
    Open(sitting);
    EXPECT_TRUE(Get<QAbstractButton>("cmdSave")->text().contains("&S"));
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
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes.toStdString(), engine::FormatSheetCsv(sitting.format, sitting.record));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 11) << "header, nine pairs, and nothing after the last CR LF";
    EXPECT_EQ(lines[0], "index,format,period,position,operand1,operand2,answer,correct,corrections,answer_ms\r");
    EXPECT_EQ(lines[7], "7,custom,2,3,7,5,3,FALSE,1,1200\r");
    EXPECT_EQ(lines[9], "9,custom,3,2,6,6,,,0,\r");
    EXPECT_TRUE(messages.requests().empty());

    const QString intoNowhere = folder.filePath("missing/sitting.csv");
    files.Choose(intoNowhere);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(messages.requests().size(), 1u) << "Alt+S saves too, and its failure is told";
    EXPECT_TRUE(messages.requests()[0].text.contains(QDir::toNativeSeparators(intoNowhere)));
    EXPECT_EQ(messages.requests()[0].title, "Tavrendale");
    EXPECT_FALSE(QFile::exists(intoNowhere));

    files.Choose(QString());
    QTest::mouseClick(Get<QAbstractButton>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(files.requests().size(), 3u);
    EXPECT_EQ(messages.requests().size(), 1u) << "cancelling says nothing";
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

TEST_F(SheetResultsWindowTest, TabReachesEveryPart) {
    Open(PauliSitting());
    QStringList reached;
    QWidget* widget = window->focusWidget();
    for (int step = 0; step < 6 && widget; ++step) {
        reached << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget && widget->focusPolicy() == Qt::NoFocus) widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(reached, (QStringList{"picCurve", "picPairs", "grdPeriods", "grdScores", "cmdSave", "cmdClose"}));
}

} // namespace
