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

// Keeps the figures as they were handed over.
class FigureRecorder final : public engine::TestEngineListener {
public:
    void DurationRefused(engine::DurationRefusal r) override { refusals.push_back(r); }
    void LogLineAdded(const engine::LogLine& line) override { lines.push_back(line); }
    void ResultsReady(const engine::ResultSummary& summary) override { results.push_back(summary); }

    std::vector<engine::DurationRefusal> refusals;
    std::vector<engine::LogLine> lines;
    std::vector<engine::ResultSummary> results;
};

class FiguresFixture : public EngineFixture {
protected:
    FiguresFixture() { engine.SetListener(&figures); }
    FigureRecorder figures;
};

// ---- Refusals ----

struct RefusalCase {
    const char* duration;
    engine::DurationRefusal refusal;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << '"' << c.duration << '"'; }

class RefusalTest : public FiguresFixture, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, SaysWhyAndIsWordedAsTheOneMessage) {
    engine.Start(GetParam().duration, true);
    ASSERT_EQ(figures.refusals.size(), 1u);
    EXPECT_EQ(figures.refusals[0], GetParam().refusal);
    EXPECT_EQ(engine::Worded(engine::WordingOf(figures.refusals[0])), engine::TestEngine::kRefusedMessage);
}

INSTANTIATE_TEST_SUITE_P(Durations, RefusalTest,
                         testing::Values(RefusalCase{"", engine::DurationRefusal::NotANumber},
                                         RefusalCase{"a", engine::DurationRefusal::NotANumber},
                                         RefusalCase{"-", engine::DurationRefusal::NotANumber},
                                         RefusalCase{"0.", engine::DurationRefusal::BelowOne},
                                         RefusalCase{"0.5", engine::DurationRefusal::BelowOne},
                                         RefusalCase{"-3", engine::DurationRefusal::BelowOne}));

// ---- Result lines ----

struct Line {
    const engine::Wording* wording;
    const char* figure;
};

struct ResultCase {
    const char* name;
    bool logging;
    int right;
    int wrong;
    int ticks;
    // Else the run times out.
    bool stop;
    // In the panel's order: duration, answered, true, false, per second, per minute.
    std::array<Line, 6> lines;
};

void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class ResultFiguresTest : public FiguresFixture, public testing::WithParamInterface<ResultCase> {};

TEST_P(ResultFiguresTest, EachLineHasItsTextAndItsFigureAlone) {
    const ResultCase& c = GetParam();
    StartRun("1", c.logging);
    for (int i = 0; i < c.right; ++i) Answer(true);
    for (int i = 0; i < c.wrong; ++i) Answer(false);
    Ticks(c.ticks);
    if (c.stop) engine.Stop();

    ASSERT_EQ(figures.results.size(), 1u);
    const engine::ResultSummary& r = figures.results[0];
    const std::optional<engine::ResultLine>* lines[] = {&r.durationLine, &r.answeredLine,  &r.trueLine,
                                                        &r.falseLine,    &r.perSecondLine, &r.perMinuteLine};
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        ASSERT_TRUE(lines[i]->has_value()) << i;
        const engine::ResultLine& line = **lines[i];
        EXPECT_TRUE(SameText(line.wording, *c.lines[i].wording))
            << "line " << i << ": \"" << line.wording.english << "\"";
        EXPECT_EQ(line.figure, c.lines[i].figure) << "line " << i;
    }
}

constexpr int kMinute = 60;

INSTANTIATE_TEST_SUITE_P(
    Runs, ResultFiguresTest,
    testing::Values(ResultCase{"LoggedStop",
                               true,
                               10,
                               2,
                               30,
                               true,
                               {{{&wording::kDurationLine, "0:30"},
                                 {&wording::kAnsweredLine, "12"},
                                 {&wording::kTrueLine, "10"},
                                 {&wording::kFalseLine, "2"},
                                 {&wording::kPerSecondLine, "0.33"},
                                 {&wording::kPerMinuteLine, "20.00"}}}},
                    ResultCase{"LoggedTimeOut",
                               true,
                               1,
                               0,
                               kMinute,
                               false,
                               {{{&wording::kDurationLine, "1:00"},
                                 {&wording::kAnsweredLine, "1"},
                                 {&wording::kTrueLine, "1"},
                                 {&wording::kFalseLine, "0"},
                                 {&wording::kPerSecondLine, "0.02"},
                                 {&wording::kPerMinuteLine, "1.00"}}}},
                    ResultCase{"StopBeforeATick",
                               true,
                               2,
                               0,
                               0,
                               true,
                               {{{&wording::kDurationLine, "0:00"},
                                 {&wording::kAnsweredLine, "2"},
                                 {&wording::kTrueLine, "2"},
                                 {&wording::kFalseLine, "0"},
                                 {&wording::kPerSecondLine, "0.00"},
                                 {&wording::kPerMinuteLine, "0.00"}}}},
                    // The duration's dash is in minutes after Stop, a bare clock's after the time-out.
                    ResultCase{"UnloggedStop",
                               false,
                               1,
                               1,
                               5,
                               true,
                               {{{&wording::kDurationInMinutesLine, "-"},
                                 {&wording::kAnsweredLine, "-"},
                                 {&wording::kTrueLine, "-"},
                                 {&wording::kFalseLine, "-"},
                                 {&wording::kPerSecondLine, "-"},
                                 {&wording::kPerMinuteLine, "-"}}}},
                    ResultCase{"UnloggedTimeOut",
                               false,
                               1,
                               0,
                               kMinute,
                               false,
                               {{{&wording::kDurationLine, "-"},
                                 {&wording::kAnsweredLine, "-"},
                                 {&wording::kTrueLine, "-"},
                                 {&wording::kFalseLine, "-"},
                                 {&wording::kPerSecondLine, "-"},
                                 {&wording::kPerMinuteLine, "-"}}}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

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

class LogFiguresTest : public FiguresFixture, public testing::WithParamInterface<LogCase> {};

TEST_P(LogFiguresTest, TheLineHoldsThePairTheAnswerAndTheJudgement) {
    const LogCase& c = GetParam();
    random.QueuePair(c.operand1, c.operand2);
    StartRun("99");
    engine.SubmitAnswer(c.typed);

    ASSERT_EQ(figures.lines.size(), 1u);
    ASSERT_EQ(engine.logLines().size(), 1u);
    // As handed to the window and as the engine keeps it.
    const engine::LogLine* const both[] = {&figures.lines[0], &engine.logLines()[0]};
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

TEST_F(FiguresFixture, AnUnloggedRunLeavesOnlyTheNoteWithoutFigures) {
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
