// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/frmSheet.h"

#include "engine/Sheet.h"
#include "host/core/MonotonicClock.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/Languages.h"
#include "host/qt/MessageBoxes.h"
#include "host/qt/PreciseTimer.h"
#include "host/qt/WindowLayout.h"
#include "keeping/Keeper.h"
#include "sheet/CallVoice.h"
#include "sheet/CueSound.h"
#include "sheet/ExaminerCalls.h"
#include "sheet/ExaminerView.h"
#include "sheet/FormatErrorText.h"
#include "sheet/PaperBox.h"
#include "sheet/PaperEntryForm.h"
#include "sheet/ProcedurePanel.h"
#include "sheet/SheetView.h"
#include "sheetresults/ScoreText.h"
#include "sheetresults/frmSheetResults.h"
#include "windowkit/StoredForm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(sheet_window_forms); }

namespace sheet {
namespace {

const QString kTitle = QStringLiteral("Tavrendale");

struct PresetEntry {
    const char* name;
};
constexpr PresetEntry kPresets[] = {{"kraepelin-15"}, {"kraepelin-30"}, {"uchida"}, {"pauli"}, {"custom"}};
constexpr int kCustomIndex = 4;

constexpr QSize kDefaultSize(800, 620);
constexpr int kPaperEntryWidthTwips = 2400;
constexpr std::uint64_t kLargestOfferedSeed = 999999;

// The captions the window's description stores for its buttons, in the language installed
// when the buttons are made.
constexpr const char* kCaptions[] = {
    QT_TRANSLATE_NOOP("sheet::frmSheet", "&Start"),
    QT_TRANSLATE_NOOP("sheet::frmSheet", "&Stop"),
    QT_TRANSLATE_NOOP("sheet::frmSheet", "Enter a paper sitting…"),
    QT_TRANSLATE_NOOP("sheet::frmSheet", "H&istory…"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmSheet.twd", "sheet::frmSheet",
                                            kCaptions);
    return form;
}

// "12:30", "1:00:00".
QString ClockText(std::uint64_t milliseconds) {
    // Rounded up: the last second shows 0:01, not 0:00.
    const std::uint64_t seconds = (milliseconds + 999) / 1000;
    if (seconds >= 3600) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// "12 min 30 s", "1 min", "45 s".
QString SpanText(std::uint64_t seconds) {
    const std::uint64_t minutes = seconds / 60;
    const std::uint64_t rest = seconds % 60;
    if (minutes == 0) return frmSheet::tr("%1 s").arg(rest);
    if (rest == 0) return frmSheet::tr("%1 min").arg(minutes);
    return frmSheet::tr("%1 min %2 s").arg(minutes).arg(rest);
}

// What a format asks of the user, in a sentence or two.
QString FormatSummary(const engine::SheetFormat& format) {
    const QString digits = format.noRepeat ? frmSheet::tr("digits %1 to %2, never the same twice in a row")
                                           : frmSheet::tr("digits %1 to %2");
    const QString range = digits.arg(format.lowestDigit).arg(format.highestDigit);
    const QString total = SpanText(format.durationMs() / 1000);
    if (!format.cued()) {
        return frmSheet::tr("%1 additions in columns of %2 digits (%3), worked from the top down one after another, "
                            "without a cue; a stroke every %4. %5 in all.")
            .arg(format.totalPairs())
            .arg(format.digitsPerUnit)
            .arg(range, SpanText(format.strokeSeconds), total);
    }
    QString text;
    if (format.order == engine::WorkOrder::LeftToRight) {
        text = frmSheet::tr("%1 lines of %2 digits (%3 additions each, %4), each from left to right; a new line "
                            "every %5.")
                   .arg(format.unitCount())
                   .arg(format.digitsPerUnit)
                   .arg(format.pairsPerUnit())
                   .arg(range, SpanText(format.secondsPerUnit));
    } else {
        text = format.order == engine::WorkOrder::BottomUp
                   ? frmSheet::tr("%1 columns of %2 digits (%3), each from the bottom up; the next column every %4.")
                   : frmSheet::tr("%1 columns of %2 digits (%3), each from the top down; the next column every %4.");
        text = text.arg(format.unitCount()).arg(format.digitsPerUnit).arg(range, SpanText(format.secondsPerUnit));
    }
    if (format.hasBreak()) {
        //: A sentence after the one before: mind the space before it where the language puts one.
        text += (format.order == engine::WorkOrder::LeftToRight ? frmSheet::tr(" A break of %1 after line %2.")
                                                                : frmSheet::tr(" A break of %1 after column %2."))
                    .arg(SpanText(format.breakSeconds))
                    .arg(format.breakAfter);
    }
    return text + frmSheet::tr(" %1 in all.").arg(total);
}

std::uint64_t RandomSeed() {
    return static_cast<std::uint64_t>(QRandomGenerator::global()->bounded(static_cast<quint32>(kLargestOfferedSeed))) +
           1;
}

// The window's font grown by `factor`, whether it is set in points or in pixels.
QFont Grown(QFont font, double factor) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
    return font;
}

// Whether `text` is a whole number written in digits alone, however large.
bool AllDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The format's checks name the value they were given, which is not the text typed where that
// was a digit beyond 99 or a number too large to hold: the refusal names the text typed
// instead, in the message that ends with the value too.
void NameTheTextTyped(engine::FormatError& error, const std::string& typed) {
    const std::string& given = error.value;
    std::string& message = error.message;
    if (message.size() >= given.size() && message.compare(message.size() - given.size(), given.size(), given) == 0)
        message.replace(message.size() - given.size(), given.size(), typed);
    error.value = typed;
}

} // namespace

frmSheet::frmSheet(SheetServices services, QWidget* parent) : ToolWindow(parent), services_(std::move(services)) {
    if (!services_.clock) services_.clock = &host::SystemMonotonicClock();
    if (!services_.messages) services_.messages = &host::SystemMessageBoxes();
    if (!services_.sound) {
        ownSound_ = MakeSystemCueSound();
        services_.sound = ownSound_.get();
    }
    // Made now, loaded only when a sheet first asks for a voice.
    if (!services_.voice) {
        ownVoice_ = MakeSystemCallVoice();
        services_.voice = ownVoice_.get();
    }
    calls_ = std::make_unique<CallSounds>(*services_.sound, *services_.voice);
    if (!services_.showResults) services_.showResults = sheetresults::ShowSheetResults;
    if (!services_.newSeed) services_.newSeed = RandomSeed;

    setObjectName(QStringLiteral("frmSheet"));
    host::PresentAs(staticMetaObject, QAccessible::Window);
    setWindowTitle(tr("Exam sheets"));
    BuildLayout();
    tmrSheet = new host::PreciseTimer(this);
    tmrSheet->SetInterval(kPollMilliseconds);
    connect(tmrSheet, &host::PreciseTimer::Timer, this, &frmSheet::tmrSheet_Timer);
    tmrDue = new QTimer(this);
    tmrDue->setSingleShot(true);
    tmrDue->setTimerType(Qt::PreciseTimer);
    connect(tmrDue, &QTimer::timeout, this, &frmSheet::tmrSheet_Timer);
    calls_->setNoticeChanged([this] {
        lblVoiceNotice->setText(calls_->notice());
        picExaminer->setNotice(calls_->notice());
    });
    host::AccessKeys::Install(this);
    // GNOME's key scheme opens a list with Enter, and a text field may keep it there; here
    // Enter starts, and Space or Alt+Down open a list on every desktop.
    for (QWidget* field : stkPages->widget(0)->findChildren<QWidget*>())
        if (qobject_cast<QComboBox*>(field) || qobject_cast<QLineEdit*>(field)) field->installEventFilter(this);
    Choose({});
    cboFormat->setFocus();
}

frmSheet::~frmSheet() {
    // The sitting calls back into the window; it goes first.
    sitting_.reset();
}

void frmSheet::BuildLayout() {
    stkPages = new QStackedWidget(this);
    stkPages->addWidget(BuildChoosePage());
    stkPages->addWidget(BuildSittingPage());
    frmPaperEntry = new PaperEntryForm(stkPages);
    stkPages->addWidget(frmPaperEntry);
    QHBoxLayout* bottom = BuildCommands();
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->addWidget(stkPages, 1);
    root->addLayout(bottom);

    resize(kDefaultSize);

    Connect();
}

QWidget* frmSheet::BuildChoosePage() {
    auto* choose = new QWidget(stkPages);
    cboFormat = new QComboBox(choose);
    cboFormat->setObjectName(QStringLiteral("cboFormat"));
    for (const PresetEntry& preset : kPresets) {
        engine::FormatError error;
        const auto format = engine::FormatByName(preset.name, false, error);
        cboFormat->addItem(format ? sheetresults::SheetTitle(*format) : tr("Custom"), QString::fromLatin1(preset.name));
    }
    chkPractice = new QCheckBox(tr("&Practice version (short)"), choose);
    chkPractice->setObjectName(QStringLiteral("chkPractice"));
    chkPractice->setToolTip(tr(
        "The same sheet, shorter: Kraepelin 10 columns; Uchida-Kraepelin 3 lines, a 1-minute break and 3 lines; Pauli "
        "9 minutes"));

    BuildCustomForm(choose);
    lblSummary = new QLabel(choose);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setMinimumHeight(3 * lblSummary->fontMetrics().height());
    lblSummary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtSeed = new QLineEdit(choose);
    txtSeed->setObjectName(QStringLiteral("txtSeed"));
    txtSeed->setMaximumWidth(200);
    lblLastSheet = new QLabel(choose);
    lblLastSheet->setObjectName(QStringLiteral("lblLastSheet"));
    lblLastSheet->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* chooseLayout = new QGridLayout(choose);
    chooseLayout->addWidget(
        host::MakeBuddyLabel(choose, tr("&Format:"), cboFormat,
                             tr("The test the sheet is laid out and timed like, or a custom sheet")),
        0, 0);
    chooseLayout->addWidget(cboFormat, 0, 1);
    chooseLayout->addWidget(chkPractice, 0, 2);
    chooseLayout->addWidget(fraCustom, 1, 0, 1, 4);
    chooseLayout->addWidget(lblSummary, 2, 0, 1, 4);
    chooseLayout->addWidget(host::MakeBuddyLabel(choose, tr("S&eed:"), txtSeed,
                                                 tr("The same seed and format give the same sheet: type the seed of "
                                                    "an earlier sheet to sit it again")),
                            3, 0);
    chooseLayout->addWidget(txtSeed, 3, 1);
    BuildSittingChoices(choose, chooseLayout);
    chooseLayout->addWidget(lblLastSheet, 6, 0, 1, 4);
    // Printing and PDF of the sheet chosen above, format and seed as typed.
    fraPaper = new PaperBox(
        this,
        [this](engine::FormatError& error) -> std::optional<ChosenSheet> {
            auto format = ChosenFormat(error);
            std::optional<std::uint64_t> seed;
            if (format) seed = engine::ParseSeed(txtSeed->text().toStdString(), error);
            if (!seed) return std::nullopt;
            return ChosenSheet{std::move(*format), *seed};
        },
        {services_.messages, services_.files, {}}, choose);
    chooseLayout->addWidget(fraPaper, 7, 0, 1, 4);
    chooseLayout->setColumnStretch(3, 1);
    chooseLayout->setRowStretch(8, 1);

    return choose;
}

void frmSheet::BuildSittingChoices(QWidget* page, QGridLayout* layout) {
    chkProcedure = new QCheckBox(tr("Instructions, practice and &3-2-1 first"), page);
    chkProcedure->setObjectName(QStringLiteral("chkProcedure"));
    chkProcedure->setChecked(true);
    chkProcedure->setToolTip(tr("As in the test itself: the instructions with a worked example, a few practice pairs "
                                "and a countdown before the sheet's time starts"));
    layout->addWidget(chkProcedure, 4, 0, 1, 4);
    cboExaminer = new QComboBox(page);
    cboExaminer->setObjectName(QStringLiteral("cboExaminer"));
    cboExaminer->addItem(tr("Off: the sheet on screen"));
    cboExaminer->addItem(tr("Calls as a tone, the sheet on paper"), static_cast<int>(CallHearing::Tone));
    cboExaminer->addItem(tr("Calls spoken, the sheet on paper"), static_cast<int>(CallHearing::Voice));
    cboExaminer->addItem(tr("Calls spoken and a tone, the sheet on paper"),
                         static_cast<int>(CallHearing::ToneAndVoice));
    layout->addWidget(host::MakeBuddyLabel(page, tr("E&xaminer:"), cboExaminer,
                                           tr("For a printed sheet: the window gives the calls by the sheet's clock, "
                                              "then you enter what you did on paper")),
                      5, 0);
    layout->addWidget(cboExaminer, 5, 1);
    lblVoiceNotice = new QLabel(page);
    lblVoiceNotice->setObjectName(QStringLiteral("lblVoiceNotice"));
    layout->addWidget(lblVoiceNotice, 5, 2, 1, 2);
}

void frmSheet::BuildCustomForm(QWidget* page) {
    fraCustom = new QGroupBox(tr("Custom sheet"), page);
    fraCustom->setObjectName(QStringLiteral("fraCustom"));
    cboOrder = new QComboBox(fraCustom);
    cboOrder->setObjectName(QStringLiteral("cboOrder"));
    cboOrder->addItem(tr("Columns, each from the bottom up"), static_cast<int>(engine::WorkOrder::BottomUp));
    cboOrder->addItem(tr("Columns, each from the top down"), static_cast<int>(engine::WorkOrder::TopDown));
    cboOrder->addItem(tr("Lines, each from left to right"), static_cast<int>(engine::WorkOrder::LeftToRight));
    const auto makeField = [this](const char* name, const QString& text) {
        auto* field = new QLineEdit(text, fraCustom);
        field->setObjectName(QLatin1String(name));
        field->setMaximumWidth(80);
        return field;
    };
    using Limits = engine::CustomLimits;
    txtUnits = makeField("txtUnits", QStringLiteral("10"));
    txtDigits = makeField("txtDigits", QStringLiteral("27"));
    txtSeconds = makeField("txtSeconds", QStringLiteral("15"));
    txtBreakAfter = makeField("txtBreakAfter", QStringLiteral("0"));
    txtBreakSeconds = makeField("txtBreakSeconds", QStringLiteral("0"));
    txtLowest = makeField("txtLowest", QStringLiteral("1"));
    txtHighest = makeField("txtHighest", QStringLiteral("9"));
    chkNoRepeat = new QCheckBox(tr("No digit t&wice in a row"), fraCustom);
    chkNoRepeat->setObjectName(QStringLiteral("chkNoRepeat"));
    chkNoRepeat->setToolTip(tr("No digit follows itself in a column or line, as on Uchida-Kraepelin sheets"));
    auto* custom = new QGridLayout(fraCustom);
    const auto addRow = [custom, this](int row, int column, const QString& text, QWidget* field,
                                       const QString& toolTip) {
        custom->addWidget(host::MakeBuddyLabel(fraCustom, text, field, toolTip), row, column);
        custom->addWidget(field, row, column + 1);
    };
    addRow(0, 0, tr("La&yout:"), cboOrder, tr("Columns or lines, and the way they are worked"));
    custom->addWidget(cboOrder, 0, 1, 1, 3);
    addRow(1, 0, tr("C&olumns or lines:"), txtUnits, tr("1 to %1").arg(Limits::kMaxUnits));
    addRow(1, 2, tr("&Digits in each:"), txtDigits,
           tr("%1 to %2 digits a column or line").arg(Limits::kMinDigits).arg(Limits::kMaxDigits));
    addRow(2, 0, tr("Seco&nds for each:"), txtSeconds,
           tr("%1 to %2 seconds, then the cue moves on to the next column or line")
               .arg(Limits::kMinSeconds)
               .arg(Limits::kMaxSeconds));
    addRow(2, 2, tr("&Break after:"), txtBreakAfter, tr("A break after this many columns or lines; 0 for none"));
    addRow(
        3, 0, tr("Brea&k seconds:"), txtBreakSeconds,
        tr("%1 to %2 seconds with a break; 0 without one").arg(Limits::kMinBreakSeconds).arg(Limits::kMaxBreakSeconds));
    addRow(4, 0, tr("&Lowest digit:"), txtLowest, tr("The smallest digit printed: 0 to 8"));
    addRow(4, 2, tr("&Highest digit:"), txtHighest, tr("The largest digit printed: above the lowest, up to 9"));
    custom->addWidget(chkNoRepeat, 5, 0, 1, 4);
    custom->setColumnStretch(4, 1);
}

QWidget* frmSheet::BuildSittingPage() {
    auto* sit = new QWidget(stkPages);
    lblTitle = new QLabel(sit);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblCall = new QLabel(sit);
    lblCall->setObjectName(QStringLiteral("lblCall"));
    QFont callFont = Grown(font(), 1.6);
    callFont.setBold(true);
    lblCall->setFont(callFont);
    QPalette callPalette = lblCall->palette();
    callPalette.setColor(QPalette::WindowText, QColor(0xD0, 0x3A, 0x1F));
    lblCall->setPalette(callPalette);
    // Room for the widest and the tallest call, so that neither the title beside it nor the
    // sheet below moves when a call shows: a call in a font of its own (Japanese, drawn in a
    // fallback font) can be taller than the label's font.
    int widestCall = 0;
    int tallestCall = 0;
    for (const QString& call :
         {CallText(ExaminerCall::Next), CallText(ExaminerCall::Break), CallText(ExaminerCall::Stroke)}) {
        widestCall = std::max(widestCall, lblCall->fontMetrics().horizontalAdvance(call));
        lblCall->setText(call);
        tallestCall = std::max(tallestCall, lblCall->sizeHint().height());
    }
    lblCall->clear();
    lblCall->setMinimumSize(widestCall + 8, tallestCall);
    lblClock = new QLabel(sit);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setFont(callFont);
    lblClock->hide();
    auto* hint = new QLabel(tr("Type the unit digit of each sum – Backspace takes back, Space passes"), sit);
    hint->setObjectName(QStringLiteral("lblHint"));

    scrSheet = new QScrollArea(sit);
    scrSheet->setObjectName(QStringLiteral("scrSheet"));
    scrSheet->setWidgetResizable(false);
    scrSheet->setFocusPolicy(Qt::NoFocus);
    QPalette paper = scrSheet->palette();
    paper.setColor(QPalette::Window, Qt::white);
    scrSheet->setPalette(paper);
    scrSheet->setBackgroundRole(QPalette::Window);
    picSheet = new SheetView;
    picSheet->setObjectName(QStringLiteral("picSheet"));
    picSheet->setAccessibleDescription(
        tr("Type the unit digit of the sum of the two digits; Backspace takes back, Space passes; "
           "Ctrl+Plus and Ctrl+Minus zoom"));
    scrSheet->setWidget(picSheet);
    stkSitting = new QStackedWidget(sit);
    stkSitting->addWidget(scrSheet);
    picExaminer = new ExaminerView(stkSitting);
    picExaminer->setObjectName(QStringLiteral("picExaminer"));
    picExaminer->setAccessibleDescription(tr("The examiner: the calls for a printed sheet; Esc stops"));
    stkSitting->addWidget(picExaminer);
    picProcedure = new ProcedurePanel(*services_.clock, stkSitting);
    stkSitting->addWidget(picProcedure);
    lblBreak = new QLabel(scrSheet);
    lblBreak->setObjectName(QStringLiteral("lblBreak"));
    lblBreak->setAlignment(Qt::AlignCenter);
    lblBreak->setAutoFillBackground(true);
    QPalette cover = lblBreak->palette();
    cover.setColor(QPalette::Window, QColor(0xEE, 0xF2, 0xF8));
    lblBreak->setPalette(cover);
    lblBreak->setFont(Grown(font(), 2));
    lblBreak->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(lblTitle, 1);
    top->addWidget(lblCall);
    top->addWidget(lblClock);
    auto* sitLayout = new QVBoxLayout(sit);
    sitLayout->setContentsMargins(0, 0, 0, 0);
    sitLayout->addLayout(top);
    sitLayout->addWidget(hint);
    sitLayout->addWidget(stkSitting, 1);
    return sit;
}

QHBoxLayout* frmSheet::BuildCommands() {
    chkClock = new QCheckBox(tr("Show &time left"), this);
    chkClock->setObjectName(QStringLiteral("chkClock"));
    chkClock->setToolTip(tr("As in the test itself the clock is hidden; this shows the time left"));
    chkSound = new QCheckBox(tr("Sound at the c&ue"), this);
    chkSound->setObjectName(QStringLiteral("chkSound"));
    chkSound->setChecked(true);
    chkSound->setToolTip(tr("A short signal with each call to move on, the break and each stroke"));
    // A click on a switch leaves the keys with the sheet.
    chkClock->setFocusPolicy(Qt::TabFocus);
    chkSound->setFocusPolicy(Qt::TabFocus);
    lblZoom = new QLabel(tr("Zoom: Ctrl+Plus, Ctrl+Minus, Ctrl+wheel"), this);
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    lblZoom->setToolTip(tr("Ctrl+0 sets the zoom back"));
    cmdStart = Form().MakeButton(this, "cmdStartSheet", tr("Start the sheet: its time runs from now (Enter)"));
    cmdStop = Form().MakeButton(this, "cmdStopSheet", tr("Stop the sheet after asking, and show its results (Esc)"));
    cmdStop->hide();
    cmdPaperEntry = Form().MakeButton(this, "cmdPaperEntry",
                                      tr("Enter what you did on a printed sheet of this format and seed, for its "
                                         "results"),
                                      kPaperEntryWidthTwips);
    cmdHistory = Form().MakeButton(this, "cmdHistory", tr("Your kept sittings, their scores over time and the trend"));
    cmdHistory->setVisible(keeping::ProgramKeeper().canOpenWindow());
    cmdClose = MakeCloseButton(Form());
    host::SetAccessibleText(cmdStart, tr("Start"), tr("Starts the sheet"));
    host::SetAccessibleText(cmdStop, tr("Stop"), tr("Stops the sheet after asking"));
    host::SetAccessibleText(cmdClose, tr("Close"));
    host::SetAccessibleText(cmdPaperEntry, tr("Enter a paper sitting"), cmdPaperEntry->toolTip());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkClock);
    bottom->addWidget(chkSound);
    bottom->addWidget(lblZoom);
    bottom->addStretch();
    bottom->addWidget(cmdPaperEntry);
    bottom->addWidget(cmdHistory);
    bottom->addWidget(cmdStart);
    bottom->addWidget(cmdStop);
    bottom->addWidget(cmdClose);
    return bottom;
}

void frmSheet::Connect() {
    connect(cboFormat, &QComboBox::currentIndexChanged, this, &frmSheet::cboFormat_Change);
    connect(chkPractice, &QCheckBox::toggled, this, &frmSheet::ShowFormatSummary);
    connect(cboOrder, &QComboBox::currentIndexChanged, this, &frmSheet::ShowFormatSummary);
    for (QLineEdit* field : {txtUnits, txtDigits, txtSeconds, txtBreakAfter, txtBreakSeconds, txtLowest, txtHighest})
        connect(field, &QLineEdit::textChanged, this, &frmSheet::ShowFormatSummary);
    connect(chkNoRepeat, &QCheckBox::toggled, this, &frmSheet::ShowFormatSummary);
    connect(chkClock, &QCheckBox::toggled, this, [this] { Sync(); });
    connect(cmdStart, &QAbstractButton::clicked, this, &frmSheet::cmdStart_Click);
    connect(cmdStop, &QAbstractButton::clicked, this, &frmSheet::cmdStop_Click);
    connect(cmdHistory, &QAbstractButton::clicked, this, [this] { keeping::ProgramKeeper().OpenWindow(this); });
    connect(picSheet, &SheetView::digitTyped, this, &frmSheet::picSheet_Digit);
    connect(picSheet, &SheetView::backspacePressed, this, &frmSheet::picSheet_Backspace);
    connect(picSheet, &SheetView::spacePressed, this, &frmSheet::picSheet_Space);
    connect(picSheet, &SheetView::zoomChanged, this, [this] { Sync(); });
    connect(cboExaminer, &QComboBox::currentIndexChanged, this, &frmSheet::cboExaminer_Change);
    connect(cmdPaperEntry, &QAbstractButton::clicked, this, &frmSheet::cmdPaperEntry_Click);
    connect(picProcedure, &ProcedurePanel::finished, this, &frmSheet::BeginSitting);
    connect(picProcedure, &ProcedurePanel::left, this, &frmSheet::LeaveProcedure);
    connect(frmPaperEntry, &PaperEntryForm::cancelled, this, &frmSheet::ShowChoosePage);
    connect(frmPaperEntry, &PaperEntryForm::entered, this, [this](const engine::PaperRecord& paper) {
        const engine::SheetFormat format = frmPaperEntry->format();
        const std::uint64_t seed = frmPaperEntry->seed();
        ShowChoosePage();
        lblLastSheet->setText(tr("Last sheet: %1, seed %2").arg(sheetresults::SheetTitle(format)).arg(seed));
        QWidget* owner = parentWidget() ? parentWidget() : this;
        services_.showResults(owner, format, paper.record, seed, paper.end, paper.elapsedMs);
    });
}

void frmSheet::cboExaminer_Change() {
    // The voice is looked for as soon as one is chosen, so the window can say at once
    // whether the calls will be spoken.
    const bool examiner = cboExaminer->currentIndex() > 0;
    const auto hearing = examiner ? static_cast<CallHearing>(cboExaminer->currentData().toInt()) : CallHearing::Tone;
    calls_->setHearing(hearing, host::InstalledLanguage());
}

void frmSheet::Choose(const SheetChoice& choice) {
    const int index = cboFormat->findData(QString::fromStdString(choice.format));
    cboFormat->setCurrentIndex(index < 0 ? 0 : index);
    chkPractice->setChecked(choice.practice);
    txtSeed->setText(QString::number(choice.seed ? *choice.seed : services_.newSeed()));
    cboFormat_Change();
}

void frmSheet::cboFormat_Change() {
    const bool custom = cboFormat->currentIndex() == kCustomIndex;
    fraCustom->setEnabled(custom);
    chkPractice->setEnabled(!custom);
    ShowFormatSummary();
}

std::optional<engine::SheetFormat> frmSheet::ChosenFormat(engine::FormatError& error) const {
    if (cboFormat->currentIndex() != kCustomIndex)
        return engine::FormatByName(cboFormat->currentData().toString().toStdString(), chkPractice->isChecked(), error);
    engine::CustomFormat values;
    values.order = static_cast<engine::WorkOrder>(cboOrder->currentData().toInt());
    const bool columns = values.order != engine::WorkOrder::LeftToRight;
    // A field that holds no whole number is refused by its name, as the format's own
    // checks name theirs.
    using Name = engine::FormatError::Field;
    struct Field {
        QLineEdit* edit;
        Name name;
        std::uint32_t* value;
    };
    std::uint32_t lowest = 0;
    std::uint32_t highest = 0;
    const Field fields[] = {
        {txtUnits, columns ? Name::Columns : Name::Lines, &values.units},
        {txtDigits, columns ? Name::DigitsPerColumn : Name::DigitsPerLine, &values.digitsPerUnit},
        {txtSeconds, columns ? Name::SecondsPerColumn : Name::SecondsPerLine, &values.secondsPerUnit},
        {txtBreakAfter, Name::BreakAfter, &values.breakAfter},
        {txtBreakSeconds, Name::BreakSeconds, &values.breakSeconds},
        {txtLowest, Name::LowestDigit, &lowest},
        {txtHighest, Name::HighestDigit, &highest},
    };
    for (const Field& field : fields) {
        bool ok = false;
        const QString text = field.edit->text().trimmed();
        *field.value = text.toUInt(&ok);
        // A whole number too large to hold is beyond every field's range.
        if (!ok && AllDigits(text)) {
            *field.value = std::numeric_limits<std::uint32_t>::max();
            ok = true;
        }
        if (!ok) {
            error.field = field.name;
            error.message = "must be a whole number, not \"" + text.toStdString() + "\"";
            error.problem = engine::FormatError::Problem::NotAWholeNumber;
            error.value = text.toStdString();
            return std::nullopt;
        }
    }
    // Digits beyond 9 are out of range whatever they are.
    values.lowestDigit = static_cast<int>(std::min<std::uint32_t>(lowest, 99));
    values.highestDigit = static_cast<int>(std::min<std::uint32_t>(highest, 99));
    values.noRepeat = chkNoRepeat->isChecked();
    auto format = engine::MakeCustomFormat(values, error);
    using Problem = engine::FormatError::Problem;
    if (!format && (error.problem == Problem::OutOfRange || error.problem == Problem::NotZeroWithoutBreak)) {
        for (const Field& field : fields) {
            if (error.field == field.name) NameTheTextTyped(error, field.edit->text().trimmed().toStdString());
        }
    }
    return format;
}

QLineEdit* frmSheet::EditOf(engine::FormatError::Field field) const {
    using Field = engine::FormatError::Field;
    switch (field) {
    case Field::Columns:
    case Field::Lines: return txtUnits;
    case Field::DigitsPerColumn:
    case Field::DigitsPerLine: return txtDigits;
    case Field::SecondsPerColumn:
    case Field::SecondsPerLine: return txtSeconds;
    case Field::BreakAfter: return txtBreakAfter;
    case Field::BreakSeconds: return txtBreakSeconds;
    case Field::LowestDigit: return txtLowest;
    case Field::HighestDigit: return txtHighest;
    case Field::None:
    case Field::Format:
    case Field::Seed:
    case Field::DigitSize: break;
    }
    return txtSeed;
}

void frmSheet::ShowFormatSummary() {
    engine::FormatError error;
    const auto format = ChosenFormat(error);
    QPalette palette = lblSummary->palette();
    if (format) {
        lblSummary->setText(FormatSummary(*format));
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Active, QPalette::Text));
    } else {
        // Capitalised: it starts a sentence here.
        QString text = FormatErrorText(error);
        if (!text.isEmpty()) text[0] = text[0].toUpper();
        lblSummary->setText(text);
        palette.setColor(QPalette::WindowText, QColor(0xB0, 0x10, 0x10));
    }
    lblSummary->setPalette(palette);
}

std::optional<ChosenSheet> frmSheet::ChosenOrRefused() {
    engine::FormatError error;
    const auto format = ChosenFormat(error);
    std::optional<std::uint64_t> seed;
    if (format) seed = engine::ParseSeed(txtSeed->text().toStdString(), error);
    if (format && seed) return ChosenSheet{*format, *seed};
    ShowFormatSummary();
    if (format) {
        QString text = FormatErrorText(error);
        text[0] = text[0].toUpper();
        lblSummary->setText(text);
    }
    // The field at fault takes the focus, its text selected to be typed over.
    QLineEdit* field = EditOf(error.field);
    field->setFocus();
    field->selectAll();
    QAccessibleEvent alert(lblSummary, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    return std::nullopt;
}

void frmSheet::cmdStart_Click() {
    if (sitting_) return;
    const auto chosen = ChosenOrRefused();
    if (!chosen) return;
    seed_ = chosen->seed;
    const engine::SheetFormat& format = chosen->format;
    engine::Sheet sheet = engine::MakeSheet(format, seed_);
    picSheet->setSheet(format, sheet);
    sitting_ = std::make_unique<engine::SheetSitting>(format, std::move(sheet), *services_.clock);
    sitting_->SetListener(this);
    examiner_ = cboExaminer->currentIndex() > 0;
    cboExaminer_Change();
    finishedPending_ = false;
    breakAnnounced_ = false;
    callShownAt_.reset();
    lblCall->clear();
    picExaminer->setCall({});
    //: %1 is the sheet's title, %2 its seed.
    lblTitle->setText(tr("%1 – seed %2").arg(sheetresults::SheetTitle(format)).arg(seed_));
    // On paper the keys do nothing, and the display shows the call and the time itself.
    findChild<QLabel*>(QStringLiteral("lblHint"))->setVisible(!examiner_);
    lblZoom->setVisible(!examiner_);
    lblCall->setVisible(!examiner_);
    stkPages->setCurrentIndex(1);
    cmdStart->hide();
    cmdPaperEntry->hide();
    cmdHistory->hide();
    cmdStop->show();
    if (!chkProcedure->isChecked()) {
        BeginSitting();
        return;
    }
    stkSitting->setCurrentWidget(picProcedure);
    picProcedure->Begin(format, seed_, examiner_);
    picProcedure->setFocus();
    tmrSheet->SetEnabled(true);
}

bool frmSheet::InProcedure() const { return sitting_ && sitting_->phase() == engine::SheetSitting::Phase::Ready; }

void frmSheet::BeginSitting() {
    if (!InProcedure()) return;
    if (examiner_) {
        stkSitting->setCurrentWidget(picExaminer);
        picExaminer->setFocus();
    } else {
        stkSitting->setCurrentWidget(scrSheet);
        scrSheet->horizontalScrollBar()->setValue(0);
        scrSheet->verticalScrollBar()->setValue(0);
        picSheet->setFocus();
    }
    sitting_->Start();
    tmrSheet->SetEnabled(true);
    // On paper nothing shows when the time starts: the examiner says so.
    if (examiner_) Call(ExaminerCall::Start);
    Sync();
}

void frmSheet::LeaveProcedure() {
    if (!InProcedure()) return;
    tmrSheet->SetEnabled(false);
    sitting_.reset();
    ShowChoosePage();
}

void frmSheet::ShowChoosePage() {
    stkPages->setCurrentIndex(0);
    stkSitting->setCurrentWidget(scrSheet);
    cmdStop->hide();
    cmdStart->show();
    cmdPaperEntry->show();
    cmdHistory->setVisible(keeping::ProgramKeeper().canOpenWindow());
    lblZoom->show();
    cboFormat->setFocus();
}

void frmSheet::cmdPaperEntry_Click() {
    if (sitting_) return;
    const auto chosen = ChosenOrRefused();
    if (!chosen) return;
    ShowPaperEntry(chosen->format, engine::MakeSheet(chosen->format, chosen->seed), engine::SittingEnd::TimeUp,
                   chosen->format.durationMs());
}

void frmSheet::ShowPaperEntry(const engine::SheetFormat& format, const engine::Sheet& sheet, engine::SittingEnd end,
                              std::uint64_t elapsedMs) {
    stkPages->setCurrentWidget(frmPaperEntry);
    cmdStart->hide();
    cmdStop->hide();
    cmdPaperEntry->hide();
    cmdHistory->hide();
    frmPaperEntry->Begin(format, sheet, sheet.seed(), {end, elapsedMs});
}

bool frmSheet::ConfirmStop() {
    const host::MessageAnswer answer = services_.messages->Show(
        this, {tr("Are you sure want to stop?"), kTitle, host::MessageIcon::Question, host::MessageButtons::YesNo});
    return answer == host::MessageAnswer::Yes;
}

void frmSheet::cmdStop_Click() {
    if (!sitting_) return;
    // Before the sheet's time nothing is lost: Stop leaves the procedure without asking.
    if (InProcedure()) {
        LeaveProcedure();
        return;
    }
    // The sheet may have ended by itself while the question was open; it is not stopped
    // a second time.
    if (!ConfirmStop() || !sitting_) return;
    sitting_->Stop();
    Sync();
}

bool frmSheet::ReadyToClose() {
    if (!sitting_) return true;
    if (InProcedure()) {
        LeaveProcedure();
        return true;
    }
    if (!ConfirmStop()) return false;
    // Stopped like Stop stops it: the results are not lost with the window.
    if (sitting_) {
        sitting_->Stop();
        Sync();
    }
    // On paper the results are still to be entered: the window stays open on their entry.
    return stkPages->currentWidget() != frmPaperEntry;
}

void frmSheet::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // The zoom keys work on the sheet wherever the focus is in the window, as its label says.
    if (sitting_ && picSheet->zoomByKey(*event)) return;
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Escape && sitting_) {
            cmdStop_Click();
            return;
        }
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // On the paper entry Enter and Esc are the form's own wherever the focus is: Show
        // results, and Back.
        if (!sitting_ && stkPages->currentWidget() == frmPaperEntry && (enter || key == Qt::Key_Escape)) {
            if (enter)
                frmPaperEntry->cmdShowPaper_Click();
            else
                ShowChoosePage();
            return;
        }
        if (!sitting_ && enter && stkPages->currentIndex() == 0) {
            cmdStart_Click();
            return;
        }
        // A digit or Backspace pressed on one of the switches still answers, and the keys
        // go back to the sheet.
        const bool typing = sitting_ && !examiner_ && !InProcedure();
        if (typing && key >= Qt::Key_0 && key <= Qt::Key_9) {
            picSheet->setFocus();
            picSheet_Digit(key - Qt::Key_0);
            return;
        }
        if (typing && key == Qt::Key_Backspace) {
            picSheet->setFocus();
            picSheet_Backspace();
            return;
        }
    }
    ToolWindow::keyPressEvent(event);
}

bool frmSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !sitting_) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const bool enter = press->key() == Qt::Key_Return || press->key() == Qt::Key_Enter;
        if (enter && (press->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            cmdStart_Click();
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void frmSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceBreakCover();
}

void frmSheet::PlaceBreakCover() { lblBreak->setGeometry(scrSheet->rect()); }

void frmSheet::picSheet_Digit(int digit) {
    if (!sitting_) return;
    if (sitting_->TypeDigit(digit)) {
        const engine::SheetAnswer& answer = sitting_->record().back();
        picSheet->setWritten(answer.unit, answer.position, static_cast<std::int8_t>(digit));
    }
    Sync();
}

void frmSheet::picSheet_Backspace() {
    if (!sitting_) return;
    if (sitting_->Backspace()) {
        const engine::SheetSitting::Cursor cursor = sitting_->cursor();
        picSheet->setWritten(cursor.unit, cursor.pair, SheetMarks::kBlank);
    }
    Sync();
}

void frmSheet::picSheet_Space() {
    if (!sitting_) return;
    if (sitting_->Pass()) {
        const engine::SheetAnswer& answer = sitting_->record().back();
        picSheet->setWritten(answer.unit, answer.position, SheetMarks::kPassed);
    }
    Sync();
}

void frmSheet::tmrSheet_Timer() {
    if (!sitting_) return;
    if (InProcedure()) {
        picProcedure->Tick();
        return;
    }
    sitting_->Poll();
    Sync();
}

void frmSheet::CueGiven(std::uint32_t unit) {
    (void)unit;
    picSheet->setCueCalled(true);
    Call(ExaminerCall::Next);
}

void frmSheet::BreakStarted(std::uint64_t milliseconds) {
    (void)milliseconds;
    Call(ExaminerCall::Break);
}

void frmSheet::BreakEnded() {
    picSheet->setCueCalled(true);
    Call(ExaminerCall::Next);
}

void frmSheet::StrokeDrawn(const engine::SheetStroke& stroke) {
    picSheet->addStroke(stroke);
    Call(ExaminerCall::Stroke);
}

void frmSheet::Finished(engine::SittingEnd reason) {
    // Pencils down: on paper only the examiner's call ends the work.
    if (examiner_ && reason == engine::SittingEnd::TimeUp) Call(ExaminerCall::End);
    finishedPending_ = true;
}

void frmSheet::Call(ExaminerCall call) {
    const QString text = CallText(call);
    lblCall->setText(text);
    picExaminer->setCall(text);
    callShownAt_ = services_.clock->Milliseconds();
    if (chkSound->isChecked()) calls_->Sound(call);
    // Screen readers hear the call with the pair it brings (Sync speaks them together).
    pendingCall_ = text;
}

void frmSheet::ArmDue() {
    const auto due = sitting_->nextDueMs();
    if (!due) {
        tmrDue->stop();
        return;
    }
    const std::uint64_t elapsed = sitting_->elapsedMs();
    // At least a millisecond: a timer that fired a little early polls again at once.
    const std::uint64_t wait = *due > elapsed ? *due - elapsed : 1;
    tmrDue->start(static_cast<int>(std::min<std::uint64_t>(wait, std::numeric_limits<int>::max())));
}

void frmSheet::SyncExaminer() {
    const engine::SheetFormat& format = sitting_->format();
    const engine::SheetSitting::Cursor cursor = sitting_->cursor();
    const bool onBreak = sitting_->phase() == engine::SheetSitting::Phase::OnBreak;
    QString where;
    if (onBreak) {
        where = tr("Break");
    } else if (!format.cued()) {
        //: The examiner's display: the period between two strokes under way.
        where = tr("Period %1 of %2")
                    .arg(std::min<std::size_t>(sitting_->strokes().size() + 1, format.strokePeriods()))
                    .arg(format.strokePeriods());
    } else {
        //: The examiner's display: the column or line under way.
        where = (format.order == engine::WorkOrder::LeftToRight ? tr("Line %1 of %2") : tr("Column %1 of %2"))
                    .arg(cursor.unit + 1)
                    .arg(sitting_->sheet().unitCount());
    }
    picExaminer->setWhere(where);
    examinerWhere_ = where;
    picExaminer->setBreakLeft(
        onBreak ? tr("%1 left; the second half starts by itself").arg(ClockText(sitting_->breakLeftMs())) : QString());
    picExaminer->setTimeLeft(chkClock->isChecked() ? tr("%1 left").arg(ClockText(sitting_->timeLeftMs())) : QString());
    if (!callShownAt_) picExaminer->setCall({});
}

QString frmSheet::PairText() const {
    const engine::SheetSitting::Cursor cursor = sitting_->cursor();
    const bool lines = sitting_->format().order == engine::WorkOrder::LeftToRight;
    switch (sitting_->phase()) {
    case engine::SheetSitting::Phase::OnBreak:
        return tr("Break, %1 left; the second half starts by itself").arg(ClockText(sitting_->breakLeftMs()));
    case engine::SheetSitting::Phase::Working:
        if (sitting_->waitingForCue())
            return (lines ? tr("End of line %1; wait for the call") : tr("End of column %1; wait for the call"))
                .arg(cursor.unit + 1);
        //: Read to screen readers at each pair: "7 and 5, column 3, pair 4 of 26".
        return (lines ? tr("%1 and %2, line %3, pair %4 of %5") : tr("%1 and %2, column %3, pair %4 of %5"))
            .arg(cursor.operand1)
            .arg(cursor.operand2)
            .arg(cursor.unit + 1)
            .arg(cursor.pair + 1)
            .arg(cursor.pairCount);
    default: return QString();
    }
}

void frmSheet::Announce(const QString& text) {
    QWidget* shown = examiner_ ? static_cast<QWidget*>(picExaminer) : picSheet;
    if (shown->accessibleName() == text) return;
    // Qt tells assistive technology of the new name; the focused sheet's name is read.
    shown->setAccessibleName(text);
}

void frmSheet::Sync() {
    if (!sitting_ || InProcedure()) return;
    const auto phase = sitting_->phase();
    const std::uint64_t now = services_.clock->Milliseconds();
    if (callShownAt_ && now - *callShownAt_ >= kCallMilliseconds) {
        callShownAt_.reset();
        lblCall->clear();
        picSheet->setCueCalled(false);
    }
    if (examiner_) SyncExaminer();
    const engine::SheetSitting::Cursor cursor = sitting_->cursor();
    picSheet->setCursor(cursor.unit, cursor.pair, phase == engine::SheetSitting::Phase::Working);

    // The examiner's display shows the time itself, large.
    lblClock->setVisible(chkClock->isChecked() && !examiner_);
    // Set only when the second changes: a key press is not slowed by the clock.
    const QString left = ClockText(sitting_->timeLeftMs());
    if (lblClock->accessibleName() != tr("Time left: %1").arg(left)) {
        lblClock->setText(tr("%1 left").arg(left));
        lblClock->setAccessibleName(tr("Time left: %1").arg(left));
    }

    const bool onBreak = phase == engine::SheetSitting::Phase::OnBreak;
    if (onBreak) {
        lblBreak->setText(tr("Break\n%1\nThe second half starts by itself.").arg(ClockText(sitting_->breakLeftMs())));
        PlaceBreakCover();
    }
    lblBreak->setVisible(onBreak && !examiner_);

    // On paper there is no pair to name: the examiner's display says where the work is.
    QString spoken = examiner_ && phase == engine::SheetSitting::Phase::Working ? examinerWhere_ : PairText();
    const bool called = !pendingCall_.isEmpty();
    if (called) {
        //: A call heard with what it brings: "Next! 7 and 5, column 3, pair 1 of 26".
        spoken = tr("%1 %2").arg(pendingCall_, spoken);
        pendingCall_.clear();
    }
    // The break's countdown is not spoken every second; its start and its end are.
    if (!onBreak || !breakAnnounced_ || called) {
        Announce(spoken);
        breakAnnounced_ = onBreak;
    }

    if (phase == engine::SheetSitting::Phase::Working && !examiner_) {
        // The cursor's pair with some of what comes next around it stays in view.
        const QRect pair = picSheet->cursorRect();
        const QSize viewport = scrSheet->viewport()->size();
        scrSheet->ensureVisible(pair.center().x(), pair.center().y(), std::max(pair.width(), viewport.width() / 4),
                                std::max(pair.height(), viewport.height() / 4));
    }
    if (finishedPending_ || phase == engine::SheetSitting::Phase::Finished) {
        EndSitting();
        return;
    }
    ArmDue();
}

void frmSheet::EndSitting() {
    tmrSheet->SetEnabled(false);
    tmrDue->stop();
    const std::unique_ptr<engine::SheetSitting> sitting = std::move(sitting_);
    finishedPending_ = false;
    callShownAt_.reset();
    pendingCall_.clear();
    lblCall->clear();
    lblBreak->hide();
    picSheet->setCursor(0, 0, false);
    picSheet->setCueCalled(false);
    picSheet->setAccessibleName(tr("Sheet"));
    picExaminer->setCall({});
    picExaminer->setAccessibleName(QString());
    const engine::SheetFormat& format = sitting->format();
    const engine::SittingEnd end = sitting->endReason().value_or(engine::SittingEnd::Stopped);
    if (examiner_) {
        // The work was done on paper: the user enters it, and its results follow.
        lblLastSheet->setText(tr("Last sheet: %1, seed %2").arg(sheetresults::SheetTitle(format)).arg(seed_));
        ShowPaperEntry(format, sitting->sheet(), end, sitting->elapsedMs());
        return;
    }
    ShowChoosePage();
    lblLastSheet->setText(tr("Last sheet: %1, seed %2").arg(sheetresults::SheetTitle(format)).arg(seed_));
    txtSeed->setText(QString::number(services_.newSeed()));
    // The results outlive this window when the main window owns it.
    QWidget* owner = parentWidget() ? parentWidget() : this;
    services_.showResults(owner, format, sitting->record(), seed_, end, sitting->elapsedMs());
}

} // namespace sheet
