// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// ---- The clock ----

struct ClockCase {
    int ticks;
    const char* clock;
    int secondOfMinute;
    unsigned minutes;
};

void PrintTo(const ClockCase& c, std::ostream* os) { *os << c.ticks << " ticks"; }

class ClockTest : public EngineFixture, public testing::WithParamInterface<ClockCase> {};

TEST_P(ClockTest, ShowsMinutesAndTwoDigitSeconds) {
    StartRun("99");
    Ticks(GetParam().ticks);
    EXPECT_EQ(engine.clockText(), GetParam().clock);
    EXPECT_EQ(engine.secondOfMinute(), GetParam().secondOfMinute);
    EXPECT_EQ(engine.minutes(), GetParam().minutes);
    EXPECT_EQ(engine.elapsedSeconds(), static_cast<unsigned>(GetParam().ticks));
    EXPECT_TRUE(engine.running());
}

INSTANTIATE_TEST_SUITE_P(Ticks, ClockTest,
                         testing::Values(ClockCase{0, "0:00", 0, 0}, ClockCase{1, "0:01", 1, 0},
                                         ClockCase{9, "0:09", 9, 0}, ClockCase{10, "0:10", 10, 0},
                                         ClockCase{59, "0:59", 59, 0}, ClockCase{60, "1:00", 0, 1},
                                         ClockCase{61, "1:01", 1, 1}, ClockCase{605, "10:05", 5, 10},
                                         ClockCase{5939, "98:59", 59, 98}));

TEST_F(EngineFixture, EveryTickAnnouncesTheClock) {
    StartRun("99");
    Ticks(3);
    EXPECT_THAT(recorder.events, ElementsAre("Clock:0:01", "Clock:0:02", "Clock:0:03"));
}

// ---- The end of a run by time-out ----

struct TimeOutCase {
    const char* duration;
    int lastTick;
    const char* durationLine;
};

void PrintTo(const TimeOutCase& c, std::ostream* os) { *os << '"' << c.duration << '"'; }

class TimeOutTest : public EngineFixture, public testing::WithParamInterface<TimeOutCase> {};

TEST_P(TimeOutTest, EndsWhenTheMinutesReachTheDuration) {
    StartRun(GetParam().duration);
    Ticks(GetParam().lastTick - 1);
    ASSERT_TRUE(engine.running()) << "ended before tick " << GetParam().lastTick;
    recorder.Clear();

    engine.Tick();

    EXPECT_FALSE(engine.running());
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0].durationLine, GetParam().durationLine);
    EXPECT_EQ(engine.clockText(), "0:00");
    EXPECT_EQ(engine.operand1Text(), "0");
    EXPECT_EQ(engine.operand2Text(), "0");
}

INSTANTIATE_TEST_SUITE_P(PlainDurations, TimeOutTest,
                         testing::Values(TimeOutCase{"1", 60, "Duration: 1:00"},
                                         TimeOutCase{"2", 120, "Duration: 2:00"},
                                         TimeOutCase{"15", 900, "Duration: 15:00"},
                                         TimeOutCase{"99", 5940, "Duration: 99:00"}));

// Accepted texts that are not the minute count's own text still end the run.
INSTANTIATE_TEST_SUITE_P(
    OtherWrittenDurations, TimeOutTest,
    testing::Values(TimeOutCase{"05", 300, "Duration: 5:00"}, TimeOutCase{" 5", 300, "Duration: 5:00"},
                    TimeOutCase{"5 ", 300, "Duration: 5:00"}, TimeOutCase{"1.", 60, "Duration: 1:00"},
                    TimeOutCase{"+3", 180, "Duration: 3:00"},
                    // A fraction of a minute is run to the full minute.
                    TimeOutCase{"1.5", 120, "Duration: 2:00"}, TimeOutCase{"1e1", 600, "Duration: 10:00"}));

TEST_F(EngineFixture, TimeOutNotifiesInOrder) {
    random.QueuePair(7, 5);
    StartRun("1");
    engine.SubmitAnswer("2");
    Ticks(59);
    recorder.Clear();

    engine.Tick();

    EXPECT_THAT(recorder.events,
                ElementsAre("Clock:1:00", "RunStopped", "Results", "Pair:0|0", "AnswerCleared", "Clock:0:00"));
}

TEST_F(EngineFixture, TicksAfterTheEndAreIgnored) {
    StartRun("1");
    Ticks(60);
    recorder.Clear();
    Ticks(5);
    EXPECT_THAT(recorder.events, IsEmpty());
    EXPECT_EQ(engine.elapsedSeconds(), 60u);
}

// ---- Results ----

// The result lines' texts and figures are ResultFiguresTest's; these are the notifications
// and the log around them.

TEST_F(EngineFixture, StopNotifiesInOrder) {
    StartRun("5");
    Answer(true);
    Ticks(30);
    recorder.Clear();

    engine.Stop();

    EXPECT_THAT(recorder.events, ElementsAre("RunStopped", "Results", "Pair:0|0", "AnswerCleared", "Clock:0:00"));
    EXPECT_FALSE(engine.running());
}

TEST_F(EngineFixture, StopWithLoggingOff) {
    StartRun("5", false);
    engine.SubmitAnswer("3");
    Ticks(42);
    recorder.Clear();

    engine.Stop();

    EXPECT_THAT(recorder.events, ElementsAre("RunStopped", "LogCleared", "Log:Result not logged.", "Results",
                                             "Pair:0|0", "AnswerCleared", "Clock:0:00"));
    EXPECT_THAT(engine.answerLog(), ElementsAre("Result not logged."));
}

TEST_F(EngineFixture, TimeOutWithLoggingOff) {
    StartRun("1", false);
    Ticks(60);
    EXPECT_THAT(engine.answerLog(), ElementsAre("Result not logged."));
}

// ---- Stop after the run has ended ----

TEST_F(EngineFixture, StopAfterTimeOutDoesNothing) {
    StartRun("1");
    Answer(true);
    Ticks(60);
    const auto log = engine.answerLog();
    recorder.Clear();

    // The user confirms the Stop question that was open while the last tick came.
    engine.Stop();

    EXPECT_THAT(recorder.events, IsEmpty());
    EXPECT_EQ(engine.answerLog(), log);
}

TEST_F(EngineFixture, StopWithoutARunDoesNothing) {
    engine.Stop();
    StartRun("5");
    engine.Reset();
    recorder.Clear();
    engine.Stop();
    EXPECT_THAT(recorder.events, IsEmpty());
}

} // namespace
