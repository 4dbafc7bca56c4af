// SPDX-License-Identifier: GPL-3.0-or-later
#include "test/TestEngine.h"

#include "host/core/NumberText.h"
#include "host/core/Random.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace test {
namespace {

// The last character of a text, whole even when it takes several bytes in UTF-8.
std::string LastCharacter(const std::string& text) {
    std::size_t start = text.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) {
        --start;
    }
    return text.substr(start);
}

// Joins the parts into a string of exactly their length. Growing a string by appending
// leaves it the doubled capacity of its last growth, and a long run logs tens of
// thousands of lines.
std::string Concat(std::initializer_list<std::string_view> parts) {
    std::size_t length = 0;
    for (std::string_view part : parts) {
        length += part.size();
    }
    std::string joined(length, '\0');
    auto out = joined.begin();
    for (std::string_view part : parts) {
        out = std::copy(part.begin(), part.end(), out);
    }
    return joined;
}

} // namespace

TestEngine::TestEngine(host::Random& random, host::MonotonicClock& clock) : random_(random), clock_(clock) {}

void TestEngine::Start(const std::string& durationText, bool logging) {
    if (running_) {
        return;
    }
    const std::optional<double> duration = host::ParseNumber(durationText);
    if (!duration || !(*duration >= 1.0)) {
        if (listener_) {
            listener_->DurationRefused(kRefusedMessage);
        }
        return;
    }

    durationText_ = durationText;
    durationMinutes_ = *duration;
    logging_ = logging;
    answerLog_.clear();
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
        AppendLogLine(Concat({operand1Text_, " + ", operand2Text_, " = ", typed, correct ? " | TRUE" : " | FALSE"}));
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
    // A generator that rounds its draw up to 1 must still give a digit.
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
        summary.answeredLine = "Total answered: " + host::FormatCount(answerLog_.size());
        summary.trueLine = "Total true: " + host::FormatCount(trueCount_);
        summary.falseLine = "Total false: " + host::FormatCount(falseCount_);
        summary.durationLine = "Duration: " + clockText_;
        // A Stop before the first tick has no time to divide by: no answer rate yet.
        const std::uint64_t elapsed = elapsedSeconds();
        const double seconds = static_cast<double>(elapsed);
        const double trueAnswers = static_cast<double>(trueCount_);
        const double perSecond = elapsed == 0 ? 0.0 : trueAnswers / seconds;
        const double perMinute = elapsed == 0 ? 0.0 : trueAnswers / (seconds / 60.0);
        summary.perSecondLine = "Operation per sec: " + host::FormatFixed2(perSecond);
        summary.perMinuteLine = "Operation per min: " + host::FormatFixed2(perMinute);
        return summary;
    }

    answerLog_.clear();
    if (listener_) {
        listener_->LogCleared();
    }
    AppendLogLine("Result not logged.");
    summary.answeredLine = "Total answered: -";
    summary.trueLine = "Total true: -";
    summary.falseLine = "Total false: -";
    summary.durationLine = reason == EndReason::Stop ? "Duration: - minute(s)" : "Duration: -";
    summary.perSecondLine = "Operation per sec: -";
    summary.perMinuteLine = "Operation per min: -";
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

void TestEngine::AppendLogLine(std::string line) {
    answerLog_.push_back(std::move(line));
    if (listener_) {
        listener_->LogLineAdded(answerLog_.back());
    }
}

} // namespace test
