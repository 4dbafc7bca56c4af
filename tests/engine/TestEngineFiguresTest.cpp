// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine hands its window beside its English: a window in another language words
// these, so each figure must stand alone, under the text it belongs to.
#include "EngineFixture.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace wording = engine::wording;

bool SameText(const engine::Wording& a, const engine::Wording& b) {
    return std::string_view(a.context) == b.context && std::string_view(a.english) == b.english;
}

// ---- Result lines ----

struct ResultCase {
    const char* name;
    bool logging;
    int right;
    int wrong;
    int ticks;
    // Else the run times out.
    bool stop;
    const engine::Wording* durationLine;
    // In the panel's order: duration, answered, true, false, per second, per minute.
    std::array<const char*, 6> figures;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class ResultFiguresTest : public EngineFixture, public testing::WithParamInterface<ResultCase> {};

TEST_P(ResultFiguresTest, EachLineHasItsTextAndItsFigureAlone) {
    const ResultCase& c = GetParam();
    StartRun("1", c.logging);
    for (int i = 0; i < c.right; ++i) Answer(true);
    for (int i = 0; i < c.wrong; ++i) Answer(false);
    Ticks(c.ticks);
    if (c.stop) engine.Stop();

    ASSERT_EQ(recorder.results.size(), 1u);
    const engine::ResultSummary& r = recorder.results[0];
    EXPECT_TRUE(r.showPanel);
    EXPECT_EQ(engine.answerLog().size(), c.logging ? static_cast<std::size_t>(c.right + c.wrong) : 1u)
        << "the log stays for the user to read";
    const std::optional<engine::ResultLine>* lines[] = {&r.durationLine, &r.answeredLine,  &r.trueLine,
                                                        &r.falseLine,    &r.perSecondLine, &r.perMinuteLine};
    const engine::Wording* wordings[] = {c.durationLine,       &wording::kAnsweredLine,  &wording::kTrueLine,
                                         &wording::kFalseLine, &wording::kPerSecondLine, &wording::kPerMinuteLine};
    for (std::size_t i = 0; i < c.figures.size(); ++i) {
        ASSERT_TRUE(lines[i]->has_value()) << i;
        const engine::ResultLine& line = **lines[i];
        EXPECT_TRUE(SameText(line.wording, *wordings[i])) << "line " << i << ": \"" << line.wording.english << "\"";
        EXPECT_EQ(line.figure, c.figures[i]) << "line " << i;
    }
}

constexpr int kMinute = 60;
const engine::Wording* const kClock = &wording::kDurationLine;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, ResultFiguresTest, testing::Values(
    ResultCase{"LoggedStop", true, 10, 2, 30, true, kClock, {"0:30", "12", "10", "2", "0.33", "20.00"}},
    ResultCase{"LoggedTimeOut", true, 25, 5, kMinute, false, kClock, {"1:00", "30", "25", "5", "0.42", "25.00"}},
    ResultCase{"OneAnswerInAMinute", true, 1, 0, kMinute, false, kClock, {"1:00", "1", "1", "0", "0.02", "1.00"}},
    // The rates count true answers only; 1/8 is exactly 0.125, rounded up.
    ResultCase{"RatesRoundHalvesUp", true, 1, 9, 8, true, kClock, {"0:08", "10", "1", "9", "0.13", "7.50"}},
    ResultCase{"StopBeforeATick", true, 2, 0, 0, true, kClock, {"0:00", "2", "2", "0", "0.00", "0.00"}},
    // The duration's dash is in minutes after Stop, a bare clock's after the time-out.
    ResultCase{"UnloggedStop", false, 1, 1, 5, true, &wording::kDurationInMinutesLine, {"-", "-", "-", "-", "-", "-"}},
    ResultCase{"UnloggedTimeOut", false, 1, 0, kMinute, false, kClock, {"-", "-", "-", "-", "-", "-"}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });
// clang-format on

// ---- Answer log lines ----

struct LogCase {
    int operand1;
    int operand2;
    const char* typed;
    const char* answer;
    bool correct;
    const char* operand1Text;
    const char* operand2Text;
};

void PrintTo(const LogCase& c, std::ostream* os) {
    *os << c.operand1 << " + " << c.operand2 << " answered \"" << c.typed << '"';
}

class LogFiguresTest : public EngineFixture, public testing::WithParamInterface<LogCase> {};

TEST_P(LogFiguresTest, TheLineHoldsThePairTheAnswerAndTheJudgement) {
    const LogCase& c = GetParam();
    random.QueuePair(c.operand1, c.operand2);
    StartRun("99");
    engine.SubmitAnswer(c.typed);

    ASSERT_EQ(recorder.lines.size(), 1u);
    ASSERT_EQ(engine.logLines().size(), 1u);
    // As handed to the window and as the engine keeps it.
    const engine::LogLine* const both[] = {&recorder.lines[0], &engine.logLines()[0]};
    for (const engine::LogLine* line : both) {
        EXPECT_FALSE(line->notLogged);
        EXPECT_EQ(line->operand1, c.operand1);
        EXPECT_EQ(line->operand2, c.operand2);
        EXPECT_EQ(line->operand1Text(), c.operand1Text);
        EXPECT_EQ(line->operand2Text(), c.operand2Text);
        EXPECT_EQ(line->answer, c.answer);
        EXPECT_EQ(line->correct, c.correct);
        EXPECT_TRUE(SameText(line->wording(), c.correct ? wording::kTrueAnswer : wording::kFalseAnswer));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, LogFiguresTest,
                         testing::Values(LogCase{7, 5, "2", "2", true, " 7", " 5"},
                                         LogCase{6, 9, "1", "1", false, " 6", " 9"},
                                         LogCase{0, 0, "0", "0", true, " 0", " 0"},
                                         LogCase{9, 9, "8", "8", true, " 9", " 9"},
                                         // Only a driver that skips the field's filter hands in more.
                                         LogCase{7, 5, "12", "2", true, " 7", " 5"},
                                         LogCase{1, 1, "\xC3\xA9", "\xC3\xA9", false, " 1", " 1"}));

TEST_F(EngineFixture, AnUnloggedRunLeavesOnlyTheNoteWithoutFigures) {
    StartRun("5", false);
    engine.SubmitAnswer("3");
    engine.Stop();
    ASSERT_EQ(engine.logLines().size(), 1u);
    const engine::LogLine& line = engine.logLines()[0];
    EXPECT_TRUE(line.notLogged);
    EXPECT_TRUE(SameText(line.wording(), wording::kNotLogged));
    EXPECT_EQ(line.english(), "Result not logged.");
}

} // namespace
