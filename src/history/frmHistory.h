// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/HistoryStore.h"
#include "engine/KeptSitting.h"
#include "windowkit/CsvFile.h"
#include "windowkit/ToolWindow.h"

#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTableView;

namespace charts {
class CurveOverlayChart;
class ScoreTimeChart;
} // namespace charts

namespace keeping {
class KeepBar;
}

namespace history {

class SittingTableModel;

// What the window asks the user through; the platform's own dialogs where none is given.
using HistoryServices = windowkit::SaveDialogs;

// The "History" window: the sittings kept on this computer (keeping::ProgramKeeper()), newest
// first, filtered by format, each with when it ended, how, and its main scores; opening one
// shows its results window as it was. Beside the table a chart of a chosen score against date
// with the user's best and the last against the one before, the trend over the last sittings
// of the format, and the curves of up to three selected sittings laid over one another.
// Imports the CSV files the program saves, exports sittings as such files, deletes one or all
// (asking first), and holds the switch whether to keep a history at all. A fault of the history
// is told in one line in its bar. A tool window (windowkit::ToolWindow); the program has at
// most one.
class frmHistory final : public windowkit::ToolWindow {
    Q_OBJECT
public:
    explicit frmHistory(HistoryServices services, QWidget* parent = nullptr);
    ~frmHistory() override;

    // Reads the history again and shows it, keeping the format chosen where it still has sittings.
    void Reload();

    // The sittings the table shows, in its order.
    const SittingTableModel& sittings() const { return *model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's controls, area by area: the filter and the switch over the table, the
    // charts beside it, the commands under both.
    void BuildLayout();
    QWidget* BuildTablePane();
    QWidget* BuildChartPane();
    void LayOut(QWidget* tablePane, QWidget* chartPane);
    void Connect();

    void cboFormat_Change();
    void cboFigure_Change();
    void chkKeep_Click();
    void cmdOpen_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdExportAll_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();

    // The chosen format's sittings into the table, and what depends on them.
    void ShowFormat();
    void SelectionChanged();
    // The format the score chart and the trend are about: the one chosen, else that of the
    // current row, else that of the newest sitting.
    std::optional<std::string> ChartFormat() const;
    void ShowScoreChart();
    void ShowTrend(const std::vector<engine::SittingSummary>& sittings);
    void ShowOverlay();
    void UpdateCommands();
    // The rows selected, in the table's order.
    std::vector<int> SelectedRows() const;
    void Export(const std::vector<engine::SittingId>& ids);
    // Tells a fault of the history in the bar; false where there was none.
    bool Told(const engine::StoreFault& fault);

    HistoryServices services_;
    SittingTableModel* model_ = nullptr;
    // Every kept sitting, newest first, and the formats they are of.
    std::vector<engine::SittingSummary> all_;
    std::vector<engine::KeptFormat> formats_;
    std::optional<std::string> chartFormat_;
    // The table is being filled and its first row chosen: the charts follow once, after.
    bool filling_ = false;

    QComboBox* cboFormat = nullptr;
    QCheckBox* chkKeep = nullptr;
    keeping::KeepBar* barKeep = nullptr;
    // The charts, hidden while there are no sittings.
    QWidget* chartPane_ = nullptr;
    QStackedWidget* stkSittings = nullptr;
    QTableView* grdSittings = nullptr;
    QLabel* lblEmpty = nullptr;
    QLabel* lblCount = nullptr;
    QComboBox* cboFigure = nullptr;
    QLabel* lblChart = nullptr;
    QLabel* lblTrend = nullptr;
    charts::ScoreTimeChart* picScore = nullptr;
    QLabel* lblOverlay = nullptr;
    charts::CurveOverlayChart* picOverlay = nullptr;
    QLabel* lblStatus = nullptr;
    QAbstractButton* cmdOpen = nullptr;
    QAbstractButton* cmdImport = nullptr;
    QAbstractButton* cmdExport = nullptr;
    QAbstractButton* cmdExportAll = nullptr;
    QAbstractButton* cmdDelete = nullptr;
    QAbstractButton* cmdDeleteAll = nullptr;
    QAbstractButton* cmdClose = nullptr;
};

// Opens the History window beside `owner` (centred where there is none), or brings the one
// that is open to the front. The window belongs to `owner`'s top window, so that it outlives
// the results window it was opened from.
frmHistory* ShowHistory(QWidget* owner, HistoryServices services = {});

// Makes the History window the one the program's windows open (keeping::Keeper's opener).
void InstallHistoryWindow();

} // namespace history
