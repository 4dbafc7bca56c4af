// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetresults/frmSheetResults.h"

#include "charts/PairMap.h"
#include "engine/SheetCsv.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/WindowLayout.h"
#include "keeping/HistoryText.h"
#include "keeping/KeepBar.h"
#include "keeping/Keeper.h"
#include "sheetresults/MarksView.h"
#include "sheetresults/ScoreText.h"
#include "sheetresults/SittingCurveChart.h"
#include "windowkit/CsvFile.h"
#include "windowkit/ReadOnlyTable.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(sheet_results_forms); }

namespace sheetresults {

namespace {

constexpr int kSaveWidthTwips = 2100;
constexpr int kDefaultWidth = 1010;
constexpr int kDefaultHeight = 560;
constexpr int kSmallestWidth = 620;
constexpr int kSmallestHeight = 360;

// The captions the window's description stores for its buttons, in the language installed
// when the buttons are made.
constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("sheetresults::frmSheetResults", "&Save answers as CSV…"),
    QT_TRANSLATE_NOOP("sheetresults::frmSheetResults", "&History…"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmSheetResults.twd",
                                            "sheetresults::frmSheetResults", kCaptions);
    return form;
}

// A cell screen readers read as `spoken`, with its tooltip (a score's formula) as its
// description.
QTableWidgetItem* Cell(const QString& text, const QString& toolTip, const QString& spoken) {
    QTableWidgetItem* item = windowkit::MakeReadOnlyCell(text, toolTip);
    item->setData(Qt::AccessibleTextRole, spoken);
    if (!toolTip.isEmpty()) item->setData(Qt::AccessibleDescriptionRole, toolTip);
    return item;
}

} // namespace

frmSheetResults::frmSheetResults(SheetResultsServices services, QWidget* parent)
    : ToolWindow(parent), services_(windowkit::WithSystemDialogs(services)) {
    setObjectName(QStringLiteral("frmSheetResults"));
    host::PresentAs(staticMetaObject, QAccessible::Window);
    host::PresentAs(SittingCurveChart::staticMetaObject, QAccessible::Chart);
    host::PresentAs(charts::PairMap::staticMetaObject, QAccessible::Chart);
    setWindowTitle(tr("Sheet results"));
    host::SetWhite(this);

    barKeep = new keeping::KeepBar(this);
    lblStanding = keeping::MakeStandingLabel(
        this, tr("This sitting's leading score against your earlier sittings of the same format"));

    lblSheet = new QLabel(this);
    lblSheet->setObjectName(QStringLiteral("lblSheet"));
    lblSheet->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblSheet->setToolTip(
        tr("The same seed and format give the same sheet, so a sitting can be repeated (--sheet FORMAT --seed N)"));

    picCurve = new SittingCurveChart(this);
    picCurve->setObjectName(QStringLiteral("picCurve"));
    picPairs = new charts::PairMap(this);
    picPairs->setObjectName(QStringLiteral("picPairs"));
    // In the map's place for a sitting without answer times.
    lblNoPairs = new QLabel(
        tr("Worked on paper: no answer times, so no digit-pair map, which shows each pair's answer time. The right "
           "and wrong answers are in the curve and the scores."),
        this);
    lblNoPairs->setObjectName(QStringLiteral("lblNoPairs"));
    lblNoPairs->setWordWrap(true);
    lblNoPairs->setAlignment(Qt::AlignCenter);
    lblNoPairs->hide();

    BuildSide();

    grdPeriods = windowkit::MakeReadOnlyTable(
        this, "grdPeriods", tr("Periods"),
        tr("Every column, line or period with its figures; the Up and Down keys move through them"));
    grdPeriods->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    cmdSave = Form().MakeButton(
        this, "cmdSave",
        tr("Save every pair of this sitting, with its answer, corrections and answer time, to a CSV file"),
        kSaveWidthTwips);
    cmdHistory = Form().MakeButton(this, "cmdHistory", tr("Your kept sittings, their scores over time and the trend"));
    cmdHistory->setVisible(keeping::ProgramKeeper().canOpenWindow());
    cmdClose = MakeCloseButton(Form());

    LayOut();
    resize(kDefaultWidth, kDefaultHeight);
    setMinimumSize(minimumSizeHint().expandedTo(QSize(kSmallestWidth, kSmallestHeight)));

    connect(cmdSave, &QAbstractButton::clicked, this, &frmSheetResults::cmdSave_Click);
    connect(cmdHistory, &QAbstractButton::clicked, this, [this] { keeping::ProgramKeeper().OpenWindow(this); });
    connect(&keeping::ProgramKeeper(), &keeping::Keeper::historyChanged, this, &frmSheetResults::ShowStanding);
    host::AccessKeys::Install(this);
    picCurve->setFocus();
}

frmSheetResults::~frmSheetResults() = default;

void frmSheetResults::BuildSide() {
    grdScores = windowkit::MakeReadOnlyTable(
        this, "grdScores", tr("Scores"),
        tr("The sitting's scores, one a row, each with its formula; the Up and Down keys move through them"));
    grdScores->setColumnCount(2);
    grdScores->horizontalHeader()->hide();
    grdScores->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdScores->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    // The marks share the scores' room, so that the curve stays in view beside them and shows
    // where the chosen mark sits.
    fraMarks = new MarksView(this);
    fraMarks->setObjectName(QStringLiteral("fraMarks"));
    tabSide = new QTabWidget(this);
    tabSide->setObjectName(QStringLiteral("tabSide"));
    //: The tab of the sitting's scores.
    tabSide->addTab(grdScores, tr("Sc&ores"));
    //: The tab of where the sitting stands against the marks published for its test.
    tabSide->addTab(fraMarks, tr("&Marks"));
    connect(fraMarks, &MarksView::curveMarksChanged, picCurve, &SittingCurveChart::setMarks);
    // A tab's access key (or a click on it) takes the focus into the tab; the arrow keys on the
    // tabs leave it there.
    connect(tabSide, &QTabWidget::currentChanged, this, [this] {
        if (!tabSide->tabBar()->hasFocus()) tabSide->currentWidget()->setFocus(Qt::ShortcutFocusReason);
    });
}

void frmSheetResults::LayOut() {
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdHistory);
    buttons->addWidget(cmdClose);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(tabSide, 1);
    side->addLayout(buttons);
    auto* chartsRow = new QHBoxLayout;
    chartsRow->setSpacing(6);
    chartsRow->addWidget(picCurve, 3);
    chartsRow->addWidget(picPairs, 2);
    chartsRow->addWidget(lblNoPairs, 2);
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(lblSheet);
    left->addLayout(chartsRow, 3);
    left->addWidget(grdPeriods, 2);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addLayout(left, 3);
    columns->addLayout(side, 2);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(6);
    root->addWidget(barKeep);
    root->addWidget(lblStanding);
    root->addLayout(columns, 1);

    setTabOrder(picCurve, picPairs);
    setTabOrder(picPairs, grdPeriods);
    setTabOrder(grdPeriods, tabSide);
    setTabOrder(tabSide, grdScores);
    setTabOrder(grdScores, fraMarks);
    setTabOrder(fraMarks, cmdSave);
    setTabOrder(cmdSave, cmdHistory);
    setTabOrder(cmdHistory, cmdClose);
}

void frmSheetResults::ShowSitting(FinishedSitting sitting) {
    sitting_ = std::move(sitting);
    scores_ = engine::ScoreSheet(sitting_.format, sitting_.record, sitting_.elapsedMs);
    const engine::SheetFormat& format = sitting_.format;
    //: A sheet worked on paper and entered by hand: "Kraepelin 50 × 15 s (paper)".
    const QString title = scores_.untimed ? tr("%1 (paper)").arg(SheetTitle(format)) : SheetTitle(format);
    if (sitting_.seed) {
        //: %1 is the sheet's title, %2 its seed.
        setWindowTitle(tr("Sheet results – %1, seed %2").arg(title).arg(*sitting_.seed));
        lblSheet->setText(tr("%1, seed %2").arg(title).arg(*sitting_.seed));
    } else {
        //: A sitting imported from a file that does not say its seed; %1 is the sheet's title.
        setWindowTitle(tr("Sheet results – %1").arg(title));
        lblSheet->setText(title);
    }
    lblSheet->setAccessibleName(lblSheet->text());
    picCurve->setScores(format, scores_);
    fraMarks->setSitting(format, scores_);
    picPairs->setPairs(scores_.pairs);
    picPairs->setVisible(!scores_.untimed);
    lblNoPairs->setVisible(scores_.untimed);

    std::vector<ScoreRow> rows = ScoreRows(format, scores_, sitting_.seed, sitting_.end, sitting_.elapsedMs);
    // An imported file does not say how its sitting ended.
    const QString ended = QCoreApplication::translate("ScoreText", "Ended");
    for (ScoreRow& row : rows)
        if (!sitting_.endRecorded && row.name == ended) row.value = keeping::EndText(engine::KeptEnd::NotRecorded);
    grdScores->clearContents();
    grdScores->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < grdScores->rowCount(); ++row) {
        const ScoreRow& score = rows[static_cast<std::size_t>(row)];
        const QString spoken = windowkit::SpokenFigure(score.name, score.value);
        grdScores->setItem(row, 0, Cell(score.name, score.formula, spoken));
        grdScores->setItem(row, 1, Cell(score.value, score.formula, spoken));
    }
    KeepScoresWhole();

    const QStringList headings = PeriodHeadings(format);
    grdPeriods->clear();
    grdPeriods->setColumnCount(static_cast<int>(headings.size()));
    grdPeriods->setHorizontalHeaderLabels(headings);
    grdPeriods->setRowCount(static_cast<int>(scores_.periods.size()));
    for (std::size_t index = 0; index < scores_.periods.size(); ++index) {
        const QStringList cells = PeriodCells(format, index, scores_.periods[index]);
        const QString spoken = PeriodText(format, index, scores_.periods[index]);
        for (int column = 0; column < cells.size(); ++column)
            grdPeriods->setItem(static_cast<int>(index), column, Cell(cells[column], {}, spoken));
    }

    // A sitting that has just ended goes into the history where the user keeps one.
    delete std::exchange(keeping_, nullptr);
    if (sitting_.keptAs == 0) {
        keeping_ = new keeping::SittingKeeping(engine::KeepSheet(format, sitting_.record, sitting_.seed, sitting_.end,
                                                                 sitting_.elapsedMs, keeping::TimeOf(sitting_.endedAt)),
                                               keeping::ProgramKeeper(), this);
        connect(keeping_, &keeping::SittingKeeping::stateChanged, this, &frmSheetResults::ShowStanding);
    }
    barKeep->Follow(keeping_);
    ShowStanding();
}

void frmSheetResults::ShowStanding() {
    const engine::SittingId self = keeping_ ? keeping_->id() : sitting_.keptAs;
    const QString line =
        keeping::StandingLine(engine::FormatKeyOf(sitting_.format), self, keeping::TimeOf(sitting_.endedAt),
                              engine::FiguresOf(sitting_.format, scores_));
    keeping::ShowStanding(lblStanding, line);
}

void frmSheetResults::KeepScoresWhole() {
    // The table is never narrower than its longest name and longest value, with room kept for
    // a scroll bar where the window is short, so every score reads whole at any size the
    // window allows. Wrapping the values instead would make the rows' heights, the scroll bar
    // and the columns' widths depend on each other.
    const QAbstractItemView* view = grdScores;
    const int contents = view->sizeHintForColumn(0) + view->sizeHintForColumn(1);
    grdScores->setMinimumWidth(contents + 2 * grdScores->frameWidth() +
                               grdScores->verticalScrollBar()->sizeHint().width());
    setMinimumSize(minimumSizeHint().expandedTo(QSize(kSmallestWidth, kSmallestHeight)));
}

void frmSheetResults::cmdSave_Click() {
    const QDateTime endedAt = sitting_.endedAt.isValid() ? sitting_.endedAt : QDateTime::currentDateTime();
    windowkit::SaveCsv(this, windowkit::SuggestedPath(SheetAnswersFileName(sitting_.format, sitting_.seed, endedAt)),
                       engine::FormatSheetCsv(sitting_.format, sitting_.record), *services_.files, *services_.messages);
}

QString SheetAnswersFileName(const engine::SheetFormat& format, std::optional<std::uint64_t> seed,
                             const QDateTime& endedAt) {
    // Only letters, digits and hyphens of the name: it becomes part of a file name.
    QString name;
    for (const QChar c : QString::fromStdString(format.name))
        name += c.isLetterOrNumber() && c.unicode() < 0x80 ? c : QLatin1Char('-');
    return QStringLiteral("tavrendale-%1%2%3-%4.csv")
        .arg(name, format.practice ? QStringLiteral("-practice") : QString(),
             seed ? QStringLiteral("-%1").arg(*seed) : QString(), endedAt.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

frmSheetResults* ShowSheetResults(QWidget* parent, const engine::SheetFormat& format,
                                  std::span<const engine::SheetAnswer> record, std::uint64_t seed,
                                  engine::SittingEnd end, std::uint64_t elapsedMs) {
    auto* window = new frmSheetResults({}, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->ShowSitting({format, {record.begin(), record.end()}, seed, end, elapsedMs, QDateTime::currentDateTime()});
    window->PlaceBeside(parent);
    window->show();
    return window;
}

} // namespace sheetresults
