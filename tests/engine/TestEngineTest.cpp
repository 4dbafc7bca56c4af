// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFixture.h"
#include "host/core/NumberText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

const std::string kRefused = std::string("DurationRefused:") + engine::TestEngine::kRefusedMessage;

// ---- Start and the duration ----

TEST(TestEngineStateTest, StartsIdleWithZeroOperandsAndClock) {
    ScriptedRandom random;
    const engine::TestEngine engine(random);
    EXPECT_FALSE(engine.running());
    EXPECT_TRUE(engine.logging());
    EXPECT_EQ(engine.operand1Text(), "0");
    EXPECT_EQ(engine.operand2Text(), "0");
    EXPECT_EQ(engine.clockText(), "0:00");
    EXPECT_THAT(engine.answerLog(), IsEmpty());
    EXPECT_EQ(random.calls(), "");
}

struct RefusedCase {
    const char* duration;
    engine::DurationRefusal refusal;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << '"' << c.duration << '"'; }

class RefusedDurationTest : public EngineFixture, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedDurationTest, OnlyTheMessageIsGiven) {
    // A finished run leaves a log and counters that a refusal must not touch.
    StartRun("1");
    Answer(true);
    engine.Stop();
    const auto logBefore = engine.answerLog();
    recorder.Clear();

    engine.Start(GetParam().duration, false);

    EXPECT_THAT(recorder.events, ElementsAre(kRefused));
    EXPECT_THAT(recorder.refusals, ElementsAre(GetParam().refusal)) << "why, for a window to word it";
    EXPECT_FALSE(engine.running());
    EXPECT_TRUE(engine.logging());
    EXPECT_EQ(engine.durationText(), "1");
    EXPECT_EQ(engine.answerLog(), logBefore);
    EXPECT_EQ(engine.trueCount(), 1u);
}

constexpr engine::DurationRefusal kNotANumber = engine::DurationRefusal::NotANumber;
constexpr engine::DurationRefusal kBelowOne = engine::DurationRefusal::BelowOne;

INSTANTIATE_TEST_SUITE_P(
    NotANumberOrBelowOne, RefusedDurationTest,
    testing::Values(RefusedCase{"", kNotANumber}, RefusedCase{" ", kNotANumber}, RefusedCase{"a", kNotANumber},
                    RefusedCase{"1a", kNotANumber}, RefusedCase{"-", kNotANumber}, RefusedCase{"+", kNotANumber},
                    RefusedCase{".", kNotANumber}, RefusedCase{"1,5", kNotANumber}, RefusedCase{"inf", kNotANumber},
                    RefusedCase{"0", kBelowOne}, RefusedCase{"0.", kBelowOne}, RefusedCase{"00", kBelowOne},
                    RefusedCase{"0.5", kBelowOne}, RefusedCase{"-1", kBelowOne}, RefusedCase{"-5", kBelowOne}));

class AcceptedDurationTest : public EngineFixture, public testing::WithParamInterface<const char*> {};

TEST_P(AcceptedDurationTest, BeginsARun) {
    random.QueuePair(3, 8);
    engine.Start(GetParam(), true);
    EXPECT_THAT(recorder.events, ElementsAre("LogCleared", "RunStarted", "Pair: 3| 8"));
    EXPECT_TRUE(engine.running());
    EXPECT_EQ(engine.durationText(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(NumbersOfAtLeastOne, AcceptedDurationTest,
                         testing::Values("1", "2", "15", "99", "05", " 5", "5 ", "1.", "+1", "1.5", "1e1"));

class LocaleDurationTest : public EngineFixture {
protected:
    void TearDown() override { host::SetDecimalSeparator("."); }
};

TEST_F(LocaleDurationTest, UsesTheLocaleDecimalSeparator) {
    ASSERT_TRUE(host::SetDecimalSeparator(","));
    engine.Start("1.", true);
    EXPECT_THAT(recorder.events, ElementsAre(kRefused));
    recorder.Clear();
    engine.Start("1,", true);
    EXPECT_TRUE(engine.running());
}

TEST_F(EngineFixture, StartEmptiesTheLogAndZeroesTheCountersOfTheLastRun) {
    StartRun("99");
    Answer(true);
    Answer(false);
    Ticks(75);
    engine.Stop();
    ASSERT_EQ(engine.answerLog().size(), 2u);

    StartRun("99", true);
    EXPECT_THAT(engine.answerLog(), IsEmpty());
    EXPECT_EQ(engine.trueCount(), 0u);
    EXPECT_EQ(engine.falseCount(), 0u);
    EXPECT_EQ(engine.elapsedSeconds(), 0u);
    EXPECT_EQ(engine.minutes(), 0u);
    EXPECT_EQ(engine.secondOfMinute(), 0);
    EXPECT_EQ(engine.clockText(), "0:00");
}

TEST_F(EngineFixture, StartEmptiesTheLogAlsoWithLoggingOff) {
    StartRun("99");
    Answer(true);
    engine.Reset();
    recorder.Clear();
    engine.Start("99", false);
    EXPECT_EQ(recorder.events.front(), "LogCleared");
    EXPECT_THAT(engine.answerLog(), IsEmpty());
    EXPECT_FALSE(engine.logging());
}

TEST_F(EngineFixture, StartKeepsTheResultPanel) {
    StartRun("99");
    engine.Stop();
    recorder.Clear();
    engine.Start("99", true);
    for (const std::string& event : recorder.events) {
        EXPECT_NE(event, "PanelHidden");
        EXPECT_NE(event, "AnswerCleared");
    }
}

TEST_F(EngineFixture, StartDuringARunIsIgnored) {
    StartRun("99");
    Answer(true);
    Ticks(2);
    engine.Start("5", false);
    engine.Start("x", false);
    EXPECT_THAT(recorder.events,
                ElementsAre("Log: 0 +  0 = 0 | TRUE", "AnswerCleared", "Pair: 0| 0", "Clock:0:01", "Clock:0:02"));
    EXPECT_EQ(engine.clockText(), "0:02");
    EXPECT_EQ(engine.durationText(), "99");
    EXPECT_TRUE(engine.logging());
    EXPECT_EQ(engine.trueCount(), 1u);
}

// ---- Judging answers ----

struct JudgeCase {
    int operand1;
    int operand2;
    const char* answer;
    const char* line;
    bool correct;
};

void PrintTo(const JudgeCase& c, std::ostream* os) {
    *os << c.operand1 << " + " << c.operand2 << " answered \"" << c.answer << '"';
}

class JudgeTest : public EngineFixture, public testing::WithParamInterface<JudgeCase> {};

TEST_P(JudgeTest, WritesTheLineAndCounts) {
    const JudgeCase& c = GetParam();
    random.QueuePair(c.operand1, c.operand2);
    StartRun("99");
    random.QueuePair(4, 1);

    engine.SubmitAnswer(c.answer);

    EXPECT_THAT(recorder.events, ElementsAre(std::string("Log:") + c.line, "AnswerCleared", "Pair: 4| 1"));
    EXPECT_THAT(engine.answerLog(), ElementsAre(c.line));
    EXPECT_EQ(engine.trueCount(), c.correct ? 1u : 0u);
    EXPECT_EQ(engine.falseCount(), c.correct ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(UnitDigitOfTheSum, JudgeTest,
                         testing::Values(JudgeCase{7, 5, "2", " 7 +  5 = 2 | TRUE", true},
                                         JudgeCase{6, 9, "1", " 6 +  9 = 1 | FALSE", false},
                                         JudgeCase{5, 4, "9", " 5 +  4 = 9 | TRUE", true},
                                         JudgeCase{6, 9, "5", " 6 +  9 = 5 | TRUE", true},
                                         JudgeCase{0, 0, "0", " 0 +  0 = 0 | TRUE", true},
                                         JudgeCase{9, 9, "8", " 9 +  9 = 8 | TRUE", true},
                                         JudgeCase{5, 5, "1", " 5 +  5 = 1 | FALSE", false},
                                         // The last character is the one judged.
                                         JudgeCase{7, 5, "12", " 7 +  5 = 2 | TRUE", true},
                                         JudgeCase{7, 5, "x", " 7 +  5 = x | FALSE", false},
                                         JudgeCase{1, 1, "\xC3\xA9", " 1 +  1 = \xC3\xA9 | FALSE", false}));

TEST_F(EngineFixture, CountsGrowWithEveryJudgedAnswer) {
    StartRun("99");
    for (int i = 0; i < 7; ++i) {
        Answer(true);
    }
    for (int i = 0; i < 3; ++i) {
        Answer(false);
    }
    EXPECT_EQ(engine.trueCount(), 7u);
    EXPECT_EQ(engine.falseCount(), 3u);
    EXPECT_EQ(engine.answerLog().size(), 10u);
    EXPECT_EQ(engine.answerLog().back(), " 0 +  0 = 1 | FALSE");
}

TEST_F(EngineFixture, EmptyAnswerKeepsThePair) {
    random.QueuePair(2, 3);
    StartRun("99");
    random.QueuePair(8, 8);
    engine.SubmitAnswer("");
    EXPECT_THAT(recorder.events, IsEmpty());
    EXPECT_EQ(engine.operand1Text(), " 2");
    EXPECT_EQ(engine.operand2Text(), " 3");
    EXPECT_EQ(engine.falseCount(), 0u);
}

TEST_F(EngineFixture, LoggingOffOnlyMovesToTheNextPair) {
    random.QueuePair(7, 5);
    StartRun("99", false);
    random.QueuePair(1, 2);
    engine.SubmitAnswer("9");
    EXPECT_THAT(recorder.events, ElementsAre("AnswerCleared", "Pair: 1| 2"));
    EXPECT_THAT(engine.answerLog(), IsEmpty());
    EXPECT_EQ(engine.trueCount(), 0u);
    EXPECT_EQ(engine.falseCount(), 0u);
}

TEST_F(EngineFixture, AnswerOutsideARunIsIgnored) {
    engine.SubmitAnswer("5");
    StartRun("99");
    engine.Reset();
    recorder.Clear();
    engine.SubmitAnswer("0");
    EXPECT_THAT(recorder.events, IsEmpty());
    EXPECT_THAT(engine.answerLog(), IsEmpty());
    EXPECT_EQ(engine.operand1Text(), "0");
}

// ---- Reset and the result panel ----

TEST_F(EngineFixture, ResetStopsSilentlyAndKeepsTheLog) {
    random.QueuePair(7, 5);
    StartRun("99");
    engine.SubmitAnswer("2");
    Answer(false);
    Ticks(30);
    recorder.Clear();

    engine.Reset();

    EXPECT_THAT(recorder.events, ElementsAre("RunStopped", "Pair:0|0", "Clock:0:00"));
    EXPECT_FALSE(engine.running());
    EXPECT_THAT(engine.answerLog(), ElementsAre(" 7 +  5 = 2 | TRUE", " 0 +  0 = 1 | FALSE"));
    EXPECT_EQ(engine.trueCount(), 1u);
    EXPECT_EQ(engine.falseCount(), 1u);

    // No more ticks count after a reset, and the next start empties the log.
    engine.Tick();
    EXPECT_EQ(engine.clockText(), "0:00");
    StartRun("99");
    EXPECT_THAT(engine.answerLog(), IsEmpty());
}

TEST(TestEngineListenerTest, RunsWithoutAListener) {
    ScriptedRandom random;
    engine::TestEngine engine(random);
    engine.Start("x", true);
    engine.Start("1", false);
    engine.SubmitAnswer("3");
    for (int i = 0; i < 60; ++i) {
        engine.Tick();
    }
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(engine.answerLog().front(), "Result not logged.");
}

// ---- Input filters ----

TEST(FilterAnswerTextTest, KeepsOnlyOneDigit) {
    for (const char* digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
        EXPECT_EQ(engine::TestEngine::FilterAnswerText(digit), digit);
    }
    for (const char* other : {"", " ", "a", "-", "+", ".", "12", " 1", "1 ", "\xD9\xA3"}) {
        EXPECT_EQ(engine::TestEngine::FilterAnswerText(other), "") << '"' << other << '"';
    }
}

TEST(FilterDurationTextTest, EmptiesOnlyALoneZero) {
    EXPECT_EQ(engine::TestEngine::FilterDurationText("0"), "");
    for (const char* kept : {"", "1", "10", "05", "00", "a", " 0", "0 ", "99"}) {
        EXPECT_EQ(engine::TestEngine::FilterDurationText(kept), kept) << '"' << kept << '"';
    }
}

} // namespace
