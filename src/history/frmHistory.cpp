// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/frmHistory.h"

#include "charts/CurveOverlayChart.h"
#include "charts/ScoreTimeChart.h"
#include "engine/PeriodCurve.h"
#include "engine/SheetScores.h"
#include "engine/Trend.h"
#include "history/KeptWindows.h"
#include "history/SittingTable.h"
#include "historystore/HistoryFiles.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/MessageBoxes.h"
#include "host/qt/WindowLayout.h"
#include "keeping/HistoryText.h"
#include "keeping/KeepBar.h"
#include "keeping/Keeper.h"
#include "keeping/Standing.h"
#include "sheetresults/ScoreText.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(history_forms); }

namespace history {

namespace {

constexpr int kDefaultWidth = 1040;
constexpr int kDefaultHeight = 640;
constexpr int kSmallestWidth = 760;
constexpr int kSmallestHeight = 470;
// The buttons with the longest captions.
constexpr int kWideButtonTwips = 1650;

// The captions the window's description stores for its buttons, in the language installed
// when the buttons are made.
constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("history::frmHistory", "&Open"),
    QT_TRANSLATE_NOOP("history::frmHistory", "&Import CSV…"),
    //: Exports the selected sittings.
    QT_TRANSLATE_NOOP("history::frmHistory", "E&xport…"),
    //: Exports every kept sitting.
    QT_TRANSLATE_NOOP("history::frmHistory", "Export a&ll…"),
    QT_TRANSLATE_NOOP("history::frmHistory", "&Delete"),
    QT_TRANSLATE_NOOP("history::frmHistory", "Dele&te all"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmHistory.twd", "history::frmHistory",
                                            kCaptions);
    return form;
}

// The program's one History window.
QPointer<frmHistory>& OpenWindow() {
    static QPointer<frmHistory> window;
    return window;
}

std::vector<engine::FigureKey> KeysOf(const std::vector<engine::SittingSummary>& sittings) {
    std::set<engine::FigureKey> present;
    for (const engine::SittingSummary& sitting : sittings)
        for (const engine::Figure& figure : sitting.figures.items) present.insert(figure.key);
    return {present.begin(), present.end()};
}

QString TrendWords(engine::TrendKind kind) {
    const engine::Wording& words = engine::WordingOf(kind);
    return QCoreApplication::translate(words.context, words.english);
}

// A file of the history's import or export that did not go through, in one line.
QString ProblemText(const historystore::FileProblem& problem) {
    const QString name = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case historystore::FileProblem::Kind::None: return {};
    //: A file that could not be read or written: its path, then the system's reason.
    case historystore::FileProblem::Kind::File: return frmHistory::tr("%1: %2").arg(name, problem.reason);
    case historystore::FileProblem::Kind::NotOurs:
        //: A file that is none the program writes: its path, then the line and what is wrong there (in English).
        return frmHistory::tr("%1 is no file the program saves (%2)")
            .arg(name, QString::fromStdString(problem.csv.Describe()));
    case historystore::FileProblem::Kind::Store: return keeping::FaultText(problem.fault, false);
    }
    return {};
}

// A curve's values: the pairs reached (a sheet) or answered (the drill) per period.
std::vector<double> CurveValues(const engine::KeptSitting& sitting) {
    engine::PeriodCurve curve;
    if (const engine::KeptSheet* sheet = sitting.sheet())
        curve = engine::CurveOfSitting(engine::ScoreSheet(sheet->format, sheet->record, sheet->elapsedMs));
    else if (const engine::KeptDrill* drill = sitting.drill())
        curve = engine::CurveOfRun(engine::AnalyseWorkCurve(drill->record, drill->length));
    std::vector<double> values;
    for (const engine::CurvePeriod& period : curve.periods) values.push_back(period.reached);
    return values;
}

} // namespace

frmHistory::frmHistory(HistoryServices services, QWidget* parent)
    : ToolWindow(parent), services_(windowkit::WithSystemDialogs(services)) {
    setObjectName(QStringLiteral("frmHistory"));
    host::PresentAs(staticMetaObject, QAccessible::Window);
    host::PresentAs(charts::ScoreTimeChart::staticMetaObject, QAccessible::Chart);
    host::PresentAs(charts::CurveOverlayChart::staticMetaObject, QAccessible::Chart);
    setWindowTitle(tr("History"));
    host::SetWhite(this);
    OpenWindow() = this;

    model_ = new SittingTableModel(this);
    BuildLayout();
    resize(kDefaultWidth, kDefaultHeight);
    setMinimumSize(minimumSizeHint().expandedTo(QSize(kSmallestWidth, kSmallestHeight)));
    Connect();
    host::AccessKeys::Install(this);
    Reload();
}

frmHistory::~frmHistory() = default;

void frmHistory::BuildLayout() {
    cboFormat = new QComboBox(this);
    cboFormat->setObjectName(QStringLiteral("cboFormat"));
    chkKeep = new QCheckBox(tr("&Keep a history of my sittings on this computer"), this);
    chkKeep->setObjectName(QStringLiteral("chkKeep"));
    chkKeep->setToolTip(tr("Ticked, every finished exam sheet and logged run of the drill is kept here when its "
                           "results open. Unticked, nothing more is kept; what is kept stays until you delete it."));
    barKeep = new keeping::KeepBar(this);
    QWidget* tablePane = BuildTablePane();
    QWidget* chartPane = BuildChartPane();
    chartPane_ = chartPane;

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOpen =
        Form().MakeButton(this, "cmdOpen", tr("Shows the results window of the current sitting as it was (Enter)"));
    cmdImport = Form().MakeButton(this, "cmdImport",
                                  tr("Adds the answers saved as CSV by the Sheet results or the Work curve window"),
                                  kWideButtonTwips);
    cmdExport =
        Form().MakeButton(this, "cmdExport",
                          tr("Writes the selected sittings into a folder, a CSV file each, as the program saves them"));
    cmdExportAll = Form().MakeButton(
        this, "cmdExportAll", tr("Writes every kept sitting into a folder, a CSV file each, as the program saves them"),
        kWideButtonTwips);
    cmdDelete = Form().MakeButton(this, "cmdDelete", tr("Deletes the selected sittings after asking (Delete)"));
    cmdDeleteAll = Form().MakeButton(this, "cmdDeleteAll", tr("Deletes every kept sitting after asking"));
    cmdClose = MakeCloseButton(Form());
    LayOut(tablePane, chartPane);
}

QWidget* frmHistory::BuildTablePane() {
    auto* pane = new QWidget(this);
    grdSittings = new QTableView(pane);
    grdSittings->setObjectName(QStringLiteral("grdSittings"));
    grdSittings->setModel(model_);
    host::SetAccessibleText(grdSittings, tr("Sittings"),
                            tr("The kept sittings, newest first; Enter opens one, Delete deletes the selected ones, "
                               "Shift or Ctrl with the arrows selects several for the curves"));
    grdSittings->verticalHeader()->hide();
    grdSittings->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdSittings->verticalHeader()->setDefaultSectionSize(grdSittings->fontMetrics().height() + 4);
    grdSittings->horizontalHeader()->setStretchLastSection(true);
    grdSittings->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdSittings->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdSittings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSittings->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdSittings->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdSittings->setShowGrid(false);
    grdSittings->setWordWrap(false);
    grdSittings->setTabKeyNavigation(false);
    grdSittings->installEventFilter(this);

    lblEmpty = new QLabel(pane);
    lblEmpty->setObjectName(QStringLiteral("lblEmpty"));
    lblEmpty->setWordWrap(true);
    lblEmpty->setAlignment(Qt::AlignCenter);
    lblEmpty->setMargin(24);
    lblEmpty->setFocusPolicy(Qt::TabFocus);
    stkSittings = new QStackedWidget(pane);
    stkSittings->addWidget(grdSittings);
    stkSittings->addWidget(lblEmpty);
    lblCount = new QLabel(pane);
    lblCount->setObjectName(QStringLiteral("lblCount"));

    auto* filter = new QHBoxLayout;
    auto* formatLabel = new QLabel(tr("&Format:"), pane);
    formatLabel->setBuddy(cboFormat);
    filter->addWidget(formatLabel);
    filter->addWidget(cboFormat, 1);
    filter->addWidget(lblCount);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filter);
    layout->addWidget(stkSittings, 1);
    return pane;
}

QWidget* frmHistory::BuildChartPane() {
    auto* pane = new QWidget(this);
    cboFigure = new QComboBox(pane);
    cboFigure->setObjectName(QStringLiteral("cboFigure"));
    cboFigure->setToolTip(tr("The score the chart shows against date"));
    lblChart = new QLabel(pane);
    lblChart->setObjectName(QStringLiteral("lblChart"));
    lblTrend = new QLabel(pane);
    lblTrend->setObjectName(QStringLiteral("lblTrend"));
    lblTrend->setWordWrap(true);
    lblTrend->setTextInteractionFlags(Qt::TextSelectableByMouse);
    picScore = new charts::ScoreTimeChart(pane);
    picScore->setObjectName(QStringLiteral("picScore"));
    lblOverlay = new QLabel(tr("Curves of the selected sittings, up to three (Shift or Ctrl with the arrows, or "
                               "Ctrl+click, selects more)"),
                            pane);
    lblOverlay->setObjectName(QStringLiteral("lblOverlay"));
    lblOverlay->setWordWrap(true);
    picOverlay = new charts::CurveOverlayChart(pane);
    picOverlay->setObjectName(QStringLiteral("picOverlay"));
    host::SetAccessibleText(picOverlay, tr("Curves of the selected sittings"));

    auto* figure = new QHBoxLayout;
    auto* figureLabel = new QLabel(tr("&Score:"), pane);
    figureLabel->setBuddy(cboFigure);
    figure->addWidget(figureLabel);
    figure->addWidget(cboFigure, 1);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(figure);
    layout->addWidget(lblChart);
    layout->addWidget(picScore, 3);
    layout->addWidget(lblTrend);
    layout->addWidget(lblOverlay);
    layout->addWidget(picOverlay, 2);
    return pane;
}

void frmHistory::LayOut(QWidget* tablePane, QWidget* chartPane) {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(tablePane);
    splitter->addWidget(chartPane);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* commands = new QHBoxLayout;
    commands->setSpacing(6);
    for (QAbstractButton* button : {cmdOpen, cmdImport, cmdExport, cmdExportAll, cmdDelete, cmdDeleteAll})
        commands->addWidget(button);
    commands->addStretch();
    commands->addWidget(cmdClose);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(6);
    root->addWidget(chkKeep);
    root->addWidget(barKeep);
    root->addWidget(splitter, 1);
    root->addWidget(lblStatus);
    root->addLayout(commands);

    setTabOrder(chkKeep, cboFormat);
    setTabOrder(cboFormat, grdSittings);
    setTabOrder(grdSittings, lblEmpty);
    setTabOrder(lblEmpty, cboFigure);
    setTabOrder(cboFigure, picScore);
    setTabOrder(picScore, picOverlay);
    QWidget* previous = picOverlay;
    for (QAbstractButton* button : {cmdOpen, cmdImport, cmdExport, cmdExportAll, cmdDelete, cmdDeleteAll, cmdClose}) {
        setTabOrder(previous, button);
        previous = button;
    }
}

void frmHistory::Connect() {
    keeping::Keeper& keeper = keeping::ProgramKeeper();
    connect(&keeper, &keeping::Keeper::historyChanged, this, &frmHistory::Reload);
    connect(&keeper, &keeping::Keeper::consentChanged, this, &frmHistory::Reload);
    connect(cboFormat, &QComboBox::activated, this, &frmHistory::cboFormat_Change);
    connect(cboFigure, &QComboBox::activated, this, &frmHistory::cboFigure_Change);
    connect(chkKeep, &QCheckBox::clicked, this, &frmHistory::chkKeep_Click);
    connect(grdSittings, &QAbstractItemView::activated, this, &frmHistory::cmdOpen_Click);
    connect(grdSittings->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!filling_) SelectionChanged();
    });
    connect(grdSittings->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!filling_ && ChartFormat() != chartFormat_) ShowScoreChart();
    });
    connect(cmdOpen, &QAbstractButton::clicked, this, &frmHistory::cmdOpen_Click);
    connect(cmdImport, &QAbstractButton::clicked, this, &frmHistory::cmdImport_Click);
    connect(cmdExport, &QAbstractButton::clicked, this, &frmHistory::cmdExport_Click);
    connect(cmdExportAll, &QAbstractButton::clicked, this, &frmHistory::cmdExportAll_Click);
    connect(cmdDelete, &QAbstractButton::clicked, this, &frmHistory::cmdDelete_Click);
    connect(cmdDeleteAll, &QAbstractButton::clicked, this, &frmHistory::cmdDeleteAll_Click);
}

bool frmHistory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grdSittings && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            cmdDelete_Click();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

bool frmHistory::Told(const engine::StoreFault& fault) {
    if (!fault) return false;
    barKeep->ShowFault(fault, [this] { Reload(); });
    return true;
}

void frmHistory::Reload() {
    keeping::Keeper& keeper = keeping::ProgramKeeper();
    chkKeep->setChecked(keeper.consent() == keeping::Consent::Keep);
    all_.clear();
    formats_.clear();
    barKeep->Clear();
    if (engine::HistoryStore* store = keeper.store()) {
        engine::StoreFault fault;
        if (auto listed = store->List({}, fault)) all_ = std::move(*listed);
        if (!Told(fault)) {
            if (auto formats = store->Formats(fault)) formats_ = std::move(*formats);
            Told(fault);
        }
        // A store that only reads says why on a change it refuses; no sitting has the id 0,
        // so the question changes nothing where it would not be refused.
        if (!fault && store->state() == engine::StoreState::ReadOnly) {
            store->Delete(0, fault);
            if (fault.kind != engine::StoreFault::Kind::NotFound) Told(fault);
        }
    }

    const QString chosen = cboFormat->currentData().toString();
    cboFormat->clear();
    //: The format filter's first choice; %1 is how many sittings are kept in all.
    cboFormat->addItem(tr("All formats (%1)").arg(all_.size()), QString());
    for (const engine::KeptFormat& format : formats_) {
        engine::SittingSummary named;
        named.kind = format.kind;
        named.format = format.format;
        //: A format of the filter: its title, then how many sittings of it are kept.
        cboFormat->addItem(tr("%1 (%2)").arg(FormatTitle(named)).arg(format.sittings),
                           QString::fromStdString(format.formatKey));
    }
    cboFormat->setCurrentIndex(std::max(0, cboFormat->findData(chosen)));
    ShowFormat();
}

void frmHistory::cboFormat_Change() { ShowFormat(); }

void frmHistory::ShowFormat() {
    const std::string key = cboFormat->currentData().toString().toStdString();
    std::vector<engine::SittingSummary> shown;
    if (key.empty()) {
        shown = all_;
    } else {
        std::copy_if(all_.begin(), all_.end(), std::back_inserter(shown),
                     [&key](const engine::SittingSummary& sitting) { return sitting.formatKey == key; });
    }
    filling_ = true;
    model_->setSittings(std::move(shown), !key.empty());
    QHeaderView* header = grdSittings->horizontalHeader();
    const QFontMetrics metrics = grdSittings->fontMetrics();
    // The columns as wide as their headings and the first rows' cells, without reading every row.
    constexpr int kRowsMeasured = 20;
    constexpr int kCellMargins = 16;
    for (int column = 0; column < model_->columnCount(); ++column) {
        int width = header->sectionSizeHint(column);
        for (int row = 0; row < std::min(model_->rowCount(), kRowsMeasured); ++row)
            width =
                std::max(width, metrics.horizontalAdvance(model_->index(row, column).data().toString()) + kCellMargins);
        header->resizeSection(column, width);
    }

    const bool empty = all_.empty();
    stkSittings->setCurrentWidget(empty ? static_cast<QWidget*>(lblEmpty) : grdSittings);
    if (empty) {
        const bool keeping = keeping::ProgramKeeper().consent() == keeping::Consent::Keep;
        lblEmpty->setText(
            keeping ? tr("No sittings are kept yet. Sit an exam sheet (Exam sheets…) or a logged run of the drill: "
                         "each is kept here when its results open. Import CSV… adds answers you saved earlier.")
                    : tr("No sittings are kept. Tick \"Keep a history of my sittings on this computer\" above, then "
                         "sit an exam sheet or a logged run of the drill: each is kept here when its results open. "
                         "Import CSV… adds answers you saved earlier."));
        lblEmpty->setAccessibleName(lblEmpty->text());
    }
    //: How many sittings the table shows.
    lblCount->setText(model_->rowCount() == 1 ? tr("1 sitting") : tr("%1 sittings").arg(model_->rowCount()));
    chartPane_->setVisible(!empty);
    if (model_->rowCount() > 0) {
        grdSittings->setCurrentIndex(model_->index(0, 0));
        grdSittings->selectionModel()->select(model_->index(0, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    filling_ = false;
    ShowScoreChart();
    SelectionChanged();
}

std::optional<std::string> frmHistory::ChartFormat() const {
    const QString chosen = cboFormat->currentData().toString();
    if (!chosen.isEmpty()) return chosen.toStdString();
    const QModelIndex current = grdSittings->currentIndex();
    if (current.isValid()) return model_->sitting(current.row()).formatKey;
    if (!all_.empty()) return all_.front().formatKey;
    return std::nullopt;
}

void frmHistory::cboFigure_Change() { ShowScoreChart(); }

void frmHistory::ShowScoreChart() {
    chartFormat_ = ChartFormat();
    std::vector<engine::SittingSummary> sittings;
    if (chartFormat_) {
        std::copy_if(all_.begin(), all_.end(), std::back_inserter(sittings),
                     [this](const engine::SittingSummary& sitting) { return sitting.formatKey == *chartFormat_; });
    }
    const QVariant chosen = cboFigure->currentData();
    cboFigure->clear();
    for (const engine::FigureKey key : keeping::InShowingOrder(KeysOf(sittings)))
        cboFigure->addItem(keeping::FigureTitle(key), static_cast<int>(key));
    cboFigure->setCurrentIndex(std::max(0, cboFigure->findData(chosen)));
    cboFigure->setEnabled(cboFigure->count() > 0);
    lblChart->setText(sittings.empty() ? QString() : FormatTitle(sittings.front()));

    charts::ScoreTimeChart::Content content;
    if (cboFigure->count() > 0) {
        const auto key = static_cast<engine::FigureKey>(cboFigure->currentData().toInt());
        const engine::Better side = engine::InfoOf(key).better;
        std::vector<engine::SittingTime> times;
        for (auto sitting = sittings.rbegin(); sitting != sittings.rend(); ++sitting) {
            if (const std::optional<double> value = sitting->figures.get(key)) {
                content.points.push_back({sitting->endedAt.localMs(), *value});
                times.push_back(sitting->endedAt);
            }
        }
        const auto& points = content.points;
        if (!points.empty() && side != engine::Better::Neither) {
            const auto best = std::max_element(points.begin(), points.end(), [side](const auto& a, const auto& b) {
                return side == engine::Better::Higher ? a.value < b.value : a.value > b.value;
            });
            content.best = static_cast<std::size_t>(best - points.begin());
            //: The score chart's legend: the best sitting's mark and value.
            content.texts.best = tr("best %1").arg(keeping::FigureValue(key, best->value));
        }
        if (!points.empty()) {
            //: The score chart's legend: the last sitting's mark and value.
            content.texts.last = tr("last %1").arg(keeping::FigureValue(key, points.back().value));
        }
        if (points.size() >= 2) {
            const double previous = points[points.size() - 2].value;
            //: The score chart's legend: the mark of the sitting before the last, its value and the change since.
            content.texts.previous = tr("previous %1 (%2)")
                                         .arg(keeping::FigureValue(key, previous),
                                              keeping::FigureChange(key, points.back().value - previous));
        }
        if (const std::optional<engine::Trend> trend = engine::TrendOf(sittings, key)) {
            const std::size_t first = points.size() - trend->sittings;
            content.trend = charts::ScoreLine{first, points.size() - 1, trend->line.at(1.0),
                                              trend->line.at(static_cast<double>(trend->sittings))};
            //: The score chart's legend: the dashed trend line and what the trend is.
            content.texts.trend = tr("trend: %1").arg(TrendWords(trend->kind));
        }
        const QString title = keeping::FigureTitle(key);
        content.pointText = [key, times, values = points](std::size_t point) {
            //: A sitting in the score chart: when it ended, then its value.
            return tr("%1: %2").arg(keeping::SittingTimeText(times[point]),
                                    keeping::FigureValue(key, values[point].value));
        };
        QStringList summary;
        //: What the score chart shows: the score, the format, how many sittings, from and to which date.
        summary << tr("%1 of %2 in %3 sittings from %4 to %5; Left and Right step through them.")
                       .arg(title, lblChart->text())
                       .arg(points.size())
                       .arg(points.empty() ? QString() : keeping::SittingDateText(times.front()),
                            points.empty() ? QString() : keeping::SittingDateText(times.back()));
        for (const QString* text :
             {&content.texts.last, &content.texts.previous, &content.texts.best, &content.texts.trend})
            if (!text->isEmpty()) summary << *text + u'.';
        content.summary = summary.join(u' ');
        host::SetAccessibleText(picScore, tr("%1 by date").arg(title));
    } else {
        host::SetAccessibleText(picScore, tr("Score by date"));
    }
    picScore->setContent(std::move(content));
    ShowTrend(sittings);
}

void frmHistory::ShowTrend(const std::vector<engine::SittingSummary>& sittings) {
    lblTrend->setToolTip({});
    if (sittings.size() < engine::kTrendMinSittings) {
        lblTrend->setText(sittings.empty() ? QString()
                                           : tr("A trend needs %1 sittings of this format; there are %2.")
                                                 .arg(engine::kTrendMinSittings)
                                                 .arg(sittings.size()));
        return;
    }
    // The figures that change most with practice lead: the work amount and its fluctuation,
    // then the one the chart shows.
    std::vector<engine::FigureKey> shown;
    const std::vector<engine::FigureKey> order = keeping::InShowingOrder(KeysOf(sittings));
    for (const engine::FigureKey key : order) {
        if (shown.size() == 2) break;
        if (engine::InfoOf(key).main) shown.push_back(key);
    }
    if (cboFigure->count() > 0) {
        const auto chosen = static_cast<engine::FigureKey>(cboFigure->currentData().toInt());
        if (std::find(shown.begin(), shown.end(), chosen) == shown.end()) shown.push_back(chosen);
    }
    QStringList courses;
    std::size_t over = 0;
    for (const engine::FigureKey key : shown) {
        const std::optional<engine::Trend> trend = engine::TrendOf(sittings, key);
        if (!trend) continue;
        over = std::max(over, trend->sittings);
        //: A figure's course in the trend line: the figure's name, then improving, steady, variable or worsening.
        courses << tr("%1 %2").arg(keeping::FigureTitle(key), TrendWords(trend->kind));
    }
    //: The trend line: over how many of the last sittings, then each leading figure's course.
    lblTrend->setText(tr("Trend over the last %1 sittings: %2").arg(over).arg(courses.join(tr("; "))));
    const engine::Wording& rule = engine::wording::kTrendRule;
    lblTrend->setToolTip(QCoreApplication::translate(rule.context, rule.english).arg(over));
    lblTrend->setAccessibleDescription(lblTrend->toolTip());
}

std::vector<int> frmHistory::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : grdSittings->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmHistory::SelectionChanged() {
    ShowOverlay();
    UpdateCommands();
}

void frmHistory::ShowOverlay() {
    charts::CurveOverlayChart::Content content;
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    std::vector<engine::SittingSummary> chosen;
    for (const int row : SelectedRows()) {
        if (chosen.size() == charts::CurveOverlayPainter::kMaxOverlaidCurves) break;
        chosen.push_back(model_->sitting(row));
    }
    const bool oneFormat = std::all_of(chosen.begin(), chosen.end(), [&chosen](const engine::SittingSummary& sitting) {
        return sitting.formatKey == chosen.front().formatKey;
    });
    for (const engine::SittingSummary& summary : chosen) {
        engine::StoreFault fault;
        const std::optional<engine::KeptSitting> sitting = store ? store->Load(summary.id, fault) : std::nullopt;
        if (!sitting) {
            Told(fault);
            continue;
        }
        QString label = keeping::SittingTimeText(summary.endedAt);
        //: An overlaid curve of sittings of different formats: when it ended, then its format.
        if (!oneFormat) label = tr("%1, %2").arg(label, FormatTitle(summary));
        content.curves.push_back({label, CurveValues(*sitting)});
    }
    if (!chosen.empty() && oneFormat) {
        content.periodWord = chosen.front().kind == engine::SittingKind::Drill
                                 //: What one step of a drill run's curve is, written after "per".
                                 ? tr("minute")
                                 : sheetresults::PeriodName(chosen.front().format);
    }
    QStringList labels;
    for (const charts::OverlayCurve& curve : content.curves) labels << curve.label;
    //: The overlay's description: how many curves, what one step is, and each sitting's name.
    content.summary = tr("%1 curves laid over one another, pairs per %2: %3.")
                          .arg(content.curves.size())
                          .arg(content.periodWord.isEmpty() ? tr("period") : content.periodWord, labels.join(tr("; ")));
    content.periodText = [curves = content.curves](std::size_t period) {
        QStringList values;
        for (const charts::OverlayCurve& curve : curves)
            if (period < curve.values.size()) values << tr("%1: %2").arg(curve.label).arg(curve.values[period]);
        //: A step of the overlay in its tooltip: its number, then each curve's value.
        return tr("%1 — %2").arg(period + 1).arg(values.join(tr("; ")));
    };
    picOverlay->setContent(std::move(content));
}

void frmHistory::UpdateCommands() {
    keeping::Keeper& keeper = keeping::ProgramKeeper();
    engine::HistoryStore* store = keeper.store();
    const bool writable = store && store->state() != engine::StoreState::ReadOnly;
    const bool selected = !SelectedRows().empty();
    cmdOpen->setEnabled(grdSittings->currentIndex().isValid());
    cmdExport->setEnabled(selected);
    cmdExportAll->setEnabled(!all_.empty());
    cmdDelete->setEnabled(selected && writable);
    cmdDeleteAll->setEnabled(!all_.empty() && writable);
    const bool importing = keeper.consent() == keeping::Consent::Keep && (!store || writable);
    cmdImport->setEnabled(importing);
    cmdImport->setToolTip(importing ? tr("Adds the answers saved as CSV by the Sheet results or the Work curve window")
                                    : tr("Tick \"Keep a history of my sittings on this computer\" to import"));
}

void frmHistory::chkKeep_Click() { keeping::ProgramKeeper().SetConsent(chkKeep->isChecked()); }

void frmHistory::cmdOpen_Click() {
    const QModelIndex current = grdSittings->currentIndex();
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    if (!current.isValid() || !store) return;
    engine::StoreFault fault;
    const std::optional<engine::KeptSitting> sitting = store->Load(model_->sitting(current.row()).id, fault);
    if (!sitting) {
        Told(fault);
        return;
    }
    ShowKeptSitting(this, *sitting, services_);
}

void frmHistory::cmdImport_Click() {
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    if (!store) return;
    const QStringList paths =
        services_.files->OpenFileNames(this, {tr("Import CSV files into the history"),
                                              QFileInfo(windowkit::SuggestedPath(QStringLiteral("x"))).path(),
                                              {tr("CSV files (*.csv)"), tr("All files (*)")}});
    if (paths.isEmpty()) return;
    int imported = 0;
    QStringList refused;
    for (const QString& path : paths) {
        historystore::FileProblem problem;
        if (historystore::ImportFile(*store, path, {}, problem))
            ++imported;
        else
            refused << ProblemText(problem);
    }
    //: After Import CSV…: how many files were added to the history.
    lblStatus->setText(imported == 1 ? tr("1 file imported.") : tr("%1 files imported.").arg(imported));
    if (imported > 0) keeping::ProgramKeeper().NotifyChanged();
    if (refused.isEmpty()) return;
    //: The message after Import CSV… where files were refused: each file with its line and the reason.
    services_.messages->Show(this, {tr("These files were not imported:\n\n%1").arg(refused.join(u'\n')), tr("History"),
                                    host::MessageIcon::Warning, host::MessageButtons::Ok});
}

void frmHistory::cmdExport_Click() {
    std::vector<engine::SittingId> ids;
    for (const int row : SelectedRows()) ids.push_back(model_->sitting(row).id);
    if (!ids.empty()) Export(ids);
}

void frmHistory::cmdExportAll_Click() {
    if (!all_.empty()) Export({});
}

void frmHistory::Export(const std::vector<engine::SittingId>& ids) {
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    if (!store) return;
    const QString folder =
        services_.files->ExistingFolder(this, {ids.empty() ? tr("Export every kept sitting into a folder")
                                                           : tr("Export the selected sittings into a folder"),
                                               QFileInfo(windowkit::SuggestedPath(QStringLiteral("x"))).path()});
    if (folder.isEmpty()) return;
    historystore::FileProblem problem;
    const std::vector<QString> written =
        historystore::ExportSittings(*store, ids, folder, windowkit::WriteFileAtomically, problem);
    const QString where = QDir::toNativeSeparators(folder);
    //: After Export…: how many CSV files were written, and into which folder.
    const QString one = tr("1 file written to %1.");
    //: After Export…: how many CSV files were written, and into which folder.
    const QString many = tr("%1 files written to %2.");
    lblStatus->setText(written.size() == 1 ? one.arg(where) : many.arg(written.size()).arg(where));
    if (problem.kind == historystore::FileProblem::Kind::None) return;
    services_.messages->Show(this, {tr("The export stopped: %1").arg(ProblemText(problem)), tr("History"),
                                    host::MessageIcon::Warning, host::MessageButtons::Ok});
}

void frmHistory::cmdDelete_Click() {
    const std::vector<int> rows = SelectedRows();
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    if (rows.empty() || !store || !cmdDelete->isEnabled()) return;
    // The sittings asked about, taken before the question: while it is open another window's
    // sitting may be kept, and the table read again in another order.
    std::vector<engine::SittingId> ids;
    for (const int row : rows) ids.push_back(model_->sitting(row).id);
    const engine::SittingSummary& first = model_->sitting(rows.front());
    const QString question =
        rows.size() == 1
            //: Asked before one sitting is deleted: when it ended and its format.
            ? tr("Delete the sitting of %1 (%2) from the history? This cannot be undone.")
                  .arg(keeping::SittingTimeText(first.endedAt), FormatTitle(first))
            : tr("Delete the %1 selected sittings from the history? This cannot be undone.").arg(rows.size());
    if (services_.messages->Show(this, {question, tr("History"), host::MessageIcon::Question,
                                        host::MessageButtons::YesNo}) != host::MessageAnswer::Yes)
        return;
    const int at = rows.front();
    engine::StoreFault fault;
    for (const engine::SittingId id : ids)
        if (!store->Delete(id, fault) && fault.kind != engine::StoreFault::Kind::NotFound) break;
    if (fault.kind == engine::StoreFault::Kind::NotFound) fault = {};
    keeping::ProgramKeeper().NotifyChanged();
    Told(fault);
    if (model_->rowCount() == 0) return;
    const QModelIndex next = model_->index(std::min(at, model_->rowCount() - 1), 0);
    grdSittings->setCurrentIndex(next);
    grdSittings->selectionModel()->select(next, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void frmHistory::cmdDeleteAll_Click() {
    engine::HistoryStore* store = keeping::ProgramKeeper().store();
    if (all_.empty() || !store) return;
    //: Asked before every kept sitting is deleted; %1 is how many there are.
    const QString question = tr("Delete all %1 kept sittings from the history? This cannot be undone; Export all… "
                                "keeps a copy as CSV files first.")
                                 .arg(all_.size());
    std::vector<engine::SittingId> asked;
    for (const engine::SittingSummary& sitting : all_) asked.push_back(sitting.id);
    if (services_.messages->Show(this, {question, tr("History"), host::MessageIcon::Question,
                                        host::MessageButtons::YesNo}) != host::MessageAnswer::Yes)
        return;
    engine::StoreFault fault;
    // A sitting kept while the question was open was not counted in it, and stays.
    const bool unchanged = std::equal(asked.begin(), asked.end(), all_.begin(), all_.end(),
                                      [](engine::SittingId id, const engine::SittingSummary& s) { return id == s.id; });
    if (unchanged) {
        store->DeleteAll(fault);
    } else {
        for (const engine::SittingId id : asked)
            if (!store->Delete(id, fault) && fault.kind != engine::StoreFault::Kind::NotFound) break;
        if (fault.kind == engine::StoreFault::Kind::NotFound) fault = {};
    }
    keeping::ProgramKeeper().NotifyChanged();
    Told(fault);
}

frmHistory* ShowHistory(QWidget* owner, HistoryServices services) {
    QPointer<frmHistory>& window = OpenWindow();
    if (!window) {
        QWidget* top = owner ? owner->window() : nullptr;
        while (top && top->parentWidget()) top = top->parentWidget()->window();
        window = new frmHistory(services, top);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (top) window->setWindowIcon(top->windowIcon());
        window->PlaceBeside(owner);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void InstallHistoryWindow() {
    keeping::ProgramKeeper().setWindowOpener([](QWidget* owner) { ShowHistory(owner); });
}

} // namespace history
