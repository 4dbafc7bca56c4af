// SPDX-License-Identifier: GPL-3.0-or-later
// The record of a run's answers, kept by the engine, and the work curve worked out from it.
#include "engine/WorkCurve.h"

#include "EngineFixture.h"
#include "engine/AnswersCsv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// ---- The record the engine keeps ----

using RecordingTest = EngineFixture;

TEST_F(RecordingTest, KeepsOperandsAnswerJudgementMinuteAndAnswerTime) {
    random.QueuePair(7, 5);
    random.QueuePair(6, 9);
    StartRun("5");
    clock.Advance(850);
    engine.SubmitAnswer("2");
    Ticks(61);
    clock.Advance(12'345);
    engine.SubmitAnswer("4");

    const auto answer = [](int op1, int op2, const char* typed, bool correct, int minute, int ms) {
        return engine::MakeRecordedAnswer(op1, op2, typed, correct, static_cast<std::uint64_t>(minute),
                                          static_cast<std::uint64_t>(ms));
    };
    EXPECT_THAT(engine.recording(), ElementsAre(answer(7, 5, "2", true, 0, 850), answer(6, 9, "4", false, 1, 12345)));
    EXPECT_EQ(engine.recording()[1].answer, 4u);
    EXPECT_EQ(engine.recording()[1].minute, 1u);
}

TEST_F(RecordingTest, NothingIsRecordedWithLoggingOffOrForAnEmptyAnswer) {
    StartRun("5");
    engine.SubmitAnswer("");
    EXPECT_THAT(engine.recording(), IsEmpty());
    Answer(true);
    engine.Stop();
    StartRun("5", false);
    EXPECT_THAT(engine.recording(), IsEmpty()) << "a new run clears the record";
    Answer(true);
    engine.Stop();
    EXPECT_THAT(engine.recording(), IsEmpty());
}

TEST_F(RecordingTest, ResetAndDismissingTheResultsKeepTheRecord) {
    StartRun("5");
    Answer(true);
    Answer(false);
    engine.Reset();
    engine.DismissResults();
    EXPECT_EQ(engine.recording().size(), 2u);
    StartRun("5");
    EXPECT_THAT(engine.recording(), IsEmpty());
}

TEST(RecordedAnswerTest, FieldsSaturateInsteadOfWrappingAround) {
    const engine::RecordedAnswer huge = engine::MakeRecordedAnswer(9, 9, "x", false, 1ull << 40, 1ull << 40);
    EXPECT_EQ(huge.minute, engine::RecordedAnswer::kMaxMinute);
    EXPECT_EQ(huge.milliseconds, 0xFFFF'FFFFu);
    EXPECT_EQ(huge.answer, engine::RecordedAnswer::kNoDigit);
    const engine::RecordedAnswer justFits = engine::MakeRecordedAnswer(0, 9, "9", true, 524'287, 0xFFFF'FFFEu);
    EXPECT_EQ(justFits.minute, 524'287u);
    EXPECT_EQ(justFits.milliseconds, 0xFFFF'FFFEu);
    EXPECT_EQ(justFits.answer, 9u);
    EXPECT_EQ(justFits.operand2, 9u);
}

// ---- Whole runs, worked out by hand ----

// The statistics' own edge cases are StatisticsTest's; these runs check that each figure
// takes the right minutes, pairs and answers.

// One step of a scripted run: an answer to the pair (op1, op2) given `ms` after the pair
// appeared, or a number of ticks.
struct Step {
    int operand1 = 0;
    int operand2 = 0;
    bool correct = true;
    std::uint64_t ms = 0;
    int ticks = 0;
};
Step A(int operand1, int operand2, bool correct, std::uint64_t ms) { return {operand1, operand2, correct, ms, 0}; }
Step T(int ticks) { return {0, 0, true, 0, ticks}; }

struct MinuteRow {
    std::uint32_t answered, correct, wrong;
    std::optional<std::uint32_t> median, percentile90;
    bool partial;
};

struct PairRow {
    int operand1, operand2;
    std::uint32_t answered, errors;
    std::optional<std::uint32_t> median;
};

struct RunCase {
    const char* name;
    const char* duration;
    std::vector<Step> steps;
    bool stopAtEnd;
    std::vector<MinuteRow> minutes;
    std::size_t completeMinutes;
    std::optional<double> speed, accuracy;
    std::optional<std::uint32_t> fluctuation;
    std::optional<double> trend;
    engine::AnswerTimes times;
    std::vector<PairRow> pairs; // every other pair has no answers
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class WorkCurveRunTest : public EngineFixture, public testing::WithParamInterface<RunCase> {
protected:
    // Plays the steps; each answer's pair is queued before the answer that draws it.
    void Play(const std::vector<Step>& steps) {
        std::vector<const Step*> answers;
        for (const Step& step : steps)
            if (step.ticks == 0) answers.push_back(&step);
        std::size_t next = 0;
        if (!answers.empty()) random.QueuePair(answers[0]->operand1, answers[0]->operand2);
        StartRun(GetParam().duration);
        for (const Step& step : steps) {
            if (step.ticks > 0) {
                Ticks(step.ticks);
                continue;
            }
            ++next;
            if (next < answers.size()) random.QueuePair(answers[next]->operand1, answers[next]->operand2);
            ASSERT_EQ(engine.operand1Text(), " " + std::to_string(step.operand1));
            ASSERT_EQ(engine.operand2Text(), " " + std::to_string(step.operand2));
            clock.Advance(step.ms);
            Answer(step.correct);
        }
        if (GetParam().stopAtEnd) engine.Stop();
        ASSERT_FALSE(engine.running());
    }
};

TEST_P(WorkCurveRunTest, GivesTheFiguresWorkedOutByHand) {
    const RunCase& c = GetParam();
    Play(c.steps);
    const engine::WorkCurve curve =
        engine::AnalyseWorkCurve(engine.recording(), {engine.minutes(), engine.secondOfMinute()});

    ASSERT_EQ(curve.minutes.size(), c.minutes.size());
    for (std::size_t i = 0; i < c.minutes.size(); ++i) {
        SCOPED_TRACE("minute " + std::to_string(i + 1));
        const engine::MinuteFigures& got = curve.minutes[i];
        EXPECT_EQ(got.answered, c.minutes[i].answered);
        EXPECT_EQ(got.correct, c.minutes[i].correct);
        EXPECT_EQ(got.wrong, c.minutes[i].wrong);
        EXPECT_EQ(got.times.median, c.minutes[i].median);
        EXPECT_EQ(got.times.percentile90, c.minutes[i].percentile90);
        EXPECT_EQ(got.partial, c.minutes[i].partial);
    }
    EXPECT_EQ(curve.completeMinutes, c.completeMinutes);
    const auto near = [](std::optional<double> got, std::optional<double> want, const char* what) {
        ASSERT_EQ(got.has_value(), want.has_value()) << what;
        if (want) {
            EXPECT_NEAR(*got, *want, 1e-9) << what;
        }
    };
    near(curve.speed, c.speed, "speed");
    near(curve.accuracy, c.accuracy, "accuracy");
    EXPECT_EQ(curve.fluctuation, c.fluctuation);
    near(curve.trend, c.trend, "trend");
    EXPECT_EQ(curve.times.median, c.times.median);
    EXPECT_EQ(curve.times.percentile90, c.times.percentile90);

    for (int op1 = 0; op1 < 10; ++op1)
        for (int op2 = 0; op2 < 10; ++op2) {
            PairRow want{op1, op2, 0, 0, std::nullopt};
            for (const PairRow& row : c.pairs)
                if (row.operand1 == op1 && row.operand2 == op2) want = row;
            const engine::PairFigures& got = curve.pair(op1, op2);
            EXPECT_EQ(got.answered, want.answered) << op1 << " + " << op2;
            EXPECT_EQ(got.errors, want.errors) << op1 << " + " << op2;
            EXPECT_EQ(got.medianMilliseconds, want.median) << op1 << " + " << op2;
        }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, WorkCurveRunTest, testing::Values(
    // Three full minutes answered 4, 2 and 6 times: trend (0*-1 + 2*1) / 2 = +1 a minute.
    RunCase{"ThreeMinutes", "3",
            {A(7, 5, true, 1000), A(7, 5, false, 2000), A(6, 9, true, 3000), A(0, 0, true, 4000), T(60),
             A(7, 5, true, 500), A(6, 9, false, 1500), T(60),
             A(0, 0, true, 100), A(0, 0, true, 200), A(0, 0, true, 300), A(0, 0, true, 400), A(0, 0, true, 500),
             A(0, 0, true, 600), T(60)},
            false,
            {{4, 3, 1, 2000, 4000, false}, {2, 1, 1, 500, 1500, false}, {6, 6, 0, 300, 600, false}},
            3, 4.0, 100.0 * 10 / 12, 4u, 1.0, {500, 3000},
            {{7, 5, 3, 1, 1000}, {6, 9, 2, 1, 1500}, {0, 0, 7, 0, 400}}},
    // Stopped at 1:30: the second minute is shown but counts for nothing but accuracy and times.
    RunCase{"StoppedAtOneThirty", "5",
            {A(2, 2, true, 700), A(3, 4, false, 900), A(2, 2, true, 1100), T(60), T(29),
             A(9, 9, true, 5000), T(1)},
            true,
            {{3, 2, 1, 900, 1100, false}, {1, 1, 0, 5000, 5000, true}},
            1, 3.0, 75.0, std::nullopt, std::nullopt, {900, 5000},
            {{2, 2, 2, 0, 700}, {3, 4, 1, 1, 900}, {9, 9, 1, 0, 5000}}},
    // One minute: no fluctuation and no trend, never 0.
    RunCase{"OneMinute", "1",
            {A(1, 1, false, 300), A(1, 1, false, 300), T(60)},
            false,
            {{2, 0, 2, 300, 300, false}},
            1, 2.0, 0.0, std::nullopt, std::nullopt, {300, 300},
            {{1, 1, 2, 2, 300}}},
    // Stopped exactly at 2:00 with an answer given after the last tick: that answer's
    // minute is partial, though no second of it passed.
    RunCase{"StoppedOnTheMinute", "5",
            {A(4, 4, true, 100), T(60), A(4, 4, true, 300), A(4, 4, true, 200), T(60), A(5, 5, false, 800)},
            true,
            {{1, 1, 0, 100, 100, false}, {2, 2, 0, 200, 300, false}, {1, 0, 1, 800, 800, true}},
            2, 1.5, 75.0, 1u, 1.0, {200, 800},
            {{4, 4, 3, 0, 200}, {5, 5, 1, 1, 800}}},
    // Stopped before the first tick without an answer: nothing to measure.
    RunCase{"NothingAnswered", "5", {}, true, {}, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
            {std::nullopt, std::nullopt}, {}}));
// clang-format on

// Answers recorded past the run's clock (stopped at 1:20 with answers in the third and
// fifth minutes): every minute after the one complete minute is partial, the empty one
// between them too, and the indices take the complete minute alone.
TEST(WorkCurveTest, EveryMinutePastTheCompleteOnesIsPartial) {
    const std::vector<engine::RecordedAnswer> answers = {
        engine::MakeRecordedAnswer(1, 1, "2", true, 0, 400), engine::MakeRecordedAnswer(1, 2, "3", true, 0, 500),
        engine::MakeRecordedAnswer(2, 2, "4", true, 2, 600), engine::MakeRecordedAnswer(2, 3, "6", false, 4, 700)};
    const engine::WorkCurve curve = engine::AnalyseWorkCurve(answers, {1, 20});
    ASSERT_EQ(curve.minutes.size(), 5u);
    EXPECT_EQ(curve.completeMinutes, 1u);
    const bool partial[] = {false, true, true, true, true};
    for (std::size_t minute = 0; minute < curve.minutes.size(); ++minute)
        EXPECT_EQ(curve.minutes[minute].partial, partial[minute]) << "minute " << minute + 1;
    EXPECT_EQ(curve.speed, 2.0);
}

// The trend line passes through the speed at the mean minute and climbs by the trend each
// minute: for three minutes of 4, 2 and 6 answers, 3 at the first and 5 at the last.
TEST(WorkCurveTest, TrendLinePassesThroughTheSpeedAtTheMeanMinute) {
    std::vector<engine::RecordedAnswer> answers;
    for (const auto& [minute, count] : {std::pair{0u, 4}, std::pair{1u, 2}, std::pair{2u, 6}})
        for (int i = 0; i < count; ++i) answers.push_back(engine::MakeRecordedAnswer(1, 1, "2", true, minute, 300));
    const engine::WorkCurve curve = engine::AnalyseWorkCurve(answers, {3, 0});
    const struct {
        double minute;
        double value;
    } points[] = {{1.0, 3.0}, {2.0, 4.0}, {3.0, 5.0}, {4.5, 6.5}};
    for (const auto& point : points) {
        ASSERT_TRUE(curve.trendAt(point.minute).has_value());
        EXPECT_NEAR(*curve.trendAt(point.minute), point.value, 1e-9) << "minute " << point.minute;
    }
    EXPECT_EQ(engine::AnalyseWorkCurve(answers, {1, 0}).trendAt(1.0), std::nullopt) << "no trend, no line";
}

// ---- The answers as CSV ----

TEST(AnswersCsvTest, WritesTheHeaderAndOneCrLfRecordPerAnswer) {
    const std::vector<engine::RecordedAnswer> answers = {
        engine::MakeRecordedAnswer(7, 5, "2", true, 0, 850),
        engine::MakeRecordedAnswer(6, 9, "1", false, 12, 4'294'967'295ull),
        engine::MakeRecordedAnswer(0, 0, "a", false, 524'287, 0),
    };
    EXPECT_EQ(engine::FormatAnswersCsv(answers), "index,minute,operand1,operand2,answer,correct,answer_ms\r\n"
                                                 "1,0,7,5,2,TRUE,850\r\n"
                                                 "2,12,6,9,1,FALSE,4294967295\r\n"
                                                 "3,524287,0,0,,FALSE,0\r\n");
    EXPECT_EQ(engine::FormatAnswersCsv({}), "index,minute,operand1,operand2,answer,correct,answer_ms\r\n");
}

} // namespace
