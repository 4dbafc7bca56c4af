// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/KeptSitting.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/SheetSitting.h"
#include "windowkit/CsvFile.h"
#include "windowkit/ToolWindow.h"

#include <QDateTime>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QAbstractButton;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace charts {
class PairMap;
} // namespace charts

namespace keeping {
class KeepBar;
class SittingKeeping;
} // namespace keeping

namespace sheetresults {

class MarksView;
class SittingCurveChart;

// A finished sitting as the results keep it: a copy, so the sheet window may go on.
struct FinishedSitting {
    engine::SheetFormat format;
    std::vector<engine::SheetAnswer> record;
    // None for a sitting imported from a file that does not say its seed.
    std::optional<std::uint64_t> seed;
    engine::SittingEnd end = engine::SittingEnd::Stopped;
    // From the start, break included.
    std::uint64_t elapsedMs = 0;
    // When it ended (local time), for the file name Save suggests.
    QDateTime endedAt;
    // Its number in the history where it is shown from there: nothing is kept again, and it
    // stands against the sittings before it. 0 for a sitting that has just ended.
    engine::SittingId keptAs = 0;
    // Whether the history knows how it ended (an imported file does not say).
    bool endRecorded = true;
};

// What the window asks the user through; the platform's own dialogs where none is given.
using SheetResultsServices = windowkit::SaveDialogs;

// The "Sheet results" window: a sitting's curve per column, line or period, its scores in
// the test's own terms with their formulas, every period's figures, the digit-pair map and
// the seed the sheet was made from; beside the scores, on a tab of its own, where the
// sitting stands against the marks published for its test (MarksView), flagged on the
// curve. A tool window (windowkit::ToolWindow): not modal, docked until it closes by its
// close box, Escape or its Close button. A sitting that has just ended goes into the history
// where the user keeps one (its bar asks the first time, and tells a fault of the history in
// one line), and a line says where it stands against the user's earlier sittings of its
// format; nothing else is written unless the user asks for the CSV
// file.
class frmSheetResults final : public windowkit::ToolWindow {
    Q_OBJECT
public:
    explicit frmSheetResults(SheetResultsServices services, QWidget* parent = nullptr);
    ~frmSheetResults() override;

    // Shows `sitting`, replacing whatever the window showed.
    void ShowSitting(FinishedSitting sitting);
    const FinishedSitting& sitting() const { return sitting_; }
    const engine::SheetScores& scores() const { return scores_; }

private:
    // The scores' tab and the marks' beside it, which share the room right of the charts.
    void BuildSide();
    // The charts over the periods on the left, the scores over the commands on the right.
    void LayOut();
    void KeepScoresWhole();
    void cmdSave_Click();
    // The line against the user's earlier sittings of the format; hidden where there are none.
    void ShowStanding();

    SheetResultsServices services_;
    FinishedSitting sitting_;
    engine::SheetScores scores_;
    QLabel* lblSheet = nullptr;
    SittingCurveChart* picCurve = nullptr;
    charts::PairMap* picPairs = nullptr;
    QLabel* lblNoPairs = nullptr;
    QTableWidget* grdScores = nullptr;
    MarksView* fraMarks = nullptr;
    QTabWidget* tabSide = nullptr;
    QTableWidget* grdPeriods = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdClose = nullptr;
    // The history: the sitting on its way in, the bar about it, the line against the earlier
    // sittings and the way to the History window.
    keeping::SittingKeeping* keeping_ = nullptr;
    keeping::KeepBar* barKeep = nullptr;
    QLabel* lblStanding = nullptr;
    QAbstractButton* cmdHistory = nullptr;
};

// "tavrendale-pauli-42-YYYYMMDD-HHMMSS.csv": the format's name, the seed where it is known and
// when the sitting ended (local time).
QString SheetAnswersFileName(const engine::SheetFormat& format, std::optional<std::uint64_t> seed,
                             const QDateTime& endedAt);

// Shows a finished sitting in a results window of its own, owned by `parent`, placed beside
// it and gone when closed. Everything is copied: the sitting may go as soon as this returns.
frmSheetResults* ShowSheetResults(QWidget* parent, const engine::SheetFormat& format,
                                  std::span<const engine::SheetAnswer> record, std::uint64_t seed,
                                  engine::SittingEnd end, std::uint64_t elapsedMs);

} // namespace sheetresults
