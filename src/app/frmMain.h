// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/TestEngine.h"

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;

namespace windowkit {
class StoredForm;
}

namespace host {
class FileDialogs;
class Frame;
class MessageBoxes;
class MonotonicClock;
class PreciseTimer;
class Random;
} // namespace host

namespace about {
class HyperlinkLabel;
}

namespace sheet {
class frmSheet;
}

namespace workcurve {
class frmWorkCurve;
struct RecordedRun;
} // namespace workcurve

namespace keeping {
class SittingKeeping;
}

namespace app {

class LogCommands;

// What the main window needs from outside itself.
struct MainWindowServices {
    host::Random* random = nullptr;
    host::MessageBoxes* messages = nullptr;
    // Ends the program at once; called after the user confirmed the exit.
    std::function<void()> endProgram;
    // Times the answers and tells when a run ended; the system's clocks when not given.
    host::MonotonicClock* clock = nullptr;
    // The save dialog; the platform's own when not given.
    host::FileDialogs* files = nullptr;
};

// The main window: a view of the test engine. Its handlers hand the user's actions to
// the engine, and the engine's notifications are rendered onto the controls.
class frmMain final : public QWidget, private engine::TestEngineListener {
    Q_OBJECT
public:
    explicit frmMain(MainWindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    const engine::TestEngine& engine() const { return engine_; }

    // The timer's handler; public so a driver can tick without waiting for the timer.
    void tmrTimer_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's controls, area by area, back to front.
    void BuildLayout();
    void BuildOperands(const QFont& operandFont);
    void BuildOptions();
    void BuildControls(const windowkit::StoredForm& form);
    void BuildBottomRow(const windowkit::StoredForm& form);
    void BuildExamSheetsLink();
    void BuildResults(const windowkit::StoredForm& form);
    void BuildMenus();
    void SetTabOrder();
    // The names and descriptions assistive technology reads, beside what the controls show.
    void DescribeControls();
    void Connect();

    // Handlers of the window's events.
    void Form_Load();
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdReset_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    bool Form_Unload();
    void txtResult_KeyDown(int key);
    void txtResult_Change();
    void txtTime_Change();
    void chkShowTimer_Click();
    void cmdAbout_Click();
    void mnuAbRule_Click();
    void mnuAbPKT_Click();
    void mnuAboutTavrendale_Click();
    void lblURL1_Click();
    void lblURL2_Click();
    void lblURL1_MouseMove();
    void lblURL2_MouseMove();
    void ResetLinks();
    void CoverUpperPart(bool covered);
    // A run ended, by time-out, Stop or Reset: the log's commands now act on it. One that ended
    // `withResults`, logged and with answers, goes into the history where the user keeps one.
    void RunEnded(bool withResults = false);

    // The answer log's commands.
    void mnuShowWorkCurve_Click();
    // Opens the exam sheets window, or brings it to the front.
    void mnuExamSheets_Click();
    void mnuSaveAnswers_Click();
    void mnuCopyResults_Click();
    void mnuHistory_Click();
    // Why the log's commands cannot be used now; empty when they can.
    QString LogCommandsUnavailable() const;
    workcurve::RecordedRun LastRun() const;

    // The engine's notifications.
    void DurationRefused(engine::DurationRefusal refusal) override;
    void RunStarted() override;
    void RunStopped() override;
    void PairChanged(const std::string& operand1Text, const std::string& operand2Text) override;
    void ClockChanged(const std::string& clockText) override;
    void LogCleared() override;
    void LogLineAdded(const engine::LogLine& line) override;
    void AnswerCleared() override;
    void ResultsReady(const engine::ResultSummary& summary) override;
    void PanelHidden() override;

    MainWindowServices services_;
    engine::TestEngine engine_;

    QLabel* lblVal1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblVal2 = nullptr;
    QLineEdit* txtResult = nullptr;
    host::Frame* Frame1 = nullptr;
    QCheckBox* chkStatistic = nullptr;
    QCheckBox* chkShowTimer = nullptr;
    QLineEdit* txtTime = nullptr;
    host::Frame* Frame3 = nullptr;
    QAbstractButton* cmdStart = nullptr;
    QAbstractButton* cmdStop = nullptr;
    QAbstractButton* cmdReset = nullptr;
    QLabel* lblHideTimer = nullptr;
    QLabel* lblTimer = nullptr;
    host::Frame* Frame2 = nullptr;
    QListWidget* lstStat = nullptr;
    QAbstractButton* cmdBack = nullptr;
    QLabel* lblOpMin = nullptr;
    QLabel* lblOpSec = nullptr;
    QLabel* lblDuration = nullptr;
    QLabel* lblTotalFalse = nullptr;
    QLabel* lblTotalTrue = nullptr;
    QLabel* lblTotalAnswered = nullptr;
    QAbstractButton* cmdAbout = nullptr;
    QAbstractButton* cmdExit = nullptr;
    QWidget* Image3 = nullptr;
    about::HyperlinkLabel* lblURL1 = nullptr;
    about::HyperlinkLabel* lblURL2 = nullptr;
    QAbstractButton* cmdExamSheets = nullptr;
    host::PreciseTimer* tmrTimer = nullptr;
    QMenu* mnuAbout = nullptr;
    QAction* mnuAbRule = nullptr;
    QAction* mnuAbPKT = nullptr;
    QAction* mnuAboutTavrendale = nullptr;
    LogCommands* logCommands_ = nullptr;
    QPointer<workcurve::frmWorkCurve> workCurve_;
    QPointer<sheet::frmSheet> examSheets_;
    // The last run's way into the history; none for a run not logged or without answers.
    QPointer<keeping::SittingKeeping> runKeeping_;
    // Stop ended the run, not its time.
    bool stopping_ = false;

    // The result panel's lines as the runs' results left them, in the panel's order.
    engine::ResultSummary shownResults_;
    // When the last run ended (local time); null before the first.
    QDateTime runEndedAt_;
    // Where the focus was before Stop was pressed, for a declined Stop to give it back.
    QPointer<QWidget> focusBeforeStop_;
    bool stopFocusedByMouse_ = false;
    QMetaObject::Connection focusWatch_;
};

// The texts of the two information boxes of the About menu.
QString AboutRuleText();
QString AboutTestText();

} // namespace app
