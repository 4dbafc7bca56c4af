// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkCurve.h"
#include "windowkit/CsvFile.h"
#include "windowkit/ToolWindow.h"
#include "workcurve/RecordedRun.h"

class QAbstractButton;
class QLabel;
class QTableWidget;

namespace charts {
class PairMap;
} // namespace charts

namespace keeping {
class KeepBar;
}

namespace workcurve {

class RunCurveChart;

// What the window asks the user through; the platform's own dialogs where none is given.
using WorkCurveServices = windowkit::SaveDialogs;

// The "Work curve" window: a logged run's answers per minute, answer times and digit-pair
// map beside its indices. A tool window (windowkit::ToolWindow): not modal, docked until it
// closes by its close box, Escape or its Close button. It resizes freely and stays readable
// down to the main window's height. For a run that has just ended its bar asks whether to keep
// a history, the first time, or tells a fault of the history in one line; a line says where the
// run stands against the user's earlier runs.
class frmWorkCurve final : public windowkit::ToolWindow {
    Q_OBJECT
public:
    // The rows of the indices table, top to bottom; Ended stays the last.
    enum class Row {
        Answered,
        Duration,
        CompleteMinutes,
        Speed,
        Accuracy,
        Fluctuation,
        Trend,
        Median,
        Percentile90,
        Ended
    };
    // How many rows there are: one for each text the table has.
    static const int kRows;

    explicit frmWorkCurve(WorkCurveServices services, QWidget* parent = nullptr);
    ~frmWorkCurve() override;

    // Shows `run`, replacing whatever the window showed.
    void ShowRun(RecordedRun run);
    const RecordedRun& run() const { return run_; }
    const engine::WorkCurve& curve() const { return curve_; }

private:
    // The bar, the line, the charts, the indices and the buttons in their places and Tab's order.
    void LayOut();
    void cmdSave_Click();
    void SetRow(Row row, const QString& value);
    // The line against the user's earlier runs; hidden where there are none.
    void ShowStanding();
    void FitHistoryLines();

    WorkCurveServices services_;
    RecordedRun run_;
    engine::WorkCurve curve_;
    RunCurveChart* picCurve = nullptr;
    charts::PairMap* picPairs = nullptr;
    QTableWidget* grdIndices = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdClose = nullptr;
    keeping::KeepBar* barKeep = nullptr;
    QLabel* lblStanding = nullptr;
    QAbstractButton* cmdHistory = nullptr;
    // The height the history's bar and line take, which the window has grown by.
    int historyLines_ = 0;
};

} // namespace workcurve
