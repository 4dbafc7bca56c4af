// SPDX-License-Identifier: GPL-3.0-or-later
// A sitting of a sheet under a scripted clock: the cursor, the cue, corrections, passes,
// the break, the strokes and the end.
#include "../support/SheetFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;
using Phase = engine::SheetSitting::Phase;

namespace {

constexpr std::uint64_t kSecond = 1000;
constexpr std::uint64_t kColumn = sheets::kColumnSeconds * kSecond;
constexpr std::uint64_t kLine = sheets::kLineSeconds * kSecond;
constexpr std::uint64_t kStroke = sheets::kStrokeSeconds * kSecond;

// ---- The cursor in each order of work ----

// One key (or a poll) at a time after the start: whether it was taken, and where the
// cursor stands afterwards.
struct Step {
    std::uint64_t atMs;
    // 'r' a right digit, 'w' a wrong one, 's' Space, 'b' Backspace, 'p' only a poll.
    char key;
    bool taken;
    std::uint32_t unit;
    std::uint32_t pair;
};

struct CursorCase {
    const char* label;
    engine::SheetFormat format;
    std::vector<Step> steps;
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.label; }

class CursorTest : public SittingFixture, public testing::WithParamInterface<CursorCase> {};

TEST_P(CursorTest, MovesAsOnPaper) {
    Begin(GetParam().format);
    std::size_t index = 0;
    for (const Step& step : GetParam().steps) {
        clock.Set(kStart + step.atMs);
        bool taken = true;
        switch (step.key) {
        case 'r': taken = Right(); break;
        case 'w': taken = Wrong(); break;
        case 's': taken = sitting->Pass(); break;
        case 'b': taken = sitting->Backspace(); break;
        default: sitting->Poll(); break;
        }
        EXPECT_EQ(taken, step.taken) << "step " << index << " '" << step.key << "'";
        EXPECT_EQ(sitting->cursor().unit, step.unit) << "step " << index;
        EXPECT_EQ(sitting->cursor().pair, step.pair) << "step " << index;
        ++index;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Orders, CursorTest, testing::Values(
    // A column of four pairs is done before its cue: the cursor waits at its top, keys are
    // refused, and the cue takes it to the bottom of the next column.
    CursorCase{"columns bottom-up", sheets::Columns(), {
        {100, 'r', true, 0, 1}, {200, 'w', true, 0, 2}, {300, 's', true, 0, 3}, {400, 'r', true, 0, 4},
        {500, 'r', false, 0, 4}, {600, 's', false, 0, 4},
        {kColumn - 1, 'p', true, 0, 4}, {kColumn, 'p', true, 1, 0},
        {kColumn + 100, 'r', true, 1, 1}, {2 * kColumn + 1, 'r', true, 2, 1}}},
    // Lines of five pairs: a new line every minute, none during the break, the third line
    // when the break is over.
    CursorCase{"lines left to right", sheets::Lines(), {
        {100, 'r', true, 0, 1}, {kLine, 'r', true, 1, 1}, {2 * kLine, 'p', true, 2, 0},
        {2 * kLine + 100, 'r', false, 2, 0}, {3 * kLine - 1, 's', false, 2, 0},
        {3 * kLine, 'r', true, 2, 1}, {4 * kLine, 'r', true, 3, 1}}},
    // Columns of three pairs follow one another without a cue; Backspace at the top of the
    // next column does not reach back into the one before.
    CursorCase{"Pauli columns top-down", sheets::Pauli(300), {
        {100, 'r', true, 0, 1}, {200, 'r', true, 0, 2}, {300, 'w', true, 1, 0}, {400, 'b', false, 1, 0},
        {500, 's', true, 1, 1}, {600, 'b', true, 1, 0}, {kStroke + 1, 'r', true, 1, 1}}}));
// clang-format on

// ---- Cue, Backspace and Space ----

using SittingTest = SittingFixture;

TEST_F(SittingTest, CueInMidColumnLeavesTheRestUnreachedNotSkipped) {
    Begin(sheets::Columns());
    At(1000);
    Right();
    Wrong();
    At(kColumn + 2000);
    Right();
    EXPECT_THAT(recorder.events, ElementsAre("cue 1"));
    const std::vector<engine::SheetAnswer>& record = sitting->record();
    ASSERT_EQ(record.size(), 3u) << "only the two pairs answered in column 1, and the one in column 2";
    EXPECT_EQ(record[0].unit, 0u);
    EXPECT_EQ(record[1].unit, 0u);
    EXPECT_FALSE(record[1].correct);
    EXPECT_EQ(record[2].unit, 1u);
    EXPECT_EQ(record[2].position, 0u);
    for (const engine::SheetAnswer& answer : record) EXPECT_TRUE(answer.answered());
}

TEST_F(SittingTest, AnswerTimeRunsFromThePairBecomingCurrent) {
    Begin(sheets::Columns());
    At(800);
    Right();
    At(2000);
    Right();
    // The next key comes 2.5 s after the cue, which no poll has seen: the cue counts at its
    // own time, not at the key's.
    clock.Set(kStart + kColumn + 2500);
    Right();
    ASSERT_EQ(sitting->record().size(), 3u);
    EXPECT_EQ(sitting->record()[0].milliseconds, 800u);
    EXPECT_EQ(sitting->record()[1].milliseconds, 1200u);
    EXPECT_EQ(sitting->record()[2].milliseconds, 2500u);
}

TEST_F(SittingTest, BackspaceAtAColumnsStartDoesNothingAndCountsNothing) {
    Begin(sheets::Columns());
    EXPECT_FALSE(sitting->Backspace()) << "nothing answered yet";
    At(500);
    Right();
    At(kColumn);
    EXPECT_FALSE(sitting->Backspace()) << "the last answer is in the column before";
    Right();
    ASSERT_EQ(sitting->record().size(), 2u);
    EXPECT_EQ(sitting->record()[0].corrections, 0u);
    EXPECT_EQ(sitting->record()[1].corrections, 0u);
    EXPECT_EQ(sitting->cursor().unit, 1u);
    EXPECT_EQ(sitting->cursor().pair, 1u);
}

TEST_F(SittingTest, BackspaceTakesTheAnswerBackAndTheNewOneCarriesTheCorrection) {
    Begin(sheets::Columns());
    At(1000);
    Wrong();
    At(1500);
    EXPECT_TRUE(sitting->Backspace());
    EXPECT_THAT(sitting->record(), IsEmpty());
    EXPECT_EQ(sitting->cursor().pair, 0u);
    At(1700);
    Wrong();
    At(1800);
    sitting->Backspace();
    At(2100);
    Right();
    ASSERT_EQ(sitting->record().size(), 1u);
    const engine::SheetAnswer& answer = sitting->record()[0];
    EXPECT_TRUE(answer.correct);
    EXPECT_EQ(answer.corrections, 2u);
    EXPECT_EQ(answer.milliseconds, 300u) << "timed from the Backspace";
}

TEST_F(SittingTest, CorrectionLeftStandingAtTheCueIsKeptWithoutReachingThePair) {
    Begin(sheets::Columns());
    At(1000);
    Right();
    Wrong();
    sitting->Backspace();
    At(kColumn);
    ASSERT_EQ(sitting->record().size(), 2u);
    const engine::SheetAnswer& withdrawn = sitting->record()[1];
    EXPECT_EQ(withdrawn.outcome, engine::SheetAnswer::kWithdrawn);
    EXPECT_FALSE(withdrawn.reached());
    EXPECT_EQ(withdrawn.position, 1u);
    EXPECT_EQ(withdrawn.corrections, 1u);
    EXPECT_EQ(withdrawn.operand1, sitting->sheet().digit(0, 1));
    EXPECT_EQ(withdrawn.operand2, sitting->sheet().digit(0, 2));
}

TEST_F(SittingTest, SpacePassesThePairBlankAndBackspaceTakesThePassBack) {
    Begin(sheets::Columns());
    At(1000);
    EXPECT_TRUE(sitting->Pass());
    ASSERT_EQ(sitting->record().size(), 1u);
    EXPECT_TRUE(sitting->record()[0].skipped());
    EXPECT_FALSE(sitting->record()[0].correct);
    EXPECT_EQ(sitting->record()[0].answer, 0u) << "nothing written";
    EXPECT_EQ(sitting->record()[0].milliseconds, 0u) << "a blank has no answer time";
    EXPECT_EQ(sitting->cursor().pair, 1u);
    sitting->Backspace();
    Right();
    ASSERT_EQ(sitting->record().size(), 1u);
    EXPECT_TRUE(sitting->record()[0].answered());
    EXPECT_EQ(sitting->record()[0].corrections, 1u);
}

TEST_F(SittingTest, JudgesTheUnitDigitOfTheSum) {
    Begin(sheets::Columns());
    EXPECT_FALSE(sitting->TypeDigit(10));
    EXPECT_FALSE(sitting->TypeDigit(-1));
    EXPECT_THAT(sitting->record(), IsEmpty());
    for (int pair = 0; pair < 4; ++pair) {
        const engine::SheetSitting::Cursor cursor = sitting->cursor();
        const int sum = cursor.operand1 + cursor.operand2;
        const int typed = pair % 2 == 0 ? sum % 10 : (sum + 5) % 10;
        sitting->TypeDigit(typed);
        EXPECT_EQ(sitting->record().back().correct, pair % 2 == 0 ? 1u : 0u) << "pair " << pair;
        EXPECT_EQ(sitting->record().back().answer, typed);
    }
    // Waiting for the cue at the column's top: no pair, no digits.
    EXPECT_TRUE(sitting->waitingForCue());
    EXPECT_EQ(sitting->cursor(), (engine::SheetSitting::Cursor{0, 4, 4, 0, 0}));
}

// ---- The end ----

TEST_F(SittingTest, TimeRunsOutAtTheLastCueAndInputIsRefusedAfter) {
    Begin(sheets::Columns());
    clock.Set(kStart + 3 * kColumn - 1);
    EXPECT_EQ(sitting->timeLeftMs(), 1u);
    // A window whose timer stalled catches up: every cue, in order, then the end.
    clock.Set(kStart + 3 * kColumn + 5000);
    sitting->Poll();
    EXPECT_THAT(recorder.events, ElementsAre("cue 1", "cue 2", "finished: time up"));
    EXPECT_EQ(sitting->phase(), Phase::Finished);
    EXPECT_EQ(sitting->elapsedMs(), 3 * kColumn);
    EXPECT_FALSE(Right());
    EXPECT_FALSE(sitting->Pass());
    EXPECT_FALSE(sitting->Backspace());
    sitting->Stop();
    EXPECT_EQ(recorder.events.size(), 3u) << "a stop after the end changes nothing";
}

TEST_F(SittingTest, StopEndsWhereTheUserIs) {
    Begin(sheets::Columns());
    At(1000);
    Right();
    Wrong();
    sitting->Backspace();
    At(kColumn + 4000);
    sitting->Stop();
    EXPECT_THAT(recorder.events, ElementsAre("cue 1", "finished: stopped"));
    EXPECT_EQ(sitting->endReason(), engine::SittingEnd::Stopped);
    EXPECT_EQ(sitting->elapsedMs(), kColumn + 4000);
    clock.Advance(60 * kSecond);
    EXPECT_EQ(sitting->elapsedMs(), kColumn + 4000) << "frozen at the end";
}

TEST_F(SittingTest, NothingIsTakenBeforeTheStart) {
    const engine::SheetFormat format = sheets::Columns();
    engine::SheetSitting ready(format, engine::MakeSheet(format, 1), clock);
    ready.SetListener(&recorder);
    clock.Advance(2 * kColumn);
    ready.Poll();
    EXPECT_THAT(recorder.events, IsEmpty()) << "no cue before the start";
    EXPECT_FALSE(ready.TypeDigit(3));
    EXPECT_FALSE(ready.Pass());
    ready.Stop();
    EXPECT_EQ(ready.phase(), Phase::Ready);
    EXPECT_EQ(ready.elapsedMs(), 0u);
}

// ---- The break ----

TEST_F(SittingTest, BreakRefusesInputThenTheSecondHalfStartsByItself) {
    Begin(sheets::Lines());
    At(2 * kLine - 1);
    Right();
    At(2 * kLine + 15 * kSecond);
    EXPECT_THAT(recorder.events, ElementsAre("cue 1", "break 60000"));
    EXPECT_EQ(sitting->phase(), Phase::OnBreak);
    EXPECT_EQ(sitting->breakLeftMs(), 45 * kSecond);
    EXPECT_FALSE(Right());
    EXPECT_FALSE(sitting->Pass());
    EXPECT_FALSE(sitting->Backspace());
    At(3 * kLine + 700);
    EXPECT_THAT(recorder.events, ElementsAre("cue 1", "break 60000", "break over"));
    EXPECT_EQ(sitting->phase(), Phase::Working);
    EXPECT_EQ(sitting->breakLeftMs(), 0u);
    Right();
    EXPECT_EQ(sitting->record().back().unit, 2u);
    EXPECT_EQ(sitting->record().back().milliseconds, 700u) << "timed from the break's end";
    At(5 * kLine);
    EXPECT_THAT(recorder.events, ElementsAre("cue 1", "break 60000", "break over", "cue 3", "finished: time up"));
    EXPECT_EQ(sitting->elapsedMs(), 4 * kLine + sheets::kBreakSeconds * kSecond);
}

TEST_F(SittingTest, StopDuringTheBreakEndsTheSitting) {
    Begin(sheets::Lines());
    At(2 * kLine + 5000);
    sitting->Stop();
    EXPECT_EQ(sitting->phase(), Phase::Finished);
    EXPECT_EQ(recorder.events.back(), "finished: stopped");
    At(4 * kLine);
    EXPECT_EQ(recorder.events.back(), "finished: stopped") << "no break end after the stop";
}

// ---- Strokes ----

TEST_F(SittingTest, StrokeEveryThreeMinutesAfterTheLastAnswerAndTheWorkGoesOn) {
    Begin(sheets::Pauli(300));
    At(1000);
    Right();
    Right();
    Right();
    At(kStroke - 1);
    Right();
    At(kStroke);
    EXPECT_THAT(recorder.events, ElementsAre("stroke 1 at 1,1"));
    EXPECT_TRUE(Right()) << "the work goes on";
    At(2 * kStroke + 100);
    Right();
    // The end closes the third period; no stroke is drawn at it.
    At(3 * kStroke - 1);
    EXPECT_EQ(sitting->phase(), Phase::Working);
    At(3 * kStroke);
    EXPECT_THAT(recorder.events, ElementsAre("stroke 1 at 1,1", "stroke 2 at 1,2", "finished: time up"));
    ASSERT_EQ(sitting->strokes().size(), 2u);
    EXPECT_EQ(sitting->strokes()[1].atMs, 2 * kStroke);
    std::vector<unsigned> periods;
    for (const engine::SheetAnswer& answer : sitting->record()) periods.push_back(answer.period);
    EXPECT_THAT(periods, ElementsAre(0u, 0u, 0u, 0u, 1u, 2u));
    EXPECT_EQ(sitting->elapsedMs(), 3 * kStroke);
}

TEST_F(SittingTest, SheetWorkedThroughEndsBeforeTheTime) {
    Begin(sheets::Pauli(5));
    At(1000);
    for (int i = 0; i < 4; ++i) Right();
    EXPECT_EQ(sitting->cursor().pair, 1u);
    EXPECT_EQ(sitting->cursor().pairCount, 2u) << "the last column holds the two additions left";
    At(2000);
    Right();
    EXPECT_THAT(recorder.events, ElementsAre("finished: worked through"));
    EXPECT_EQ(sitting->elapsedMs(), 2000u);
    EXPECT_EQ(sitting->record().size(), 5u);
}

} // namespace
