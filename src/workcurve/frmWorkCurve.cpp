// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/frmWorkCurve.h"

#include "charts/FigureText.h"
#include "charts/PairMap.h"
#include "controls/CommandButton.h"
#include "controls/chameleonButton/WindowDescription.h"
#include "docking/WindowDocking.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/Fonts.h"
#include "host/qt/MessageBoxes.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/WindowLayout.h"
#include "workcurve/IndexText.h"
#include "workcurve/Placement.h"
#include "workcurve/RunCurveChart.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
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
    QT_TRANSLATE_NOOP("workcurve::frmWorkCurve", "&Close"),
};

constexpr int kButtonWidthTwips = 1335;
constexpr int kButtonHeightTwips = 375;
// The main window's client height: the window must read well at it.
constexpr int kDefaultHeightTwips = 3630;
constexpr int kDefaultWidth = 780;
// The smallest the window is made to open beside the main window, where the screen leaves
// less room than the default size: chart, map and indices still readable.
constexpr int kSmallestWidth = 460;
constexpr int kSmallestHeight = 215;

const chameleon::WindowDescription& Description() {
    static const chameleon::WindowDescription description = [] {
        RegisterWindowDescription();
        return controls::LoadBuiltInDescription(QStringLiteral(":/forms/frmWorkCurve.twd"));
    }();
    return description;
}

QAbstractButton* MakeButton(QWidget* parent, const char* name, const QString& toolTip) {
    QAbstractButton* button = controls::MakeCommandButton(
        parent, Description(), name, QRect(0, 0, host::Twips(kButtonWidthTwips), host::Twips(kButtonHeightTwips)));
    controls::TranslateStoredCaption(button, "workcurve::frmWorkCurve", kStoredCaptions);
    button->setFixedSize(host::Twips(kButtonWidthTwips), host::Twips(kButtonHeightTwips));
    button->setToolTip(toolTip);
    return button;
}

} // namespace

const int frmWorkCurve::kRows = static_cast<int>(std::size(kRowTexts));

frmWorkCurve::frmWorkCurve(WorkCurveServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      services_(services) {
    if (services_.files == nullptr) services_.files = &host::SystemFileDialogs();
    if (services_.messages == nullptr) services_.messages = &host::SystemMessageBoxes();
    setObjectName(QStringLiteral("frmWorkCurve"));
    // Presented to assistive technology as a window holding two charts.
    host::PresentAs(staticMetaObject, QAccessible::Window);
    host::PresentAs(RunCurveChart::staticMetaObject, QAccessible::Chart);
    host::PresentAs(charts::PairMap::staticMetaObject, QAccessible::Chart);
    setWindowTitle(tr("Work curve"));
    setFont(host::LayoutFont(QStringLiteral("Tahoma"), 8.25));
    host::SetWhite(this);

    picCurve = new RunCurveChart(this);
    picCurve->setObjectName(QStringLiteral("picCurve"));
    picPairs = new charts::PairMap(this);
    picPairs->setObjectName(QStringLiteral("picPairs"));

    grdIndices = new QTableWidget(kRows, 2, this);
    grdIndices->setObjectName(QStringLiteral("grdIndices"));
    host::SetAccessibleText(grdIndices, tr("Indices"),
                            tr("The run's figures, one a row; the Up and Down keys move through them"));
    grdIndices->horizontalHeader()->hide();
    grdIndices->verticalHeader()->hide();
    grdIndices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdIndices->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdIndices->setSelectionMode(QAbstractItemView::SingleSelection);
    grdIndices->setShowGrid(false);
    grdIndices->setWordWrap(false);
    // Tab moves on to the buttons; the arrow keys move within the table.
    grdIndices->setTabKeyNavigation(false);
    grdIndices->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdIndices->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    grdIndices->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grdIndices->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int row = 0; row < kRows; ++row) {
        auto* label = new QTableWidgetItem(tr(kRowTexts[row].label));
        auto* value = new QTableWidgetItem(NoFigure());
        for (QTableWidgetItem* item : {label, value}) {
            item->setToolTip(tr(kRowTexts[row].explanation));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        grdIndices->setItem(row, 0, label);
        grdIndices->setItem(row, 1, value);
    }
    grdIndices->setFixedWidth(host::Twips(2 * kButtonWidthTwips) + 6);

    cmdSave = MakeButton(this, "cmdSave", tr("Save every answer of this run, with its answer time, to a CSV file"));
    cmdClose = MakeButton(this, "cmdClose", tr("Close this window (Esc)"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* side = new QVBoxLayout;
    side->setSpacing(6);
    side->addWidget(grdIndices, 1);
    side->addLayout(buttons);
    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 6);
    root->setSpacing(6);
    root->addWidget(picCurve, 3);
    root->addWidget(picPairs, 2);
    root->addLayout(side);

    setTabOrder(picCurve, picPairs);
    setTabOrder(picPairs, grdIndices);
    setTabOrder(grdIndices, cmdSave);
    setTabOrder(cmdSave, cmdClose);

    resize(kDefaultWidth, host::Twips(kDefaultHeightTwips));
    setMinimumSize(minimumSizeHint().expandedTo(QSize(kSmallestWidth, 200)));

    connect(cmdSave, &QAbstractButton::clicked, this, &frmWorkCurve::cmdSave_Click);
    connect(cmdClose, &QAbstractButton::clicked, this, &frmWorkCurve::cmdClose_Click);
    host::AccessKeys::Install(this);
    picCurve->setFocus();
    Form_Load();
}

frmWorkCurve::~frmWorkCurve() {
    // Destroyed without being closed (its owner went first): undock all the same.
    Form_Unload();
}

void frmWorkCurve::Form_Load() {
    loaded_ = true;
    docking::EnableDocking(this);
}

void frmWorkCurve::Form_Unload() {
    if (!loaded_) return;
    loaded_ = false;
    docking::DisableDocking(this);
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
    grdIndices->setFixedWidth(std::max(contents, host::Twips(2 * kButtonWidthTwips) + 6));
}

void frmWorkCurve::SetRow(Row row, const QString& value) {
    QTableWidgetItem* item = grdIndices->item(static_cast<int>(row), 1);
    item->setText(value);
    // Screen readers read the cell; the label and the value together make sense alone.
    //: What a screen reader reads for a figure of the indices table: the row's name, then its figure.
    item->setData(Qt::AccessibleTextRole, tr("%1: %2").arg(tr(kRowTexts[static_cast<int>(row)].label), value));
}

namespace {

host::Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

void frmWorkCurve::PlaceBeside(const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    if (!owner) {
        move(area.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    // The window's frame is not known before it is shown: take the owner's for now, and
    // place the window again once the window manager has framed it (a fixed-size owner may
    // have a thinner frame than this resizable window).
    placedBeside_ = owner;
    assumedFrame_ = owner->frameGeometry().size() - owner->geometry().size();
    Place(owner, assumedFrame_);
}

void frmWorkCurve::Place(const QWidget* owner, const QSize& frame) {
    const QScreen* screen = owner->screen();
    if (!screen) return;
    const QSize smallest = minimumSize().expandedTo(QSize(kSmallestWidth, kSmallestHeight)) + frame;
    const QSize preferred = size() + frame;
    const host::Rect placed =
        workcurve::PlaceBeside(ToRect(screen->availableGeometry()), ToRect(owner->frameGeometry()),
                               {preferred.width(), preferred.height()}, {smallest.width(), smallest.height()});
    resize(QSize(placed.width(), placed.height()) - frame);
    move(placed.left, placed.top);
}

void frmWorkCurve::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !placedBeside_) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    const QPointer<const QWidget> owner = std::exchange(placedBeside_, nullptr);
    if (frame == assumedFrame_ || frame.isEmpty() || !owner) return;
    Place(owner, frame);
}

void frmWorkCurve::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmWorkCurve::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmWorkCurve::cmdSave_Click() { SaveAnswers(this, run_, *services_.files, *services_.messages); }

void frmWorkCurve::cmdClose_Click() { close(); }

} // namespace workcurve
