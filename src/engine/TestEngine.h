// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RecordedAnswer.h"
#include "engine/Wording.h"
#include "host/core/MonotonicClock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {
class Random;
}

namespace engine {

// Why Start refused a duration. Both are worded alike: the user is told only that the
// duration must be a number.
enum class DurationRefusal {
    NotANumber, // empty, letters, a lone sign
    BelowOne,
};

// The refusal's text, before it is worded.
const Wording& WordingOf(DurationRefusal refusal);

// One line of the result panel before it is worded: what it says and its figure, as the
// engine writes it ("25", "1:00", "0.42", or "-" where the run was not logged).
struct ResultLine {
    Wording wording;
    std::string figure;

    std::string english() const { return Worded(wording, {figure}); }
    // A line is the English it words.
    friend bool operator==(const ResultLine& line, std::string_view text) { return line.english() == text; }
};

// The result panel's lines. An absent line leaves its label as it was.
struct ResultSummary {
    std::optional<ResultLine> answeredLine;
    std::optional<ResultLine> trueLine;
    std::optional<ResultLine> falseLine;
    std::optional<ResultLine> durationLine;
    std::optional<ResultLine> perSecondLine;
    std::optional<ResultLine> perMinuteLine;
    bool showPanel = false;
};

// One line of the answer log before it is worded: an answer judged, or the note that a run
// with logging off leaves instead of its answers.
struct LogLine {
    // The character typed: one digit, unless a driver skipped the answer field's filter.
    std::string answer;
    std::int8_t operand1 = 0;
    std::int8_t operand2 = 0;
    bool correct = false;
    bool notLogged = false;

    // The operands as their displays showed them, after the blank of their sign (" 7").
    std::string operand1Text() const;
    std::string operand2Text() const;
    const Wording& wording() const;
    std::string english() const;
};

// What the engine tells its window. Every callback is optional; they are called in the
// order the rules of a run give, on the caller's thread, before the operation returns.
struct TestEngineListener {
    virtual ~TestEngineListener() = default;
    virtual void DurationRefused(DurationRefusal refusal) { (void)refusal; }
    virtual void RunStarted() {}
    virtual void RunStopped() {}
    virtual void PairChanged(const std::string& operand1Text, const std::string& operand2Text) {
        (void)operand1Text;
        (void)operand2Text;
    }
    virtual void ClockChanged(const std::string& clockText) { (void)clockText; }
    virtual void LogCleared() {}
    virtual void LogLineAdded(const LogLine& line) { (void)line; }
    virtual void AnswerCleared() {}
    virtual void ResultsReady(const ResultSummary& summary) { (void)summary; }
    virtual void PanelHidden() {}
};

// One test run of the addition drill and every rule of it. Owns no window.
class TestEngine {
public:
    // The generator and the clock that times the answers are the engine's platform
    // services; tests pass a seeded generator and a scripted clock.
    explicit TestEngine(host::Random& random, host::MonotonicClock& clock = host::SystemMonotonicClock());

    void SetListener(TestEngineListener* listener) { listener_ = listener; }

    // Refuses a duration that is not a number of at least 1, or begins a run. The run
    // ends when the minute count reaches that number, however it was written ("05" at
    // 5:00, "1." at 1:00, "1.5" at 2:00). Ignored while a run is in progress.
    void Start(const std::string& durationText, bool logging);
    // Enter in the answer field. An empty answer, or one outside a run, changes nothing.
    void SubmitAnswer(const std::string& answerText);
    // One tick of the clock; a tick that arrives after the run ended is ignored.
    void Tick();
    // Ends the run with results, after the user confirmed. Does nothing when a tick has
    // already ended the run while the question was open.
    void Stop();
    // Ends the run silently; the log, the counters and the result panel stay.
    void Reset();
    void DismissResults();

    static std::string FilterAnswerText(const std::string& text);
    static std::string FilterDurationText(const std::string& text);

    // Read-only view of the run, for the window and for tests.
    bool running() const { return running_; }
    bool logging() const { return logging_; }
    const std::string& durationText() const { return durationText_; }
    // The ticks counted since Start. A tick is the window's timer, every 1.024 s, so a count
    // of ticks, not of seconds on a watch; the answer rates divide by it.
    std::uint64_t elapsedSeconds() const { return minutes_ * 60 + static_cast<std::uint64_t>(secondOfMinute_); }
    int secondOfMinute() const { return secondOfMinute_; }
    std::uint64_t minutes() const { return minutes_; }
    std::uint64_t trueCount() const { return trueCount_; }
    std::uint64_t falseCount() const { return falseCount_; }
    const std::string& operand1Text() const { return operand1Text_; }
    const std::string& operand2Text() const { return operand2Text_; }
    const std::string& clockText() const { return clockText_; }
    // The answer log, line by line, and the same in English.
    const std::vector<LogLine>& logLines() const { return logLines_; }
    std::vector<std::string> answerLog() const;
    // Every judged answer of the current or last run, in the order given. A run with
    // logging off records nothing; the next Start clears it, Reset and DismissResults
    // keep it.
    const std::vector<RecordedAnswer>& recording() const { return recording_; }

    // What a refused duration is told, in English.
    static constexpr const char* kRefusedMessage = wording::kDurationRefused.english;

private:
    enum class EndReason { Stop, TimeOut };

    void DrawPair();
    int DrawOperand();
    void EndRun(EndReason reason);
    ResultSummary BuildResults(EndReason reason);
    void ShowPair(std::string operand1Text, std::string operand2Text);
    void ShowClock(std::string clockText);
    void AppendLogLine(LogLine line);

    host::Random& random_;
    host::MonotonicClock& clock_;
    TestEngineListener* listener_ = nullptr;
    bool running_ = false;
    std::string durationText_;
    // The number Start accepted; the run ends when the minute count reaches it.
    double durationMinutes_ = 0.0;
    bool logging_ = true;
    int secondOfMinute_ = 0;
    std::uint64_t minutes_ = 0;
    std::uint64_t trueCount_ = 0;
    std::uint64_t falseCount_ = 0;
    int operand1_ = 0;
    int operand2_ = 0;
    std::string operand1Text_ = "0";
    std::string operand2Text_ = "0";
    std::string clockText_ = "0:00";
    std::vector<LogLine> logLines_;
    std::vector<RecordedAnswer> recording_;
    // When the pair on show was announced, by clock_.
    std::uint64_t pairShownAt_ = 0;
};

} // namespace engine
