// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include "about/Artwork.h"
#include "about/Hyperlink.h"
#include "about/frmAbout.h"
#include "app/CommandLink.h"
#include "app/LogCommands.h"
#include "docking/WindowDocking.h"
#include "host/core/MonotonicClock.h"
#include "host/qt/AccessKeys.h"
#include "host/qt/AccessibleText.h"
#include "host/qt/Cursors.h"
#include "host/qt/FileDialogs.h"
#include "host/qt/Fonts.h"
#include "host/qt/Frame.h"
#include "host/qt/MessageBoxes.h"
#include "host/qt/MouseMoves.h"
#include "host/qt/PreciseTimer.h"
#include "host/qt/WindowLayout.h"
#include "host/qt/WindowShortcut.h"
#include "keeping/HistoryText.h"
#include "keeping/Keeper.h"
#include "sheet/frmSheet.h"
#include "windowkit/StoredForm.h"
#include "windowkit/ToolWindow.h"
#include "workcurve/RecordedRun.h"
#include "workcurve/frmWorkCurve.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProxyStyle>
#include <QScopedValueRollback>
#include <initializer_list>
#include <optional>
#include <utility>

// The window description is a resource of an object library; registering it by hand keeps
// it whichever way the program is linked.
static void RegisterWindowDescription() { Q_INIT_RESOURCE(app_forms); }

namespace app {

namespace {

using host::TwipRect;

const QString kTitle = QStringLiteral("Tavrendale");
constexpr int kTickMilliseconds = 1024;

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// The captions the window's description stores for its word buttons, as the window shows
// them in the language installed. (The symbol buttons show picture-font letters.)
constexpr const char* kStoredCaptions[] = {
    //: The button under the answer log that hides the results; its box is 265 px wide.
    QT_TRANSLATE_NOOP("app::frmMain", "<<< &Back"),
    //: The button that opens the menu of the rule, the test and the program; 89 px wide.
    QT_TRANSLATE_NOOP("app::frmMain", "A&bout"),
    //: The button that ends the program after asking; 89 px wide.
    QT_TRANSLATE_NOOP("app::frmMain", "E&xit"),
};

const windowkit::StoredForm& Form() {
    static const windowkit::StoredForm form(RegisterWindowDescription, ":/forms/frmMain.twd", "app::frmMain",
                                            kStoredCaptions);
    return form;
}

// The services, with the system's own where none are given.
MainWindowServices WithDefaults(MainWindowServices services) {
    if (services.messages == nullptr) services.messages = &host::SystemMessageBoxes();
    if (services.files == nullptr) services.files = &host::SystemFileDialogs();
    if (services.clock == nullptr) services.clock = &host::SystemMonotonicClock();
    return services;
}

// The result panel's lines before the first run.
engine::ResultSummary InitialResults() {
    namespace wording = engine::wording;
    const std::string zero = "0";
    engine::ResultSummary lines;
    lines.durationLine = engine::ResultLine{wording::kDurationInMinutesLine, zero};
    lines.answeredLine = engine::ResultLine{wording::kAnsweredLine, zero};
    lines.trueLine = engine::ResultLine{wording::kTrueLine, zero};
    lines.falseLine = engine::ResultLine{wording::kFalseLine, zero};
    lines.perSecondLine = engine::ResultLine{wording::kPerSecondLine, zero};
    lines.perMinuteLine = engine::ResultLine{wording::kPerMinuteLine, zero};
    return lines;
}

// The engine's texts in the language installed, with the engine's figures put in. Qt's
// markers are those of the engine's English (%1, %2, %3), so a translation may put the
// figures in another order.
QString Translated(const engine::Wording& wording) {
    return QCoreApplication::translate(wording.context, wording.english);
}

QString Shown(const engine::ResultLine& line) { return Translated(line.wording).arg(ToQt(line.figure)); }

QString Shown(const engine::LogLine& line) {
    if (line.notLogged) return Translated(line.wording());
    return Translated(line.wording()).arg(ToQt(line.operand1Text()), ToQt(line.operand2Text()), ToQt(line.answer));
}

// Labels are transparent unless made opaque: a QLabel fills no background of its own.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

host::Frame* MakeFrame(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
    auto* frame = new host::Frame(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setBackColor(host::Rgb(255, 255, 255));
    frame->setForeColor(host::Rgb(0, 0, 0));
    return frame;
}

// The style's usual gap between a check box and its text would push "Show timer" past
// the width the layout gives it.
class NarrowCheckBoxGap final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_CheckBoxLabelSpacing) return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The names of the displays whose text changes, read with their value: a label offers
// assistive technology its name and nothing else. (The operands are shown with the blank
// that stands for their sign.)
QString FirstNumberName(const QString& value) {
    return QCoreApplication::translate("app::frmMain", "First number: %1").arg(value.trimmed());
}
QString SecondNumberName(const QString& value) {
    return QCoreApplication::translate("app::frmMain", "Second number: %1").arg(value.trimmed());
}
QString ClockName(const QString& value) { return QCoreApplication::translate("app::frmMain", "Clock: %1").arg(value); }

} // namespace

QString AboutRuleText() {
    return QCoreApplication::translate(
        "app::frmMain",
        "One thing to keep in mind, the answer of each questions only consist of one number, following the rule "
        "of Pauli-Kraepelin test.\r\n\r\n"
        "Example 1:\r\n\t5 + 4 = 9\r\n"
        "Example 2:\r\n\t7 + 5 = 2 (instead of filling the field with '12', you only need to write down the unit; "
        "'2')\r\n"
        "Example 3:\r\n\t6 + 9 = 5 (instead of filling the field with '15', you only need to write down the unit; "
        "'5')");
}

QString AboutTestText() {
    return QCoreApplication::translate(
        "app::frmMain",
        "Pauli-Kraepelin Test is part of common psychology test. This test format is in a newspaper-size paper "
        "consisting hundred of random numbers. What you need to do is incrementing each two closest number.\r\n\r\n"
        "This test used to measure examinee's concrentation level and performance stability under such a "
        "pressure.\r\n\r\n"
        "In the real Pauli-Kraepelin Test, the examinee will never know how much time reserved by the examiner "
        "in each sections.");
}

frmMain::frmMain(MainWindowServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(WithDefaults(std::move(services))), engine_(*services_.random, *services_.clock),
      shownResults_(InitialResults()) {
    host::InstallFontSubstitutes();
    engine_.SetListener(this);
    // Presented to assistive technology as what it is, a window.
    host::PresentAs(staticMetaObject, QAccessible::Window);
    BuildLayout();
    DescribeControls();
    Connect();
    Form_Load();
}

frmMain::~frmMain() {
    // The controls go before the window's QObject part, which would end the connection.
    disconnect(focusWatch_);
    engine_.SetListener(nullptr);
}

void frmMain::BuildLayout() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(about::ProgramIcon());
    setFixedSize(host::Twips(6495), host::Twips(3630));
    setFont(host::OwnTextFont(windowkit::WindowFont()));
    host::SetWhite(this);

    // Siblings made later lie in front of those made earlier.
    BuildOperands(host::OwnTextFont(host::LayoutFont(QStringLiteral("Cambria"), 72, true)));
    BuildOptions();
    BuildControls(Form());
    BuildBottomRow(Form());
    BuildResults(Form());
    tmrTimer = new host::PreciseTimer(this);
    tmrTimer->setObjectName(QStringLiteral("tmrTimer"));
    tmrTimer->SetInterval(kTickMilliseconds);
    BuildMenus();
    SetTabOrder();
    // "<<< &Back" and "A&bout" share Alt+B while the result panel is shown.
    host::AccessKeys::Install(this);

    host::CentreOnScreen(this);
    txtTime->setFocus();
}

void frmMain::BuildOperands(const QFont& operandFont) {
    lblVal1 = MakeLabel(this, "lblVal1", QStringLiteral("0"), TwipRect(120, 120, 1215, 1815), Qt::AlignHCenter);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("+"), TwipRect(1320, 120, 1215, 1815), Qt::AlignHCenter);
    lblVal2 = MakeLabel(this, "lblVal2", QStringLiteral("0"), TwipRect(2520, 120, 1215, 1815), Qt::AlignHCenter);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("="), TwipRect(3720, 120, 1215, 1815), Qt::AlignHCenter);
    for (QLabel* label : {lblVal1, Label1, lblVal2, Label2}) label->setFont(operandFont);

    txtResult = new QLineEdit(QStringLiteral("0"), this);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    txtResult->setGeometry(TwipRect(4920, 120, 1455, 1860));
    txtResult->setFont(operandFont);
    txtResult->setAlignment(Qt::AlignCenter);
    txtResult->setMaxLength(1);
    txtResult->setEnabled(false);
}

void frmMain::BuildOptions() {
    Frame1 = MakeFrame(this, "Frame1", tr("Options"), TwipRect(120, 2040, 2535, 975));
    chkStatistic = new QCheckBox(tr("&Log test"), Frame1);
    chkStatistic->setObjectName(QStringLiteral("chkStatistic"));
    chkStatistic->setGeometry(TwipRect(120, 600, 975, 255));
    chkStatistic->setChecked(true);
    chkShowTimer = new QCheckBox(tr("Show &timer"), Frame1);
    chkShowTimer->setObjectName(QStringLiteral("chkShowTimer"));
    chkShowTimer->setGeometry(TwipRect(1200, 600, 1095, 255));
    chkShowTimer->setChecked(true);
    auto* narrowGap = new NarrowCheckBoxGap;
    narrowGap->setParent(this);
    // The boxes paint no background: the frame's white shows through.
    for (QCheckBox* box : {chkStatistic, chkShowTimer}) box->setStyle(narrowGap);
    txtTime = new QLineEdit(QStringLiteral("1"), Frame1);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setGeometry(TwipRect(2040, 240, 375, 285));
    txtTime->setAlignment(Qt::AlignCenter);
    txtTime->setMaxLength(2);
    auto* durationLabel = MakeLabel(Frame1, "Label3", tr("Test duration (minute(s)):"), TwipRect(120, 275, 1935, 255));
    // The label's box reaches a pixel into the field: its text ends a pixel before the field.
    host::FitText(durationLabel, txtTime->x() - durationLabel->x() - 1);
}

void frmMain::BuildControls(const windowkit::StoredForm& form) {
    Frame3 = MakeFrame(this, "Frame3", tr("Controls"), TwipRect(2760, 2040, 3615, 975));
    cmdStart = form.MakeButton(Frame3, "cmdStart", TwipRect(120, 300, 615, 495));
    cmdStop = form.MakeButton(Frame3, "cmdStop", TwipRect(720, 300, 615, 495));
    cmdReset = form.MakeButton(Frame3, "cmdReset", TwipRect(1320, 300, 615, 495));
    MakeLabel(Frame3, "Label4", tr("Timer:"), TwipRect(2040, 195, 1455, 255), Qt::AlignHCenter);
    lblTimer = MakeLabel(Frame3, "lblTimer", QStringLiteral("0:00"), TwipRect(2040, 480, 1455, 375), Qt::AlignHCenter);
    lblTimer->setFont(host::OwnTextFont(host::LayoutFont(QStringLiteral("Cambria"), 12, true)));
    lblHideTimer = MakeLabel(Frame3, "lblHideTimer", host::DisplayText(QStringLiteral("Webdings"), QStringLiteral("!")),
                             TwipRect(2040, 240, 1455, 615), Qt::AlignHCenter);
    lblHideTimer->setFont(host::OwnTextFont(host::LayoutFont(QStringLiteral("Webdings"), 27.75, true)));
    host::SetWhite(lblHideTimer);
    lblHideTimer->hide();
}

void frmMain::BuildBottomRow(const windowkit::StoredForm& form) {
    cmdAbout = form.MakeButton(this, "cmdAbout", TwipRect(3600, 3120, 1335, 375));
    cmdExit = form.MakeButton(this, "cmdExit", TwipRect(5040, 3120, 1335, 375));
    Image3 = host::MakePicture(this, "Image3", host::HandResource(), TwipRect(0, 3000, 480, 480));
    lblURL1 = new about::HyperlinkLabel(QString::fromLatin1(about::kAuthorAddress), Qt::AlignLeft, this);
    lblURL1->setObjectName(QStringLiteral("lblURL1"));
    lblURL1->setGeometry(TwipRect(480, 3075, 1455, 255));
    lblURL2 = new about::HyperlinkLabel(QString::fromLatin1(about::kPublisherAddress), Qt::AlignLeft, this);
    lblURL2->setObjectName(QStringLiteral("lblURL2"));
    lblURL2->setGeometry(TwipRect(480, 3360, 3015, 255));
    BuildExamSheetsLink();
}

void frmMain::BuildExamSheetsLink() {
    // In the free room of the links' row, between the first link and "A&bout": what most
    // users come for, shown with its key to a user who has not found the log's menu.
    const QString key = LogCommands::ExamSheetsKey().toString(QKeySequence::NativeText);
    //: A link-like button in the main window's bottom row; %1 is its key, Ctrl+E.
    auto* link = new CommandLink(tr("Exam sheets (%1)").arg(key), this);
    link->setObjectName(QStringLiteral("cmdExamSheets"));
    link->setGeometry(TwipRect(1995, 3060, 1560, 285));
    link->FitWidth();
    cmdExamSheets = link;
    const QString description =
        tr("Opens the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test; %1 from anywhere in "
           "this window")
            .arg(key);
    host::SetAccessibleText(cmdExamSheets, tr("Exam sheets"), description);
    cmdExamSheets->setToolTip(description);
}

void frmMain::BuildResults(const windowkit::StoredForm& form) {
    Frame2 = MakeFrame(this, "Frame2", tr("Result:"), TwipRect(120, 120, 6255, 2895));
    lstStat = new QListWidget(Frame2);
    lstStat->setObjectName(QStringLiteral("lstStat"));
    lstStat->setGeometry(TwipRect(120, 240, 3975, 2010));
    lstStat->setSortingEnabled(false);
    logCommands_ =
        new LogCommands(lstStat, {[this] { return LogCommandsUnavailable(); }, [this] { mnuShowWorkCurve_Click(); },
                                  [this] { mnuSaveAnswers_Click(); }, [this] { mnuCopyResults_Click(); },
                                  [this] { mnuExamSheets_Click(); }, [this] { mnuHistory_Click(); }});
    cmdBack = form.MakeButton(Frame2, "cmdBack", TwipRect(120, 2400, 3975, 375));
    host::SetAccessibleText(host::MakePicture(Frame2, "Image1", about::ArtResource(about::Art::QuestionBubble),
                                              TwipRect(4560, 240, 480, 480)),
                            tr("Question mark in a speech bubble"));
    host::SetAccessibleText(
        host::MakePicture(Frame2, "Image2", about::ArtResource(about::Art::Figure), TwipRect(4920, 240, 975, 1035)),
        tr("Cartoon figure"));
    const auto resultLabel = [this](const char* name, const std::optional<engine::ResultLine>& line, int top) {
        return MakeLabel(Frame2, name, Shown(*line), TwipRect(4200, top, 1935, 255), Qt::AlignRight);
    };
    lblDuration = resultLabel("lblDuration", shownResults_.durationLine, 1320);
    lblTotalAnswered = resultLabel("lblTotalAnswered", shownResults_.answeredLine, 1560);
    lblTotalTrue = resultLabel("lblTotalTrue", shownResults_.trueLine, 1800);
    lblTotalFalse = resultLabel("lblTotalFalse", shownResults_.falseLine, 2040);
    lblOpSec = resultLabel("lblOpSec", shownResults_.perSecondLine, 2280);
    lblOpMin = resultLabel("lblOpMin", shownResults_.perMinuteLine, 2520);
    Frame2->hide();
}

void frmMain::BuildMenus() {
    mnuAbout = new QMenu(tr("A&bout..."), this);
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    mnuAbRule = mnuAbout->addAction(tr("About &Rule"));
    mnuAbRule->setObjectName(QStringLiteral("mnuAbRule"));
    mnuAbPKT = mnuAbout->addAction(tr("About &Pauli-Kraepelin Test"));
    mnuAbPKT->setObjectName(QStringLiteral("mnuAbPKT"));
    mnuAbout->addSeparator()->setObjectName(QStringLiteral("spr0"));
    mnuAboutTavrendale = mnuAbout->addAction(tr("About &Tavrendale"));
    mnuAboutTavrendale->setObjectName(QStringLiteral("mnuAboutTavrendale"));
}

void frmMain::SetTabOrder() {
    QWidget::setTabOrder(txtTime, chkStatistic);
    QWidget::setTabOrder(chkStatistic, chkShowTimer);
    QWidget::setTabOrder(chkShowTimer, txtResult);
    QWidget::setTabOrder(txtResult, lstStat);
    QWidget::setTabOrder(lstStat, cmdBack);
    QWidget::setTabOrder(cmdBack, cmdAbout);
    QWidget::setTabOrder(cmdAbout, cmdExit);
    // The link follows Exit, which is never disabled or covered: Qt hands the focus of a
    // control that is disabled or covered on to the next one in this order, and so a run's end
    // gives it to About or to the answer log as it always has, never to the link, where the
    // user's next Enter would open the sheets.
    QWidget::setTabOrder(cmdExit, cmdExamSheets);
    QWidget::setTabOrder(cmdExamSheets, cmdStart);
    QWidget::setTabOrder(cmdStart, cmdStop);
    QWidget::setTabOrder(cmdStop, cmdReset);
}

void frmMain::DescribeControls() {
    using host::SetAccessibleText;
    SetAccessibleText(lblVal1, FirstNumberName(lblVal1->text()));
    SetAccessibleText(Label1, tr("plus"));
    SetAccessibleText(lblVal2, SecondNumberName(lblVal2->text()));
    SetAccessibleText(Label2, tr("equals"));
    SetAccessibleText(txtResult, tr("Answer"), tr("The unit digit of the sum of the two numbers; Enter hands it in"));

    SetAccessibleText(txtTime, tr("Test duration in minutes"), tr("Whole minutes from 1 to 99"));
    // Where the exam sheets are, for the pointer at the first field a new user types in, and
    // for screen readers in the window's own description.
    const QString sheetsKey = LogCommands::ExamSheetsKey().toString(QKeySequence::NativeText);
    txtTime->setToolTip(
        tr("Whole minutes from 1 to 99. %1 opens the exam sheets, timed as in the test").arg(sheetsKey));
    setAccessibleDescription(
        tr("%1 opens the exam sheets: the Kraepelin, Uchida-Kraepelin and Pauli test sheets, timed as in the test")
            .arg(sheetsKey));
    SetAccessibleText(chkStatistic, tr("Log test"), tr("Judge and count the answers and write them to the answer log"));
    SetAccessibleText(chkShowTimer, tr("Show timer"), tr("Off, the clock is covered; it keeps counting"));

    // The symbol buttons show a picture-font letter and have no access key; their name,
    // description and tooltip say what they do and how the keyboard presses them.
    SetAccessibleText(cmdStart, tr("Start"), tr("Starts a run of the duration typed in the duration field"));
    cmdStart->setToolTip(tr("Start (Space when focused)"));
    SetAccessibleText(cmdStop, tr("Stop"), tr("Stops the run after asking"));
    cmdStop->setToolTip(tr("Stop (Space when focused)"));
    SetAccessibleText(cmdReset, tr("Reset"),
                      tr("Stops the run without asking and sets the numbers and the clock back"));
    cmdReset->setToolTip(tr("Reset (Space when focused)"));
    SetAccessibleText(lblTimer, ClockName(lblTimer->text()), tr("Minutes and seconds since the run started"));
    SetAccessibleText(lblHideTimer, tr("Clock covered"), tr("Show timer is off; the clock keeps counting"));

    // Its description says where its commands are, as its tooltip does.
    SetAccessibleText(lstStat, tr("Answer log"),
                      tr("One line per answer: the sum, the answer given, and TRUE or FALSE. ") + lstStat->toolTip());
    SetAccessibleText(cmdBack, tr("Back"), tr("Hides the results"));

    SetAccessibleText(cmdAbout, tr("About"), tr("Opens a menu: about the rule, about the test, about Tavrendale"));
    SetAccessibleText(cmdExit, tr("Exit"), tr("Ends the program after asking"));
    SetAccessibleText(Image3, tr("Pointing hand"));
    for (about::HyperlinkLabel* link : {lblURL1, lblURL2})
        SetAccessibleText(link, link->text(), tr("Web address; a click opens it in the browser"));
}

void frmMain::Connect() {
    // The exam sheets from anywhere in the window, the text fields included.
    auto* examSheets = new host::WindowShortcut(LogCommands::ExamSheetsKey(), this);
    connect(examSheets, &QShortcut::activated, this, &frmMain::mnuExamSheets_Click);
    connect(cmdStart, &QAbstractButton::clicked, this, &frmMain::cmdStart_Click);
    connect(cmdStop, &QAbstractButton::clicked, this, &frmMain::cmdStop_Click);
    connect(cmdReset, &QAbstractButton::clicked, this, &frmMain::cmdReset_Click);
    connect(cmdBack, &QAbstractButton::clicked, this, &frmMain::cmdBack_Click);
    connect(cmdExit, &QAbstractButton::clicked, this, &frmMain::cmdExit_Click);
    connect(cmdAbout, &QAbstractButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdExamSheets, &QAbstractButton::clicked, this, &frmMain::mnuExamSheets_Click);
    connect(tmrTimer, &host::PreciseTimer::Timer, this, &frmMain::tmrTimer_Timer);
    connect(txtResult, &QLineEdit::textChanged, this, &frmMain::txtResult_Change);
    connect(txtTime, &QLineEdit::textChanged, this, &frmMain::txtTime_Change);
    connect(chkShowTimer, &QCheckBox::clicked, this, &frmMain::chkShowTimer_Click);
    connect(mnuAbRule, &QAction::triggered, this, &frmMain::mnuAbRule_Click);
    connect(mnuAbPKT, &QAction::triggered, this, &frmMain::mnuAbPKT_Click);
    connect(mnuAboutTavrendale, &QAction::triggered, this, &frmMain::mnuAboutTavrendale_Click);
    connect(lblURL1, &about::HyperlinkLabel::Click, this, &frmMain::lblURL1_Click);
    connect(lblURL2, &about::HyperlinkLabel::Click, this, &frmMain::lblURL2_Click);
    connect(lblURL1, &about::HyperlinkLabel::MouseMove, this, &frmMain::lblURL1_MouseMove);
    connect(lblURL2, &about::HyperlinkLabel::MouseMove, this, &frmMain::lblURL2_MouseMove);
    host::MouseMoves::Watch(this, [this] { ResetLinks(); });
    host::MouseMoves::Watch(Image3, [this] { ResetLinks(); });
    txtResult->installEventFilter(this);
    cmdStop->installEventFilter(this);
    // Where the focus was before Stop took it: a click takes the focus before it presses.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now == cmdStop) focusBeforeStop_ = stopFocusedByMouse_ ? old : cmdStop;
    });
}

void frmMain::Form_Load() {
    docking::EnableDocking(this);
    txtResult->clear();
    cmdStop->setEnabled(false);
}

void frmMain::cmdStart_Click() { engine_.Start(txtTime->text().toStdString(), chkStatistic->isChecked()); }

void frmMain::cmdStop_Click() {
    const QPointer<QWidget> focusBefore = focusBeforeStop_;
    const host::MessageAnswer answer = services_.messages->Show(
        this, {tr("Are you sure want to stop?"), kTitle, host::MessageIcon::Question, host::MessageButtons::YesNo});
    // The run may have ended by time-out while the question was open; stopping it a
    // second time would overwrite its results with those of a clock already at 0:00.
    if (answer == host::MessageAnswer::Yes && engine_.running()) {
        const QScopedValueRollback stopping(stopping_, true);
        engine_.Stop();
        return;
    }
    // Declined, everything stays as it was: the keys typed next go where they went before
    // Stop was pressed (the answer field, while the run goes on), not to the Stop button.
    if (focusBefore && focusBefore->isEnabled() && focusBefore->isVisible())
        focusBefore->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdReset_Click() {
    const bool ending = engine_.running();
    engine_.Reset();
    if (ending) RunEnded();
}

void frmMain::cmdBack_Click() { engine_.DismissResults(); }

void frmMain::cmdExit_Click() { close(); }

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

bool frmMain::Form_Unload() {
    const host::MessageAnswer answer = services_.messages->Show(
        this, {tr("Are you sure want to exit?"), kTitle, host::MessageIcon::Question, host::MessageButtons::YesNo});
    if (answer != host::MessageAnswer::Yes) return false;
    docking::DisableDocking(this);
    tmrTimer->SetEnabled(false);
    if (services_.endProgram) services_.endProgram();
    return true;
}

void frmMain::tmrTimer_Timer() { engine_.Tick(); }

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtResult && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        txtResult_KeyDown(key);
        // Enter is the answer field's own: it is not handed on to the field or the window.
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    if (watched == cmdStop && event->type() == QEvent::FocusIn)
        stopFocusedByMouse_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
    return QWidget::eventFilter(watched, event);
}

void frmMain::txtResult_KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) engine_.SubmitAnswer(txtResult->text().toStdString());
}

void frmMain::txtResult_Change() {
    const QString filtered = ToQt(engine::TestEngine::FilterAnswerText(txtResult->text().toStdString()));
    if (filtered != txtResult->text()) txtResult->setText(filtered);
}

void frmMain::txtTime_Change() {
    const QString filtered = ToQt(engine::TestEngine::FilterDurationText(txtTime->text().toStdString()));
    if (filtered != txtTime->text()) txtTime->setText(filtered);
}

void frmMain::chkShowTimer_Click() { lblHideTimer->setVisible(!chkShowTimer->isChecked()); }

void frmMain::cmdAbout_Click() {
    mnuAbout->popup(mapToGlobal(QPoint(cmdAbout->x(), cmdAbout->y() + cmdAbout->height())));
}

void frmMain::mnuAbRule_Click() {
    services_.messages->Show(this, {AboutRuleText(), tr("Tavrendale -- About Rule"), host::MessageIcon::Information,
                                    host::MessageButtons::Ok});
}

void frmMain::mnuAbPKT_Click() {
    services_.messages->Show(this, {AboutTestText(), tr("Tavrendale -- About Pauli-Kraepelin Test"),
                                    host::MessageIcon::Information, host::MessageButtons::Ok});
}

void frmMain::mnuAboutTavrendale_Click() {
    about::frmAbout window(this);
    window.exec();
}

void frmMain::lblURL1_Click() { about::OpenHyperlink(lblURL1->address()); }
void frmMain::lblURL2_Click() { about::OpenHyperlink(lblURL2->address()); }

void frmMain::lblURL1_MouseMove() {
    lblURL1->SetBold(true);
    lblURL2->SetBold(false);
}

void frmMain::lblURL2_MouseMove() {
    lblURL2->SetBold(true);
    lblURL1->SetBold(false);
}

void frmMain::ResetLinks() {
    lblURL1->SetBold(false);
    lblURL2->SetBold(false);
}

void frmMain::DurationRefused(engine::DurationRefusal refusal) {
    services_.messages->Show(
        this, {Translated(engine::WordingOf(refusal)), kTitle, host::MessageIcon::Warning, host::MessageButtons::Ok});
    txtTime->setFocus();
    txtTime->setCursorPosition(static_cast<int>(txtTime->text().size()));
}

void frmMain::RunStarted() {
    cmdStart->setEnabled(false);
    cmdStop->setEnabled(true);
    txtResult->setEnabled(true);
    txtTime->setEnabled(false);
    chkStatistic->setEnabled(false);
    tmrTimer->SetEnabled(true);
    txtResult->setFocus();
}

void frmMain::RunStopped() {
    tmrTimer->SetEnabled(false);
    cmdStart->setEnabled(true);
    cmdStop->setEnabled(false);
    txtTime->setEnabled(true);
    txtResult->setEnabled(false);
    chkStatistic->setEnabled(true);
}

void frmMain::RunEnded(bool withResults) {
    runEndedAt_ = QDateTime::fromMSecsSinceEpoch(services_.clock->WallMilliseconds());
    runKeeping_ = nullptr;
    if (withResults && LogCommandsUnavailable().isEmpty()) {
        const engine::KeptEnd end = stopping_ ? engine::KeptEnd::Stopped : engine::KeptEnd::TimeUp;
        runKeeping_ = new keeping::SittingKeeping(
            engine::KeepDrill(engine_.recording(), {engine_.minutes(), engine_.secondOfMinute()}, end,
                              keeping::TimeOf(runEndedAt_), end == engine::KeptEnd::TimeUp ? engine_.minutes() : 0),
            keeping::ProgramKeeper(), this);
    }
    if (workCurve_ && LogCommandsUnavailable().isEmpty()) workCurve_->ShowRun(LastRun());
    // An earlier run's question goes with it, unless the Work curve window still shows that run.
    const QPointer<keeping::SittingKeeping> shown = workCurve_ ? workCurve_->run().keeping : nullptr;
    for (keeping::SittingKeeping* earlier : findChildren<keeping::SittingKeeping*>(Qt::FindDirectChildrenOnly))
        if (earlier != runKeeping_ && earlier != shown) delete earlier;
}

void frmMain::PairChanged(const std::string& operand1Text, const std::string& operand2Text) {
    const QString operand1 = ToQt(operand1Text);
    const QString operand2 = ToQt(operand2Text);
    lblVal1->setText(operand1);
    lblVal1->setAccessibleName(FirstNumberName(operand1));
    lblVal2->setText(operand2);
    lblVal2->setAccessibleName(SecondNumberName(operand2));
}

void frmMain::ClockChanged(const std::string& clockText) {
    const QString clock = ToQt(clockText);
    lblTimer->setText(clock);
    lblTimer->setAccessibleName(ClockName(clock));
}

void frmMain::LogCleared() { lstStat->clear(); }

void frmMain::LogLineAdded(const engine::LogLine& line) { lstStat->addItem(Shown(line)); }

void frmMain::AnswerCleared() { txtResult->clear(); }

void frmMain::ResultsReady(const engine::ResultSummary& summary) {
    // Only the end of a run brings results.
    RunEnded(true);
    const auto put = [](QLabel* label, std::optional<engine::ResultLine>& shown,
                        const std::optional<engine::ResultLine>& line) {
        if (!line) return;
        shown = line;
        label->setText(Shown(*line));
    };
    put(lblTotalAnswered, shownResults_.answeredLine, summary.answeredLine);
    put(lblTotalTrue, shownResults_.trueLine, summary.trueLine);
    put(lblTotalFalse, shownResults_.falseLine, summary.falseLine);
    put(lblDuration, shownResults_.durationLine, summary.durationLine);
    put(lblOpSec, shownResults_.perSecondLine, summary.perSecondLine);
    put(lblOpMin, shownResults_.perMinuteLine, summary.perMinuteLine);
    if (summary.showPanel) {
        Frame2->setGeometry(TwipRect(120, 120, 6255, 2895));
        Frame2->show();
        Frame2->raise();
        CoverUpperPart(true);
    }
}

void frmMain::PanelHidden() {
    Frame2->hide();
    CoverUpperPart(false);
}

void frmMain::CoverUpperPart(bool covered) {
    // What the panel covers must be out of reach of the keyboard too: no Tab into it, no
    // access key ticking "Log test" behind the results.
    const std::initializer_list<QWidget*> coveredControls = {lblVal1,   Label1, lblVal2, Label2,
                                                             txtResult, Frame1, Frame3};
    for (QWidget* control : coveredControls) control->setVisible(!covered);
}

QString frmMain::LogCommandsUnavailable() const {
    if (engine_.running()) return tr("A run is in progress: its answers are ready when it ends.");
    if (!runEndedAt_.isValid()) return tr("No run has ended yet.");
    if (!engine_.logging())
        return tr("The last run was not logged: tick \"Log test\" before Start to record the answers.");
    if (engine_.recording().empty()) return tr("The last run has no answers.");
    return {};
}

workcurve::RecordedRun frmMain::LastRun() const {
    return {engine_.recording(), {engine_.minutes(), engine_.secondOfMinute()}, runEndedAt_, 0, runKeeping_};
}

void frmMain::mnuHistory_Click() { keeping::ProgramKeeper().OpenWindow(this); }

void frmMain::mnuExamSheets_Click() {
    if (!examSheets_) {
        sheet::SheetServices services;
        services.clock = services_.clock;
        services.messages = services_.messages;
        examSheets_ = new sheet::frmSheet(std::move(services), this);
        examSheets_->setAttribute(Qt::WA_DeleteOnClose);
        examSheets_->setWindowIcon(windowIcon());
        examSheets_->PlaceBeside(this);
    }
    examSheets_->show();
    examSheets_->raise();
    examSheets_->activateWindow();
}

void frmMain::mnuShowWorkCurve_Click() {
    if (!LogCommandsUnavailable().isEmpty()) return;
    if (!workCurve_) {
        workCurve_ = new workcurve::frmWorkCurve({services_.files, services_.messages}, this);
        workCurve_->setAttribute(Qt::WA_DeleteOnClose);
        workCurve_->setWindowIcon(windowIcon());
        // Placed with the size the run gives it (the history's lines make it taller).
        workCurve_->ShowRun(LastRun());
        workCurve_->PlaceBeside(this);
    }
    workCurve_->ShowRun(LastRun());
    workCurve_->show();
    workCurve_->raise();
    workCurve_->activateWindow();
}

void frmMain::mnuSaveAnswers_Click() {
    if (!LogCommandsUnavailable().isEmpty()) return;
    workcurve::SaveAnswers(this, LastRun(), *services_.files, *services_.messages);
}

void frmMain::mnuCopyResults_Click() {
    if (!LogCommandsUnavailable().isEmpty()) return;
    QStringList lines;
    for (const engine::LogLine& line : engine_.logLines()) lines << Shown(line);
    lines << QString();
    // The result lines in the order the panel shows them, top to bottom.
    const engine::ResultSummary& shown = shownResults_;
    for (const std::optional<engine::ResultLine>* line : {&shown.durationLine, &shown.answeredLine, &shown.trueLine,
                                                          &shown.falseLine, &shown.perSecondLine, &shown.perMinuteLine})
        lines << (*line ? Shown(**line) : QString());
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

} // namespace app
