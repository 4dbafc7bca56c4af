// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"
#include "sheet/SheetChoice.h"
#include "windowkit/ToolWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QScrollArea;
class QStackedWidget;
class QTimer;

namespace host {
class FileDialogs;
class MessageBoxes;
class MonotonicClock;
class PreciseTimer;
} // namespace host

namespace sheet {

class CallSounds;
class CallVoice;
class CueSound;
class ExaminerView;
class PaperBox;
class PaperEntryForm;
class ProcedurePanel;
class SheetView;
enum class ExaminerCall;
struct ChosenSheet;

// Where the sheet window hands a finished sitting: its format, its record of every pair, the
// seed the sheet was made from, how it ended and how long it took.
using SheetResultsHandler =
    std::function<void(QWidget* parent, const engine::SheetFormat& format, std::span<const engine::SheetAnswer> record,
                       std::uint64_t seed, engine::SittingEnd end, std::uint64_t elapsedMs)>;

// What the sheet window needs from outside itself; each has the program's own when not given.
struct SheetServices {
    // Times the sitting: the system's steady clock.
    host::MonotonicClock* clock = nullptr;
    // The question before Stop: the system's message boxes.
    host::MessageBoxes* messages = nullptr;
    // Where a sheet's PDF goes: the system's file dialogs.
    host::FileDialogs* files = nullptr;
    // The cue heard: the platform's sound service.
    CueSound* sound = nullptr;
    // The calls spoken in the examiner mode: Qt TextToSpeech.
    CallVoice* voice = nullptr;
    // Receives the finished sitting: the Sheet results window (sheetresults::ShowSheetResults).
    SheetResultsHandler showResults;
    // The seed offered for a new sheet: a random number of up to six digits, short enough
    // to type again.
    std::function<std::uint64_t()> newSeed;
};

// The "Exam sheets" window: the user chooses a preset, its practice version or a custom
// sheet and a seed, then works the sheet as on paper, timed by the examiner's cue, until
// the time is up, the sheet is worked through or the user stops. The finished sitting
// goes to the results. In the examiner mode the user works a printed sheet while the window
// gives the calls (seen, and heard as a tone, a voice or both) by the same sitting's clock,
// then enters what was done on paper; a printed sheet can also be entered without it. The
// procedure (instructions, practice, 3-2-1) comes before either, unless switched off. A tool
// window (windowkit::ToolWindow): not modal, docked until it closes (close box, Escape or
// Close; during a sitting each asks first, as Stop does).
class frmSheet final : public windowkit::ToolWindow, private engine::SheetSittingListener {
    Q_OBJECT
public:
    // How often the window looks at the clock during a sitting.
    static constexpr int kPollMilliseconds = 100;
    // How long "Next!" and the cue's mark stay.
    static constexpr std::uint64_t kCallMilliseconds = 1500;

    explicit frmSheet(SheetServices services, QWidget* parent = nullptr);
    ~frmSheet() override;

    // Selects a preset (or the custom form), its practice version and the seed.
    void Choose(const SheetChoice& choice);
    // The format the form describes now, or why it cannot be made.
    std::optional<engine::SheetFormat> ChosenFormat(engine::FormatError& error) const;

    // The sitting under way; null before the first and after each.
    const engine::SheetSitting* sitting() const { return sitting_.get(); }
    SheetView* view() const { return picSheet; }

    // The timer's handler; public so that a driver can poll without waiting for it.
    void tmrSheet_Timer();

    // The examiner mode's display, the procedure and the paper entry form.
    ExaminerView* examinerView() const { return picExaminer; }
    ProcedurePanel* procedure() const { return picProcedure; }
    PaperEntryForm* paperEntry() const { return frmPaperEntry; }

protected:
    // During a sitting, asks first and stops it, as Stop does; a sitting on paper leaves the
    // window open on its entry.
    bool ReadyToClose() override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Enter in one of the choose page's lists or text fields starts the sheet.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The sitting's notifications.
    void CueGiven(std::uint32_t unit) override;
    void BreakStarted(std::uint64_t milliseconds) override;
    void BreakEnded() override;
    void StrokeDrawn(const engine::SheetStroke& stroke) override;
    void Finished(engine::SittingEnd reason) override;

    // The window's controls, area by area: the two pages, the commands under them, and
    // what each control's signals start.
    void BuildLayout();
    QWidget* BuildChoosePage();
    void BuildCustomForm(QWidget* page);
    // The procedure's switch and the examiner's choice, rows 4 and 5 of the choose page.
    void BuildSittingChoices(QWidget* page, QGridLayout* layout);
    QWidget* BuildSittingPage();
    QHBoxLayout* BuildCommands();
    void Connect();
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdPaperEntry_Click();
    void cboExaminer_Change();
    void cboFormat_Change();
    void picSheet_Digit(int digit);
    void picSheet_Backspace();
    void picSheet_Space();

    // Asks "Are you sure want to stop?"; true when the user said Yes.
    bool ConfirmStop();
    void ShowFormatSummary();
    // The editor of a refused field; the seed's for the format and the seed.
    QLineEdit* EditOf(engine::FormatError::Field field) const;
    // The format and seed typed, or none with the refusal shown and its field focused.
    std::optional<ChosenSheet> ChosenOrRefused();
    // The sitting starts: at once, or after the procedure.
    void BeginSitting();
    void LeaveProcedure();
    bool InProcedure() const;
    void ShowChoosePage();
    void ShowPaperEntry(const engine::SheetFormat& format, const engine::Sheet& sheet, engine::SittingEnd end,
                        std::uint64_t elapsedMs);
    void Call(ExaminerCall call);
    // Polls again at the moment the sitting next has something to do, so that a call comes on
    // time rather than at the next of the timer's ticks.
    void ArmDue();
    void SyncExaminer();
    // Brings the view, the clock, the break cover and what screen readers hear up to the
    // sitting's state, and ends the sitting when it has finished.
    void Sync();
    void Announce(const QString& text);
    QString PairText() const;
    void EndSitting();
    void PlaceBreakCover();

    SheetServices services_;
    std::unique_ptr<CueSound> ownSound_;
    std::unique_ptr<CallVoice> ownVoice_;
    std::unique_ptr<CallSounds> calls_;
    // The sitting under way is in the examiner mode: a printed sheet, the calls only.
    bool examiner_ = false;
    // What the examiner's display says of where the work is ("Column 3 of 50").
    QString examinerWhere_;
    std::unique_ptr<engine::SheetSitting> sitting_;
    std::uint64_t seed_ = 0;
    std::optional<std::uint64_t> callShownAt_;
    // The last call, until screen readers have been told it with the pair it brings.
    QString pendingCall_;
    bool finishedPending_ = false;
    // The break has been told to screen readers; its countdown is not told every second.
    bool breakAnnounced_ = false;

    QStackedWidget* stkPages = nullptr;
    QComboBox* cboFormat = nullptr;
    QCheckBox* chkPractice = nullptr;
    QGroupBox* fraCustom = nullptr;
    QComboBox* cboOrder = nullptr;
    QLineEdit* txtUnits = nullptr;
    QLineEdit* txtDigits = nullptr;
    QLineEdit* txtSeconds = nullptr;
    QLineEdit* txtBreakAfter = nullptr;
    QLineEdit* txtBreakSeconds = nullptr;
    QLineEdit* txtLowest = nullptr;
    QLineEdit* txtHighest = nullptr;
    QCheckBox* chkNoRepeat = nullptr;
    QLabel* lblSummary = nullptr;
    QLineEdit* txtSeed = nullptr;
    QLabel* lblLastSheet = nullptr;
    QCheckBox* chkProcedure = nullptr;
    QComboBox* cboExaminer = nullptr;
    QLabel* lblVoiceNotice = nullptr;
    PaperBox* fraPaper = nullptr;

    QLabel* lblTitle = nullptr;
    QLabel* lblCall = nullptr;
    QLabel* lblClock = nullptr;
    QStackedWidget* stkSitting = nullptr;
    QScrollArea* scrSheet = nullptr;
    SheetView* picSheet = nullptr;
    QLabel* lblBreak = nullptr;
    ExaminerView* picExaminer = nullptr;
    ProcedurePanel* picProcedure = nullptr;
    PaperEntryForm* frmPaperEntry = nullptr;

    QCheckBox* chkClock = nullptr;
    QCheckBox* chkSound = nullptr;
    QLabel* lblZoom = nullptr;
    QAbstractButton* cmdStart = nullptr;
    QAbstractButton* cmdStop = nullptr;
    QAbstractButton* cmdPaperEntry = nullptr;
    QAbstractButton* cmdHistory = nullptr;
    QAbstractButton* cmdClose = nullptr;
    host::PreciseTimer* tmrSheet = nullptr;
    QTimer* tmrDue = nullptr;
};

} // namespace sheet
