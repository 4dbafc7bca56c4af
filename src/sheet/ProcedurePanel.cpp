// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/ProcedurePanel.h"

#include "engine/Sheet.h"
#include "host/core/MonotonicClock.h"
#include "sheet/ExaminerCalls.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace sheet {
namespace {

// Mixed into the sheet's seed for its practice pairs, so that they are not the sheet's own first ones.
constexpr std::uint64_t kPracticeSalt = 0x5EED'0F'0E'C0DE;

QFont Grown(QFont font, double factor, bool bold = false) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

// How the format is worked, in a sentence or two.
QString WorkText(const engine::SheetFormat& format) {
    if (!format.cued())
        return ProcedurePanel::tr(
                   "Add each two neighbouring digits of a column from the top down, and go on to the next column "
                   "without waiting. At the call \"%1\" draw a line under your last answer and go on.")
            .arg(CallText(ExaminerCall::Stroke));
    QString text;
    switch (format.order) {
    case engine::WorkOrder::BottomUp:
        text = ProcedurePanel::tr("Add each two neighbouring digits of a column from the bottom up. At the call "
                                  "\"%1\" go on to the bottom of the next column, wherever you are.");
        break;
    case engine::WorkOrder::TopDown:
        text = ProcedurePanel::tr("Add each two neighbouring digits of a column from the top down. At the call "
                                  "\"%1\" go on to the top of the next column, wherever you are.");
        break;
    case engine::WorkOrder::LeftToRight:
        text = ProcedurePanel::tr("Add each two neighbouring digits of a line from left to right. At the call "
                                  "\"%1\" go on to the start of the next line, wherever you are.");
        break;
    }
    text = text.arg(CallText(ExaminerCall::Next));
    if (format.hasBreak()) {
        text += (format.order == engine::WorkOrder::LeftToRight
                     //: A sentence after the one before: mind the space before it where the language puts one.
                     ? ProcedurePanel::tr(" After line %1 comes a rest; the second half starts by itself.")
                     //: A sentence after the one before: mind the space before it where the language puts one.
                     : ProcedurePanel::tr(" After column %1 comes a rest; the second half starts by itself."))
                    .arg(format.breakAfter);
    }
    return text;
}

} // namespace

ProcedurePanel::ProcedurePanel(host::MonotonicClock& clock, QWidget* parent) : QWidget(parent), clock_(clock) {
    setObjectName(QStringLiteral("picProcedure"));
    setFocusPolicy(Qt::StrongFocus);
    // The step scrolls where the window is too small for it; the keys stay in the panel.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scroll);
    lblStepHeading = MakeLabel(page, "lblStepHeading", Grown(font(), 1.6, true));
    lblStepText = MakeLabel(page, "lblStepText", Grown(font(), 1.2));
    lblStepText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblStepBig = MakeLabel(page, "lblStepBig", Grown(font(), 2.4, true));
    lblStepKeys = MakeLabel(this, "lblStepKeys", font());
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 12, 24, 12);
    pageLayout->addWidget(lblStepHeading);
    pageLayout->addWidget(lblStepText);
    pageLayout->addStretch(1);
    pageLayout->addWidget(lblStepBig);
    pageLayout->addStretch(1);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll, 1);
    layout->addWidget(lblStepKeys);
}

void ProcedurePanel::Begin(const engine::SheetFormat& format, std::uint64_t seed, bool onPaper) {
    format_ = format;
    onPaper_ = onPaper;
    engine::SheetRandom random(seed ^ kPracticeSalt);
    const auto span = static_cast<std::uint32_t>(format.highestDigit - format.lowestDigit + 1);
    practice_.clear();
    int previous = format.lowestDigit + static_cast<int>(random.Below(span));
    for (int pair = 0; pair < kPracticePairs; ++pair) {
        int next = format.lowestDigit + static_cast<int>(random.Below(span));
        if (format.noRepeat && next == previous) next = next == format.highestDigit ? format.lowestDigit : next + 1;
        practice_.push_back({previous, next, -1});
        previous = next;
    }
    current_ = 0;
    ShowInstructions();
}

void ProcedurePanel::GoOn() {
    switch (step_) {
    case Step::Instructions: ShowPractice(); break;
    case Step::Practice:
        step_ = Step::Countdown;
        countdownFrom_ = clock_.Milliseconds();
        shownCount_ = 0;
        Tick();
        break;
    case Step::Countdown:
    case Step::Done: break;
    }
}

void ProcedurePanel::Tick() {
    if (step_ != Step::Countdown) return;
    const std::uint64_t elapsed = clock_.Milliseconds() - countdownFrom_;
    const std::uint64_t whole = std::uint64_t{kCountdownSeconds} * 1000;
    if (elapsed >= whole) {
        step_ = Step::Done;
        emit finished();
        return;
    }
    ShowCountdown(kCountdownSeconds - static_cast<int>(elapsed / 1000));
}

void ProcedurePanel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Escape) {
            emit left();
            return;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            GoOn();
            return;
        }
        if (step_ == Step::Practice && key >= Qt::Key_0 && key <= Qt::Key_9) {
            Answer(key - Qt::Key_0);
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ProcedurePanel::ShowInstructions() {
    step_ = Step::Instructions;
    const QString how = onPaper_ ? tr("Write the unit digit of each sum between its two digits with a pencil, on "
                                      "the printed sheet. The examiner here gives the calls.")
                                 : tr("Type the unit digit of each sum; it is written between its two digits. "
                                      "Backspace takes back, Space passes.");
    //: The worked example: the unit digit of 9 + 7 = 16 is 6.
    const QString example = tr("5 + 3 → 8     9 + 7 → 6");
    const QString body = WorkText(format_) + QStringLiteral("\n\n") + how + QStringLiteral("\n\n") +
                         tr("Only the unit digit is written: 9 + 7 makes 16, so 6. Work as fast and as accurately as "
                            "you can.");
    Present(tr("How this sheet is worked"), body, example, example);
}

void ProcedurePanel::ShowPractice() {
    step_ = Step::Practice;
    QStringList pairs;
    int right = 0;
    for (std::size_t index = 0; index < practice_.size(); ++index) {
        const PracticePair& pair = practice_[index];
        const int sum = (pair.operand1 + pair.operand2) % 10;
        QString answer;
        if (pair.answer < 0) {
            answer = index == current_ ? QStringLiteral("[ ]") : QStringLiteral("_");
        } else if (pair.answer == sum) {
            answer = QStringLiteral("%1 ✓").arg(pair.answer);
            ++right;
        } else {
            answer = QStringLiteral("%1 ✗ (%2)").arg(pair.answer).arg(sum);
        }
        //: A practice pair and what was typed: "4 + 6 → 0 ✓", "6 + 8 → 3 ✗ (4)", "8 + 1 → [ ]".
        const QString text = tr("%1 + %2 → %3").arg(pair.operand1).arg(pair.operand2).arg(answer);
        pairs << text;
    }
    QString body = tr("A few pairs to warm up: untimed, and not scored.");
    QString spoken;
    if (current_ < practice_.size()) {
        body += QLatin1Char(' ') + tr("Type the unit digit of each sum.");
        //: Read to screen readers at each practice pair: "6 and 8, pair 2 of 5".
        spoken = tr("%1 and %2, pair %3 of %4")
                     .arg(practice_[current_].operand1)
                     .arg(practice_[current_].operand2)
                     .arg(current_ + 1)
                     .arg(practice_.size());
    } else {
        //: %1 right answers of %2 practice pairs.
        body += QLatin1Char(' ') + tr("%1 of %2 right. Ready for the sheet?").arg(right).arg(practice_.size());
        spoken = body;
    }
    Present(tr("Practice"), body, pairs.join(QLatin1Char('\n')), spoken);
}

void ProcedurePanel::ShowCountdown(int left) {
    if (left == shownCount_) return;
    shownCount_ = left;
    //: The countdown's number, as big as the window shows it.
    const QString number = tr("%1", "countdown").arg(left);
    Present(tr("The sheet starts in"),
            onPaper_ ? tr("Have your pencil ready.") : tr("Keep your fingers on the digits."), number, number);
}

void ProcedurePanel::Answer(int digit) {
    if (current_ >= practice_.size()) return;
    practice_[current_].answer = digit;
    ++current_;
    ShowPractice();
}

void ProcedurePanel::Present(const QString& heading, const QString& body, const QString& big, const QString& spoken) {
    lblStepHeading->setText(heading);
    lblStepText->setText(body);
    lblStepBig->setText(big);
    lblStepKeys->setText(step_ == Step::Countdown ? tr("Esc leaves.") : tr("Enter or Space goes on, Esc leaves."));
    // Qt tells assistive technology of the new name; the focused panel's name is read.
    //: What screen readers hear of a step: its heading, then what it shows ("Practice: pair 2 of 5 …").
    const QString name = tr("%1: %2").arg(heading, spoken);
    setAccessibleName(name);
    setAccessibleDescription(body + QLatin1Char(' ') + lblStepKeys->text());
}

} // namespace sheet
