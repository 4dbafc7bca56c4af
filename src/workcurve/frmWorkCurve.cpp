// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/frmWorkCurve.h"

#include "charts/FigureText.h"
#include "charts/PairMap.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/WindowLayout.h"
#include "keeping/HistoryText.h"
#include "keeping/KeepBar.h"
#include "keeping/Keeper.h"
#include "windowkit/ReadOnlyTable.h"
#include "windowkit/StoredForm.h"
#include "workcurve/IndexText.h"
#include "workcurve/RunCurveChart.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(work_curve_forms); }

namespace workcurve {

using charts::AccuracyText;
using charts::NoFigure;
using charts::SecondsText;

namespace {

struct RowText {
    const char* label;
    const char* explanation;
};

// The rows' names and what they mean, in English; the window shows them in its language.
// clang-format off
constexpr RowText kRowTexts[] = {
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Answered"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Every judged answer of the run, the partial minute included")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Duration"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "How long the run lasted, as its clock showed it")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Complete minutes"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Minutes the run lasted in full. A minute the run was stopped inside is shown in the chart, hatched, but left out of speed, fluctuation and trend")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Speed"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Mean answered per complete minute")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Accuracy"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "True answers in percent of all answers of the run")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Fluctuation"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Most minus fewest answered in a complete minute; needs two complete minutes")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Trend per minute"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Least-squares slope of answered per minute against the minute's number: answers per minute gained each minute (negative: slowing down); needs two complete minutes")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Median time"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Half the answers took at most this long, from the pair appearing to Enter (nearest rank)")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "90th percentile"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Nine answers in ten took at most this long (nearest rank)")},
    {QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "Ended"),
     QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "When the run ended")},
};
// clang-format on
// The rows are the texts' indices, Ended the last of them.
static_assert(std::size(kRowTexts) == static_cast<std::size_t>(frmWorkCurve::Row::Ended) + 1,
              "one text for every row of the indices table");

// The captions the window's description (forms/frmWorkCurve.listing) stores for its
// buttons, so that the translation tools find them; a button shows its stored caption's
// translation.
constexpr const char* kStoredCaptions[] = {
    QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "&Save as CSV…"),
    QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "&History…"),
};

// The main window's client height: the window must read well at it.
constexpr int kDefaultHeightTwips = 3630;
constexpr int kDefaultWidth = 780;
// The smallest the window is made to open beside the main window, where the screen leaves
// less room than the default size: chart, map and indices still readable.
constexpr int kSmallestWidth = 460;
constexpr int kSmallestHeight = 215;

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmWorkCurve.twd",
                                            "workcurve::frmWorkCurve", kStoredCaptions);
    return form;
}

} // namespace

const int frmWorkCurve::kRows = static_cast<int>(std::size(kRowTexts));

frmWorkCurve::frmWorkCurve(WorkCurveServices services, QWidget* parent)
    : ToolWindow(parent), services_(windowkit::WithSystemDialogs(services)) {
    setObjectName(QStringLiteral("frmWorkCurve"));
    // Presented to assistive technology as a window holding two charts.
    host::PresentAs(staticMetaObject, QAccessible::Window);
    host::PresentAs(RunCurveChart::staticMetaObject, QAccessible::Chart);
    host::PresentAs(charts::PairMap::staticMetaObject, QAccessible::Chart);
    setWindowTitle(tr("Work curve"));
    host::SetWhite(this);

    barKeep = new keeping::KeepBar(this);
    lblStanding = keeping::MakeStandingLabel(this, tr("This run's speed against your earlier logged runs"));

    picCurve = new RunCurveChart(this);
    picCurve->setObjectName(QStringLiteral("picCurve"));
    picPairs = new charts::PairMap(this);
    picPairs->setObjectName(QStringLiteral("picPairs"));

    grdIndices = windowkit::MakeReadOnlyTable(
        this, "grdIndices", tr("Indices"), tr("The run's figures, one a row; the Up and Down keys move through them"),
        kRows, 2);
    grdIndices->horizontalHeader()->hide();
    grdIndices->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdIndices->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int row = 0; row < kRows; ++row) {
        const QString explanation = tr(kRowTexts[row].explanation);
        grdIndices->setItem(row, 0, windowkit::MakeReadOnlyCell(tr(kRowTexts[row].label), explanation));
        grdIndices->setItem(row, 1, windowkit::MakeReadOnlyCell(NoFigure(), explanation));
    }
    grdIndices->setFixedWidth(host::Twips(2 * windowkit::kButtonWidthTwips) + 6);

    cmdSave =
        Form().MakeButton(this, "cmdSave", tr("Save every answer of this run, with its answer time, to a CSV file"));
    cmdHistory = Form().MakeButton(this, "cmdHistory", tr("Your kept sittings, their scores over time and the trend"));
    cmdHistory->setVisible(keeping::ProgramKeeper().canOpenWindow());
    cmdClose = MakeCloseButton(Form());

    LayOut();

    resize(kDefaultWidth, host::Twips(kDefaultHeightTwips));
    setMinimumSize(minimumSizeHint().expandedTo(QSize(kSmallestWidth, 200)));
    setSmallestSize({kSmallestWidth, kSmallestHeight});

    connect(cmdSave, &QAbstractButton::clicked, this, &frmWorkCurve::cmdSave_Click);
    connect(cmdHistory, &QAbstractButton::clicked, this, [this] { keeping::ProgramKeeper().OpenWindow(this); });
    connect(&keeping::ProgramKeeper(), &keeping::Keeper::historyChanged, this, &frmWorkCurve::ShowStanding);
    connect(barKeep, &keeping::KeepBar::changed, this, &frmWorkCurve::FitHistoryLines);
    host::AccessKeys::Install(this);
    picCurve->setFocus();
}

frmWorkCurve::~frmWorkCurve() = default;

void frmWorkCurve::LayOut() {
    // The history's button stands over the two others, which fill the table's width.
    auto* history = new QHBoxLayout;
    history->addStretch();
    history->addWidget(cmdHistory);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(grdIndices, 1);
    side->addLayout(history);
    side->addLayout(buttons);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(6);
    columns->addWidget(picCurve, 3);
    columns->addWidget(picPairs, 2);
    columns->addLayout(side);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(6);
    root->addWidget(barKeep);
    root->addWidget(lblStanding);
    root->addLayout(columns, 1);

    setTabOrder(picCurve, picPairs);
    setTabOrder(picPairs, grdIndices);
    setTabOrder(grdIndices, cmdHistory);
    setTabOrder(cmdHistory, cmdSave);
    setTabOrder(cmdSave, cmdClose);
}

void frmWorkCurve::ShowRun(RecordedRun run) {
    run_ = std::move(run);
    curve_ = engine::AnalyseWorkCurve(run_.answers, run_.length);
    picCurve->setCurve(curve_);
    picPairs->setPairs(curve_.pairs);
    SetRow(Row::Answered, AnsweredText(curve_));
    SetRow(Row::Duration, DurationText(curve_.length));
    SetRow(Row::CompleteMinutes, QString::number(curve_.completeMinutes));
    SetRow(Row::Speed, SpeedText(curve_.speed));
    SetRow(Row::Accuracy, AccuracyText(curve_.accuracy));
    SetRow(Row::Fluctuation, FluctuationText(curve_.fluctuation));
    SetRow(Row::Trend, TrendText(curve_.trend));
    SetRow(Row::Median, SecondsText(curve_.times.median));
    SetRow(Row::Percentile90, SecondsText(curve_.times.percentile90));
    SetRow(Row::Ended, run_.endedAt.isValid() ? run_.endedAt.toString(QStringLiteral("HH:mm:ss")) : NoFigure());
    // Wide enough for every figure, and for the two buttons under it.
    const QFontMetrics metrics = grdIndices->fontMetrics();
    const int cellMargins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdIndices) + 1) + 6;
    int contents = 2 * grdIndices->frameWidth();
    for (int column = 0; column < 2; ++column) {
        int widest = 0;
        for (int row = 0; row < kRows; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(grdIndices->item(row, column)->text()));
        contents += widest + cellMargins;
    }
    grdIndices->setFixedWidth(std::max(contents, host::Twips(2 * windowkit::kButtonWidthTwips) + 6));

    barKeep->Follow(run_.keeping);
    if (run_.keeping)
        connect(run_.keeping, &keeping::SittingKeeping::stateChanged, this, &frmWorkCurve::ShowStanding,
                Qt::UniqueConnection);
    ShowStanding();
}

void frmWorkCurve::ShowStanding() {
    const engine::SittingId self = run_.keeping ? run_.keeping->id() : run_.keptAs;
    const QString line = run_.endedAt.isValid()
                             ? keeping::StandingLine(std::string(engine::kDrillFormatKey), self,
                                                     keeping::TimeOf(run_.endedAt), engine::FiguresOf(curve_))
                             : QString();
    keeping::ShowStanding(lblStanding, line);
    FitHistoryLines();
}

void frmWorkCurve::FitHistoryLines() {
    // The window grows by the lines the history takes, so that the charts and every index keep
    // the room they were given.
    int lines = 0;
    for (QWidget* line : {static_cast<QWidget*>(barKeep), static_cast<QWidget*>(lblStanding)})
        if (!line->isHidden()) lines += line->sizeHint().height() + layout()->spacing();
    if (lines == historyLines_) return;
    resize(width(), height() - historyLines_ + lines);
    historyLines_ = lines;
}

void frmWorkCurve::SetRow(Row row, const QString& value) {
    QTableWidgetItem* item = grdIndices->item(static_cast<int>(row), 1);
    item->setText(value);
    item->setData(Qt::AccessibleTextRole, windowkit::SpokenFigure(tr(kRowTexts[static_cast<int>(row)].label), value));
}

void frmWorkCurve::cmdSave_Click() { SaveAnswers(this, run_, *services_.files, *services_.messages); }

} // namespace workcurve
