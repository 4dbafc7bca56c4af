// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/WorkCurve.h"
#include "workcurve/RecordedRun.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QTableWidget;

namespace host {
class FileDialogs;
class MessageBoxes;
} // namespace host

namespace charts {
class PairMap;
} // namespace charts

namespace workcurve {

class RunCurveChart;

// What the window asks the user through; the platform's own dialogs where none is given.
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

    // Puts the window beside `owner` within the work area, covering none of it (right of
    // it, else left, below or above), made smaller where the screen leaves less room; only
    // where not even the smallest readable window fits does it cover the owner, as little as
    // it can. Centred on the screen without an owner.
    void PlaceBeside(const QWidget* owner);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdSave_Click();
    void cmdClose_Click();
    void SetRow(Row row, const QString& value);
    void Place(const QWidget* owner, const QSize& frame);

    WorkCurveServices services_;
    RecordedRun run_;
    engine::WorkCurve curve_;
    RunCurveChart* picCurve = nullptr;
    charts::PairMap* picPairs = nullptr;
    QTableWidget* grdIndices = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdClose = nullptr;
    bool loaded_ = false;
    // The window placed beside, until the window manager has told this window's own frame.
    QPointer<const QWidget> placedBeside_;
    QSize assumedFrame_;
};

} // namespace workcurve
