// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "test/WorkCurve.h"
#include "workcurve/RecordedRun.h"

#include <QWidget>

class QAbstractButton;
class QTableWidget;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

namespace workcurve {

class CurveChart;
class PairMap;

struct WorkCurveServices {
    host::FileDialogs* files = nullptr;
    host::MessageBoxes* messages = nullptr;
};

// The "Work curve" window: a logged run's answers per minute, answer times and digit-pair
// map beside its indices. A top-level window of its own, not modal; it docks (snaps to
// the work area and the program's other windows) from the moment it is made until it is
// closed, by its close box, Escape or its Close button. It resizes freely and stays
// readable down to the main window's height.
class frmWorkCurve final : public QWidget {
    Q_OBJECT
public:
    // The rows of the indices table, top to bottom.
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
    static constexpr int kRows = 10;

    explicit frmWorkCurve(WorkCurveServices services, QWidget* parent = nullptr);
    ~frmWorkCurve() override;

    // Shows `run`, replacing whatever the window showed.
    void ShowRun(RecordedRun run);
    const RecordedRun& run() const { return run_; }
    const test::WorkCurve& curve() const { return curve_; }

    // Puts the window beside `owner` (right of it, else left, below or above, where it fits
    // on the screen; centred on the screen otherwise).
    void PlaceBeside(const QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdSave_Click();
    void cmdClose_Click();
    void SetRow(Row row, const QString& value);

    WorkCurveServices services_;
    RecordedRun run_;
    test::WorkCurve curve_;
    CurveChart* picCurve = nullptr;
    PairMap* picPairs = nullptr;
    QTableWidget* grdIndices = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdClose = nullptr;
    bool loaded_ = false;
};

} // namespace workcurve
