// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/SheetSitting.h"
#include "windowkit/CsvFile.h"
#include "windowkit/ToolWindow.h"

#include <QDateTime>
#include <cstdint>
#include <span>
#include <vector>

class QAbstractButton;
class QLabel;
class QTableWidget;

namespace charts {
class PairMap;
} // namespace charts

namespace sheetresults {

class SittingCurveChart;

// A finished sitting as the results keep it: a copy, so the sheet window may go on.
struct FinishedSitting {
    engine::SheetFormat format;
    std::vector<engine::SheetAnswer> record;
    std::uint64_t seed = 0;
    engine::SittingEnd end = engine::SittingEnd::Stopped;
    // From the start, break included.
    std::uint64_t elapsedMs = 0;
    // When it ended (local time), for the file name Save suggests.
    QDateTime endedAt;
};

// What the window asks the user through; the platform's own dialogs where none is given.
using SheetResultsServices = windowkit::SaveDialogs;

// The "Sheet results" window: a sitting's curve per column, line or period, its scores in
// the test's own terms with their formulas, every period's figures, the digit-pair map and
// the seed the sheet was made from. A tool window (windowkit::ToolWindow): not modal, docked
// until it closes by its close box, Escape or its Close button. It writes nothing unless the
// user asks for the CSV file.
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
    // The charts over the periods on the left, the scores over the commands on the right.
    void LayOut();
    void KeepScoresWhole();
    void cmdSave_Click();

    SheetResultsServices services_;
    FinishedSitting sitting_;
    engine::SheetScores scores_;
    QLabel* lblSheet = nullptr;
    SittingCurveChart* picCurve = nullptr;
    charts::PairMap* picPairs = nullptr;
    QTableWidget* grdScores = nullptr;
    QTableWidget* grdPeriods = nullptr;
    QAbstractButton* cmdSave = nullptr;
    QAbstractButton* cmdClose = nullptr;
};

// "tavrendale-pauli-42-YYYYMMDD-HHMMSS.csv": the format's name, the seed and when the
// sitting ended (local time).
QString SheetAnswersFileName(const engine::SheetFormat& format, std::uint64_t seed, const QDateTime& endedAt);

// Shows a finished sitting in a results window of its own, owned by `parent`, placed beside
// it and gone when closed. Everything is copied: the sitting may go as soon as this returns.
frmSheetResults* ShowSheetResults(QWidget* parent, const engine::SheetFormat& format,
                                  std::span<const engine::SheetAnswer> record, std::uint64_t seed,
                                  engine::SittingEnd end, std::uint64_t elapsedMs);

} // namespace sheetresults
