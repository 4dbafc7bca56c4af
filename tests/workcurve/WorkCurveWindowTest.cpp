// SPDX-License-Identifier: GPL-3.0-or-later
// The "Work curve" window, read back from its widgets as a user or a screen reader would.
#include "../support/ScriptedFileDialogs.h"
#include "../support/ScriptedMessageBoxes.h"
#include "../support/WindowLookups.h"
#include "charts/PairMap.h"
#include "docking/DockingX11.h"
#include "engine/AnswersCsv.h"
#include "engine/WorkCurve.h"
#include "workcurve/RunCurveChart.h"
#include "workcurve/frmWorkCurve.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using engine::MakeRecordedAnswer;
using workcurve::frmWorkCurve;
using Row = frmWorkCurve::Row;

// Three full minutes answered 4, 2 and 6 times, worked out by hand in the engine's tests.
workcurve::RecordedRun ThreeMinuteRun() {
    std::vector<engine::RecordedAnswer> answers = {
        MakeRecordedAnswer(7, 5, "2", true, 0, 1000), MakeRecordedAnswer(7, 5, "3", false, 0, 2000),
        MakeRecordedAnswer(6, 9, "5", true, 0, 3000), MakeRecordedAnswer(0, 0, "0", true, 0, 4000),
        MakeRecordedAnswer(7, 5, "2", true, 1, 500),  MakeRecordedAnswer(6, 9, "6", false, 1, 1500),
    };
    for (std::uint64_t ms = 100; ms <= 600; ms += 100) answers.push_back(MakeRecordedAnswer(0, 0, "0", true, 2, ms));
    return {answers, {3, 0}, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5))};
}

// Stopped at 0:40 with two answers: only a partial minute.
workcurve::RecordedRun PartialMinuteRun() {
    return {{MakeRecordedAnswer(1, 1, "2", true, 0, 250), MakeRecordedAnswer(1, 2, "4", false, 0, 750)},
            {0, 40},
            QDateTime(QDate(2024, 1, 2), QTime(23, 59, 0))};
}

class WorkCurveWindowTest : public testing::Test {
protected:
    void Open(workcurve::RecordedRun run) {
        window = std::make_unique<frmWorkCurve>(workcurve::WorkCurveServices{&files, &messages});
        window->ShowRun(std::move(run));
        ASSERT_TRUE(testsupport::ShowActive(*window));
    }
    template <typename T> T* Get(const char* name) const { return testsupport::FindIn<T>(*window, name); }
    QString Cell(Row row) const { return Get<QTableWidget>("grdIndices")->item(static_cast<int>(row), 1)->text(); }
    QString ToolTipAt(QWidget* widget, const QPoint& point) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, point, widget->mapToGlobal(point));
        QApplication::sendEvent(widget, &help);
        return QToolTip::text();
    }

    host::ScriptedFileDialogs files;
    host::ScriptedMessageBoxes messages;
    std::unique_ptr<frmWorkCurve> window;
};

struct IndicesCase {
    const char* name;
    workcurve::RecordedRun (*run)();
    std::vector<std::pair<Row, QString>> cells;
};

void PrintTo(const IndicesCase& c, std::ostream* os) { *os << c.name; }

class IndicesTableTest : public WorkCurveWindowTest, public testing::WithParamInterface<IndicesCase> {};

TEST_P(IndicesTableTest, ShowsTheAnalysedFigures) {
    Open(GetParam().run());
    for (const auto& [row, text] : GetParam().cells) EXPECT_EQ(Cell(row), text) << static_cast<int>(row);
    EXPECT_EQ(window->windowTitle(), "Work curve");
}

INSTANTIATE_TEST_SUITE_P(Runs, IndicesTableTest,
                         testing::Values(IndicesCase{"ThreeMinutes",
                                                     ThreeMinuteRun,
                                                     {{Row::Answered, "12 (10 true, 2 false)"},
                                                      {Row::Duration, "3:00"},
                                                      {Row::CompleteMinutes, "3"},
                                                      {Row::Speed, "4.0 a minute"},
                                                      {Row::Accuracy, "83.3 %"},
                                                      {Row::Fluctuation, "4 answers"},
                                                      {Row::Trend, "+1.00 answers/min"},
                                                      {Row::Median, "0.50 s"},
                                                      {Row::Percentile90, "3.00 s"},
                                                      {Row::Ended, "03:04:05"}}},
                                         // Without a complete minute every index is a dash, never 0.
                                         IndicesCase{"PartialMinuteOnly",
                                                     PartialMinuteRun,
                                                     {{Row::Answered, "2 (1 true, 1 false)"},
                                                      {Row::Duration, "0:40"},
                                                      {Row::CompleteMinutes, "0"},
                                                      {Row::Speed, QString::fromUtf8("\u2013")},
                                                      {Row::Accuracy, "50.0 %"},
                                                      {Row::Fluctuation, QString::fromUtf8("\u2013")},
                                                      {Row::Trend, QString::fromUtf8("\u2013")},
                                                      {Row::Median, "0.25 s"},
                                                      {Row::Percentile90, "0.75 s"}}}));

TEST_F(WorkCurveWindowTest, ChartBarsAndDescriptionFollowTheMinutes) {
    Open(ThreeMinuteRun());
    auto* chart = Get<workcurve::RunCurveChart>("picCurve");
    // Bar heights in proportion to the answers: 4, 2 and 6 on a scale to 6.
    const int unit = chart->barRect(1).height() / 2;
    EXPECT_NEAR(chart->barRect(0).height(), 4 * unit, 2);
    EXPECT_NEAR(chart->barRect(2).height(), 6 * unit, 2);
    // True answers at the bottom, the false one on top.
    const QImage image = chart->grab().toImage();
    const QRect first = chart->barRect(0);
    // (Beside the middle, where the time line and the trend pass.)
    EXPECT_EQ(image.pixelColor(first.left() + 1, first.bottom() - 2), QColor(0x3F, 0x8F, 0x5A));
    EXPECT_EQ(image.pixelColor(first.left() + 1, first.top() + 2), QColor(0xD1, 0x49, 0x5B));

    const QString description = chart->accessibleDescription();
    EXPECT_TRUE(description.contains("Minute 1: 4 answered, 3 true, 1 false, median 2.00 s, 90th percentile 4.00 s"))
        << description.toStdString();
    EXPECT_TRUE(description.contains("Minute 3: 6 answered, 6 true, 0 false, median 0.30 s, 90th percentile 0.60 s"));
    EXPECT_TRUE(description.contains("Trend per minute: +1.00 answers/min"));
    EXPECT_EQ(ToolTipAt(chart, chart->barRect(1).center()),
              "Minute 2: 2 answered, 1 true, 1 false, median 0.50 s, 90th percentile 1.50 s");
}

TEST_F(WorkCurveWindowTest, PartialMinuteIsMarked) {
    Open(PartialMinuteRun());
    auto* chart = Get<workcurve::RunCurveChart>("picCurve");
    EXPECT_TRUE(chart->accessibleDescription().contains("Minute 1 (partial): 2 answered"));
    EXPECT_EQ(ToolTipAt(chart, chart->barRect(0).center()),
              "Minute 1 (partial): 2 answered, 1 true, 1 false, median 0.25 s, 90th percentile 0.75 s");
}

struct LegendSizeCase {
    const char* name;
    QSize size;
    bool drawn;
};

class LegendInWordsTest : public WorkCurveWindowTest, public testing::WithParamInterface<LegendSizeCase> {};

// Where the chart is too small to draw its legend, its tooltip beside the bars and its
// description say what each mark stands for; where it draws it, they are as they were, and
// they follow the chart as it is resized.
TEST_P(LegendInWordsTest, NamesEachMarkWhereTheChartLeavesItsLegendOut) {
    workcurve::RecordedRun run = ThreeMinuteRun();
    run.length = {2, 30};
    engine::WorkCurve curve = engine::AnalyseWorkCurve(run.answers, run.length);
    ASSERT_TRUE(curve.minutes.back().partial && curve.trend);
    workcurve::RunCurveChart chart;
    chart.setCurve(curve);
    chart.resize(GetParam().size);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    ASSERT_EQ(chart.size(), GetParam().size);
    EXPECT_EQ(chart.legendRect().isEmpty(), !GetParam().drawn);

    const QString words = "green: true; red: false; hatched: partial; blue line: median time; dashed line: trend";
    const QPoint besideTheBars(1, 1);
    ASSERT_EQ(chart.periodAt(besideTheBars), std::nullopt);
    if (GetParam().drawn) {
        EXPECT_FALSE(chart.accessibleDescription().contains("Legend:")) << chart.accessibleDescription().toStdString();
        EXPECT_EQ(ToolTipAt(&chart, besideTheBars), QString());
    } else {
        EXPECT_TRUE(chart.accessibleDescription().contains("Legend: " + words + "."))
            << chart.accessibleDescription().toStdString();
        EXPECT_EQ(ToolTipAt(&chart, besideTheBars), words);
    }
    // A bar's own figures stay its tooltip.
    EXPECT_TRUE(ToolTipAt(&chart, chart.barRect(1).center()).startsWith("Minute 2:"));

    constexpr QSize kRoomy(320, 230);
    chart.resize(kRoomy);
    QApplication::processEvents();
    EXPECT_FALSE(chart.accessibleDescription().contains("Legend:")) << "roomy again";
}

INSTANTIATE_TEST_SUITE_P(Sizes, LegendInWordsTest,
                         testing::Values(LegendSizeCase{"Roomy", QSize(320, 230), true},
                                         LegendSizeCase{"OnRowsInANarrowChart", QSize(110, 230), true},
                                         LegendSizeCase{"NarrowerThanAnEntry", QSize(60, 230), false},
                                         LegendSizeCase{"TooLowForItsRows", QSize(150, 40), false}),
                         [](const testing::TestParamInfo<LegendSizeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WorkCurveWindowTest, PairMapGivesEachPairsFiguresAndColoursByMedianTime) {
    Open(ThreeMinuteRun());
    auto* map = Get<charts::PairMap>("picPairs");
    EXPECT_EQ(ToolTipAt(map, map->cellRect(7, 5).center()), "7 + 5: 3 answers, 1 false, median 1.00 s");
    EXPECT_EQ(ToolTipAt(map, map->cellRect(0, 0).center()), "0 + 0: 7 answers, 0 false, median 0.40 s");
    EXPECT_EQ(ToolTipAt(map, map->cellRect(3, 3).center()), "3 + 3: no answers");
    // 6 + 9 is the slowest pair and 0 + 0 the fastest: darkest and lightest.
    EXPECT_LT(map->cellColour(6, 9).lightness(), map->cellColour(7, 5).lightness());
    EXPECT_LT(map->cellColour(7, 5).lightness(), map->cellColour(0, 0).lightness());
    EXPECT_EQ(map->cellColour(3, 3), QColor(Qt::white));
    const QString description = map->accessibleDescription();
    EXPECT_TRUE(description.contains("Slowest: 6 + 9 (1.50 s), 7 + 5 (1.00 s), 0 + 0 (0.40 s)"))
        << description.toStdString();
    EXPECT_TRUE(description.contains("Errors: 6 + 9 (1), 7 + 5 (1)"));
}

TEST_F(WorkCurveWindowTest, ArrowKeysReadThePairs) {
    Open(ThreeMinuteRun());
    auto* map = Get<charts::PairMap>("picPairs");
    map->setFocus();
    for (int i = 0; i < 7; ++i) QTest::keyClick(map, Qt::Key_Down);
    for (int i = 0; i < 6; ++i) QTest::keyClick(map, Qt::Key_Right);
    QTest::keyClick(map, Qt::Key_Left);
    EXPECT_EQ(map->cursor(), (charts::DigitPair{7, 5}));
    EXPECT_TRUE(map->accessibleDescription().endsWith("now at 7 + 5: 3 answers, 1 false, median 1.00 s."));
    QTest::keyClick(map, Qt::Key_End);
    QTest::keyClick(map, Qt::Key_Right);
    EXPECT_EQ(map->cursor(), (charts::DigitPair{7, 9})) << "the cursor stays on the grid";
}

TEST_F(WorkCurveWindowTest, TabReachesEveryPart) {
    Open(ThreeMinuteRun());
    const char* order[] = {"picCurve", "picPairs", "grdIndices", "cmdSave", "cmdClose"};
    EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>(order[0]));
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Get<QWidget>(order[i])) << order[i];
    }
    for (const char* name : {"cmdSave", "cmdClose"}) EXPECT_FALSE(Get<QWidget>(name)->toolTip().isEmpty()) << name;
}

TEST_F(WorkCurveWindowTest, ScreenReadersFindEveryPartByRoleAndName) {
    Open(ThreeMinuteRun());
    // clang-format off
    const struct {
        const char* objectName;
        QAccessible::Role role;
        const char* name;
        const char* descriptionPart;
    } parts[] = {
        {"frmWorkCurve", QAccessible::Window,     "Work curve",          ""},
        {"picCurve",     QAccessible::Chart,      "Answers per minute",  "Minute 3: 6 answered"},
        {"picPairs",     QAccessible::Chart,      "Digit-pair map",      "Errors: 6 + 9 (1), 7 + 5 (1)"},
        {"grdIndices",   QAccessible::Table,      "Indices",             "one a row"},
        {"cmdSave",      QAccessible::Button,     "Save as CSV\u2026",   "CSV file"},
        {"cmdClose",     QAccessible::Button,     "Close",               "(Esc)"},
    };
    // clang-format on
    for (const auto& part : parts) {
        QWidget* widget =
            window->objectName() == QLatin1String(part.objectName) ? window.get() : Get<QWidget>(part.objectName);
        ASSERT_NE(widget, nullptr);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << part.objectName;
        EXPECT_EQ(accessible->role(), part.role) << part.objectName;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(part.name)) << part.objectName;
        EXPECT_TRUE(accessible->text(QAccessible::Description).contains(QString::fromUtf8(part.descriptionPart)))
            << part.objectName << ": " << accessible->text(QAccessible::Description).toStdString();
    }
}

struct ClosingCase {
    const char* name;
    void (*close)(QWidget* window);
};

void PrintTo(const ClosingCase& c, std::ostream* os) { *os << c.name; }

class ClosingTest : public WorkCurveWindowTest, public testing::WithParamInterface<ClosingCase> {};

TEST_P(ClosingTest, ClosesAndUndocks) {
    Open(ThreeMinuteRun());
    docking::DockingX11* docking = docking::DockingX11::instance();
    const auto handle = reinterpret_cast<docking::WindowHandle>(window.get());
    if (docking) {
        EXPECT_TRUE(docking->core().IsDocked(handle));
    }
    GetParam().close(window.get());
    EXPECT_FALSE(window->isVisible());
    if (docking) {
        EXPECT_FALSE(docking->core().IsDocked(handle));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    testing::Values(
        ClosingCase{"Escape", [](QWidget*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
        ClosingCase{"AltC", [](QWidget* w) { QTest::keyClick(w, Qt::Key_C, Qt::AltModifier); }},
        ClosingCase{"CloseButton",
                    [](QWidget* w) { QTest::mouseClick(w->findChild<QAbstractButton*>("cmdClose"), Qt::LeftButton); }},
        ClosingCase{"CloseBox", [](QWidget* w) { w->close(); }}));

TEST_F(WorkCurveWindowTest, ReadableAtTheMainWindowsHeight) {
    Open(ThreeMinuteRun());
    constexpr int kMainWindowClientHeight = 242;
    constexpr int kNarrowWidth = 640;
    window->resize(kNarrowWidth, kMainWindowClientHeight);
    QApplication::processEvents();
    auto* table = Get<QTableWidget>("grdIndices");
    const QRect lastRow = table->visualItemRect(table->item(frmWorkCurve::kRows - 1, 1));
    EXPECT_TRUE(table->viewport()->rect().contains(lastRow)) << "every index in sight without scrolling";
    EXPECT_GE(Get<charts::PairMap>("picPairs")->cellRect(0, 0).width(), 12);
    EXPECT_GE(Get<workcurve::RunCurveChart>("picCurve")->barRect(1).height(), 20);

    // It follows resizing: a taller window gives taller bars.
    const int before = Get<workcurve::RunCurveChart>("picCurve")->barRect(2).height();
    window->resize(window->width() + 200, kMainWindowClientHeight * 2);
    QApplication::processEvents();
    EXPECT_GT(Get<workcurve::RunCurveChart>("picCurve")->barRect(2).height(), before + 100);
}

TEST_F(WorkCurveWindowTest, ShowingAnotherRunReplacesEveryFigure) {
    Open(ThreeMinuteRun());
    window->ShowRun(PartialMinuteRun());
    EXPECT_EQ(Cell(Row::Answered), "2 (1 true, 1 false)");
    EXPECT_FALSE(Get<workcurve::RunCurveChart>("picCurve")->accessibleDescription().contains("Minute 3"));
    EXPECT_EQ(ToolTipAt(Get<charts::PairMap>("picPairs"), Get<charts::PairMap>("picPairs")->cellRect(7, 5).center()),
              "7 + 5: no answers");
}

// The smallest the window opens at, where the screen has no more room beside the main
// window (on a 1366 x 768 screen, beside a centred main window).
TEST_F(WorkCurveWindowTest, ReadableInTheRoomBesideTheMainWindow) {
    Open(ThreeMinuteRun());
    constexpr QSize kBeside(460, 215);
    window->resize(kBeside);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), kBeside) << "it can be made this small";
    auto* table = Get<QTableWidget>("grdIndices");
    const QRect lastRow = table->visualItemRect(table->item(frmWorkCurve::kRows - 1, 1));
    EXPECT_TRUE(table->viewport()->rect().contains(lastRow)) << "every index in sight without scrolling";
    auto* map = Get<charts::PairMap>("picPairs");
    EXPECT_TRUE(map->rect().contains(map->cellRect(9, 9))) << "the whole grid in sight";
    EXPECT_GE(map->cellRect(0, 0).width(), 8);
    auto* chart = Get<workcurve::RunCurveChart>("picCurve");
    EXPECT_GE(chart->barRect(1).height(), 20);
    EXPECT_GE(chart->barRect(0).width(), 10);
}

TEST_F(WorkCurveWindowTest, EveryRowHasItsLabelAndExplanation) {
    Open(ThreeMinuteRun());
    auto* table = Get<QTableWidget>("grdIndices");
    ASSERT_EQ(table->rowCount(), frmWorkCurve::kRows);
    ASSERT_EQ(static_cast<int>(Row::Ended), frmWorkCurve::kRows - 1);
    for (int row = 0; row < frmWorkCurve::kRows; ++row) {
        EXPECT_FALSE(table->item(row, 0)->text().isEmpty()) << row;
        EXPECT_FALSE(table->item(row, 1)->toolTip().isEmpty()) << row;
    }
    EXPECT_EQ(table->item(static_cast<int>(Row::Ended), 0)->text(), "Ended");
}

// Save as CSV... clicked, or Alt+S: the dialog asks, suggesting the run's end, and the file
// is written where the user chose as the run's answers. Failures are the window kit's
// (AnswersFileTest).
TEST_F(WorkCurveWindowTest, SaveWritesTheRunsAnswersWhereTheUserChose) {
    Open(ThreeMinuteRun());
    QTemporaryDir folder;
    const QString path = folder.filePath("answers.csv");
    files.Choose(path);
    QTest::mouseClick(Get<QAbstractButton>("cmdSave"), Qt::LeftButton);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_TRUE(files.requests()[0].suggestedPath.endsWith("tavrendale-20240102-030405.csv"));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), engine::FormatAnswersCsv(ThreeMinuteRun().answers));
    EXPECT_TRUE(messages.requests().empty());

    files.Choose(QString());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(files.requests().size(), 2u) << "Alt+S saves too";
}

} // namespace
