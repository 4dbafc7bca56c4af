// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TestEngine.h"

#include "host/core/NumberText.h"
#include "host/core/Random.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace engine {
namespace {

// The last character of a text, whole even when it takes several bytes in UTF-8.
std::string LastCharacter(const std::string& text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    return text.substr(start);
}

} // namespace

const Wording& WordingOf(DurationRefusal refusal) {
    (void)refusal;
    return wording::kDurationRefused;
}

std::string LogLine::operand1Text() const { return host::FormatSigned(operand1); }
std::string LogLine::operand2Text() const { return host::FormatSigned(operand2); }

const Wording& LogLine::wording() const {
    if (notLogged) return wording::kNotLogged;
    return correct ? wording::kTrueAnswer : wording::kFalseAnswer;
}

std::string LogLine::english() const {
    if (notLogged) return Worded(wording());
    return Worded(wording(), {operand1Text(), operand2Text(), answer});
}

TestEngine::TestEngine(host::Random& random, host::MonotonicClock& clock) : random_(random), clock_(clock) {}

void TestEngine::Start(const std::string& durationText, bool logging) {
    if (running_) {
        return;
    }
    const std::optional<double> duration = host::ParseNumber(durationText);
    if (!duration || !(*duration >= 1.0)) {
        if (listener_) {
            listener_->DurationRefused(duration ? DurationRefusal::BelowOne : DurationRefusal::NotANumber);
        }
        return;
    }

    durationText_ = durationText;
    durationMinutes_ = *duration;
    logging_ = logging;
    logLines_.clear();
    recording_.clear();
    if (listener_) {
        listener_->LogCleared();
    }
    secondOfMinute_ = 0;
    minutes_ = 0;
    trueCount_ = 0;
    falseCount_ = 0;
    running_ = true;
    if (listener_) {
        listener_->RunStarted();
    }
    DrawPair();
}

void TestEngine::SubmitAnswer(const std::string& answerText) {
    if (!running_ || answerText.empty()) {
        return;
    }
    if (logging_) {
        const std::string typed = LastCharacter(answerText);
        const std::string sum = host::FormatCount(static_cast<std::uint64_t>(operand1_ + operand2_));
        const bool correct = typed == sum.substr(sum.size() - 1);
        // A clock that went backwards (it may not, but a scripted one can) counts as no time.
        const std::uint64_t now = clock_.Milliseconds();
        const std::uint64_t answerTime = now >= pairShownAt_ ? now - pairShownAt_ : 0;
        recording_.push_back(MakeRecordedAnswer(operand1_, operand2_, typed, correct, minutes_, answerTime));
        AppendLogLine({typed, static_cast<std::int8_t>(operand1_), static_cast<std::int8_t>(operand2_), correct});
        if (correct) {
            ++trueCount_;
        } else {
            ++falseCount_;
        }
    }
    if (listener_) {
        listener_->AnswerCleared();
    }
    DrawPair();
}

void TestEngine::Tick() {
    if (!running_) {
        return;
    }
    if (++secondOfMinute_ == 60) {
        ++minutes_;
        secondOfMinute_ = 0;
    }
    ShowClock(host::FormatCount(minutes_) + ":" + host::FormatTwoDigits(secondOfMinute_));
    // Compared as numbers, not as texts: a duration such as "05" or "1." would never
    // equal the minute count's text and the run would never end.
    if (static_cast<double>(minutes_) >= durationMinutes_) {
        EndRun(EndReason::TimeOut);
    }
}

void TestEngine::Stop() {
    if (!running_) {
        return;
    }
    EndRun(EndReason::Stop);
}

void TestEngine::Reset() {
    running_ = false;
    if (listener_) {
        listener_->RunStopped();
    }
    ShowPair("0", "0");
    ShowClock("0:00");
}

void TestEngine::DismissResults() {
    if (listener_) {
        listener_->PanelHidden();
    }
}

std::vector<std::string> TestEngine::answerLog() const {
    std::vector<std::string> lines;
    lines.reserve(logLines_.size());
    for (const LogLine& line : logLines_) {
        lines.push_back(line.english());
    }
    return lines;
}

std::string TestEngine::FilterAnswerText(const std::string& text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text : std::string();
}

std::string TestEngine::FilterDurationText(const std::string& text) { return text == "0" ? std::string() : text; }

void TestEngine::DrawPair() {
    operand1_ = DrawOperand();
    operand2_ = DrawOperand();
    ShowPair(host::FormatSigned(operand1_), host::FormatSigned(operand2_));
    // The answer time runs from the moment the window was handed the new pair.
    if (logging_) {
        pairShownAt_ = clock_.Milliseconds();
    }
}

int TestEngine::DrawOperand() {
    random_.ReseedFromClock();
    const float r = random_.Next();
    // A draw that a generator rounds up to 1 gives 9, the highest digit.
    const int digit = static_cast<int>(std::floor(r * 10.0f));
    return digit < 0 ? 0 : (digit > 9 ? 9 : digit);
}

void TestEngine::EndRun(EndReason reason) {
    running_ = false;
    if (listener_) {
        listener_->RunStopped();
    }
    const ResultSummary summary = BuildResults(reason);
    if (listener_) {
        listener_->ResultsReady(summary);
    }
    ShowPair("0", "0");
    if (listener_) {
        listener_->AnswerCleared();
    }
    ShowClock("0:00");
}

ResultSummary TestEngine::BuildResults(EndReason reason) {
    ResultSummary summary;
    summary.showPanel = true;
    if (logging_) {
        summary.answeredLine = ResultLine{wording::kAnsweredLine, host::FormatCount(logLines_.size())};
        summary.trueLine = ResultLine{wording::kTrueLine, host::FormatCount(trueCount_)};
        summary.falseLine = ResultLine{wording::kFalseLine, host::FormatCount(falseCount_)};
        summary.durationLine = ResultLine{wording::kDurationLine, clockText_};
        // A Stop before the first tick has no time to divide by: no answer rate yet.
        const std::uint64_t elapsed = elapsedSeconds();
        const double seconds = static_cast<double>(elapsed);
        const double trueAnswers = static_cast<double>(trueCount_);
        const double perSecond = elapsed == 0 ? 0.0 : trueAnswers / seconds;
        const double perMinute = elapsed == 0 ? 0.0 : trueAnswers / (seconds / 60.0);
        summary.perSecondLine = ResultLine{wording::kPerSecondLine, host::FormatFixed2(perSecond)};
        summary.perMinuteLine = ResultLine{wording::kPerMinuteLine, host::FormatFixed2(perMinute)};
        return summary;
    }

    logLines_.clear();
    if (listener_) {
        listener_->LogCleared();
    }
    LogLine notLogged;
    notLogged.notLogged = true;
    AppendLogLine(std::move(notLogged));
    const std::string none = "-";
    summary.answeredLine = ResultLine{wording::kAnsweredLine, none};
    summary.trueLine = ResultLine{wording::kTrueLine, none};
    summary.falseLine = ResultLine{wording::kFalseLine, none};
    summary.durationLine =
        ResultLine{reason == EndReason::Stop ? wording::kDurationInMinutesLine : wording::kDurationLine, none};
    summary.perSecondLine = ResultLine{wording::kPerSecondLine, none};
    summary.perMinuteLine = ResultLine{wording::kPerMinuteLine, none};
    return summary;
}

void TestEngine::ShowPair(std::string operand1Text, std::string operand2Text) {
    operand1Text_ = std::move(operand1Text);
    operand2Text_ = std::move(operand2Text);
    if (listener_) {
        listener_->PairChanged(operand1Text_, operand2Text_);
    }
}

void TestEngine::ShowClock(std::string clockText) {
    clockText_ = std::move(clockText);
    if (listener_) {
        listener_->ClockChanged(clockText_);
    }
}

void TestEngine::AppendLogLine(LogLine line) {
    logLines_.push_back(std::move(line));
    if (listener_) {
        listener_->LogLineAdded(logLines_.back());
    }
}

} // namespace engine
