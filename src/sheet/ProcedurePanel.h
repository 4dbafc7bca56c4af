// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetFormat.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;

namespace host {
class MonotonicClock;
} // namespace host

namespace sheet {

// The procedure before a sheet, as the real sittings have it: the instructions of the format
// with a worked example, a short practice strip (a few pairs, untimed and not scored), a
// 3-2-1 countdown, then the sheet. Enter or Space goes on, Esc leaves; digits answer the
// practice pairs. It holds the focus, and its accessible name is the whole step, so that
// screen readers read each step as it comes.
class ProcedurePanel final : public QWidget {
    Q_OBJECT
public:
    enum class Step { Instructions, Practice, Countdown, Done };
    static constexpr int kPracticePairs = 5;
    static constexpr int kCountdownSeconds = 3;

    ProcedurePanel(host::MonotonicClock& clock, QWidget* parent = nullptr);

    // Shows the instructions of `format`; `onPaper` for a printed sheet in the examiner mode.
    // The practice pairs come from `seed`, so the same sheet has the same practice.
    void Begin(const engine::SheetFormat& format, std::uint64_t seed, bool onPaper);
    Step step() const { return step_; }
    // The next step, as Enter does.
    void GoOn();
    // Moves the countdown on by the clock; at its end the step is Done and `finished` comes.
    void Tick();

signals:
    // The countdown is over: the sheet's time starts.
    void finished();
    // Esc: the user leaves before the sheet.
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct PracticePair {
        int operand1 = 0;
        int operand2 = 0;
        // The digit typed, or -1.
        int answer = -1;
    };

    void ShowInstructions();
    void ShowPractice();
    void ShowCountdown(int left);
    void Answer(int digit);
    // Shows `text` and tells screen readers the whole step.
    void Present(const QString& heading, const QString& body, const QString& big, const QString& spoken);

    host::MonotonicClock& clock_;
    engine::SheetFormat format_;
    bool onPaper_ = false;
    Step step_ = Step::Done;
    std::vector<PracticePair> practice_;
    std::size_t current_ = 0;
    std::uint64_t countdownFrom_ = 0;
    int shownCount_ = 0;

    QLabel* lblStepHeading = nullptr;
    QLabel* lblStepText = nullptr;
    QLabel* lblStepBig = nullptr;
    QLabel* lblStepKeys = nullptr;
};

} // namespace sheet
