// SPDX-License-Identifier: GPL-3.0-or-later
// The Exam sheets window's examiner mode, procedure and paper entry, with a scripted clock
// and a voice that writes down what it is told to say.
#include "SheetWindowFixture.h"
#include "sheet/ExaminerView.h"
#include "sheet/PaperEntryForm.h"
#include "sheet/ProcedurePanel.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

using Phase = engine::SheetSitting::Phase;
using sheet::VoiceState;

constexpr std::uint64_t kLine = 60000;

class ExaminerTest : public SheetWindowTest {
protected:
    // Chooses the examiner mode's hearing by the item the user picks (1 tone, 2 voice, 3 both).
    void Examiner(int item) { Get<QComboBox>("cboExaminer")->setCurrentIndex(item); }
    QString Shown(const char* label) const { return window->examinerView()->findChild<QLabel*>(label)->text(); }
};

// Uchida-Kraepelin's practice version: 3 lines, a minute's break, 3 lines; a line a minute.
struct Moment {
    std::uint64_t atMs;
    int tones;
    const char* lastSaid;
    const char* where;
};

TEST_F(ExaminerTest, CallsComeAtTheSittingsMomentsSeenHeardAndSpoken) {
    Examiner(3);
    Start("uchida", true, 3);
    EXPECT_EQ(window->sitting()->phase(), Phase::Working);
    EXPECT_TRUE(window->examinerView()->isVisible());
    EXPECT_FALSE(View()->isVisible());
    const Moment moments[] = {
        {0, 1, "Start!", "Line 1 of 6"},        {kLine - 1, 1, "Start!", "Line 1 of 6"},
        {kLine, 2, "Next!", "Line 2 of 6"},     {3 * kLine, 4, "Break!", "Break"},
        {4 * kLine - 1, 4, "Break!", "Break"},  {4 * kLine, 5, "Next!", "Line 4 of 6"},
        {6 * kLine, 7, "Next!", "Line 6 of 6"},
    };
    std::uint64_t now = 0;
    for (const Moment& moment : moments) {
        SCOPED_TRACE(moment.atMs);
        Wait(moment.atMs - now);
        now = moment.atMs;
        EXPECT_EQ(sound.plays, moment.tones);
        ASSERT_FALSE(voice.said.isEmpty());
        EXPECT_EQ(voice.said.back(), moment.lastSaid);
        EXPECT_EQ(Shown("lblWhere"), moment.where);
    }
    EXPECT_EQ(Shown("lblBreakLeft"), "");
    EXPECT_EQ(window->examinerView()->accessibleName(), "Next! Line 6 of 6");
    EXPECT_EQ(voice.prepared.back(), "en");
    // Pencils down at the end, and the paper's entry follows instead of the results.
    Wait(7 * kLine - now);
    EXPECT_EQ(voice.said.back(), "Stop!");
    EXPECT_EQ(window->sitting(), nullptr);
    EXPECT_TRUE(results.empty());
    EXPECT_TRUE(window->paperEntry()->isVisible());
    EXPECT_TRUE(Get<QLineEdit>("txtEnd6")->isEnabled());
}

// What is heard of a call for each choice and each state of the voice.
struct HearingCase {
    const char* name;
    int item;
    VoiceState state;
    int tones;
    int spoken;
    const char* notice;
};

class HearingTest : public ExaminerTest, public testing::WithParamInterface<HearingCase> {};

TEST_P(HearingTest, TheToneStandsInWhereTheVoiceCannotSpeak) {
    const HearingCase& c = GetParam();
    if (c.state != VoiceState::Ready) voice.readyFor.clear();
    voice.whenNotReady = c.state;
    Examiner(c.item);
    Start("kraepelin-15", true, 7);
    Wait(15000);
    EXPECT_EQ(sound.plays, c.tones);
    EXPECT_EQ(voice.said.size(), c.spoken);
    EXPECT_EQ(Shown("lblNotice"), QString::fromUtf8(c.notice));
    EXPECT_EQ(Get<QLabel>("lblVoiceNotice")->text(), QString::fromUtf8(c.notice));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, HearingTest,
    testing::Values(HearingCase{"Tone", 1, VoiceState::Ready, 2, 0, ""},
                    HearingCase{"Voice", 2, VoiceState::Ready, 0, 2, ""},
                    HearingCase{"Both", 3, VoiceState::Ready, 2, 2, ""},
                    HearingCase{"NoVoiceForTheLanguage", 2, VoiceState::NoVoiceForLanguage, 2, 0,
                                "No voice speaks American English here: the calls sound as a tone (install "
                                "espeak-ng)."},
                    HearingCase{"NoEngine", 3, VoiceState::NoEngine, 2, 0,
                                "No speech engine here: the calls sound as a tone (install speech-dispatcher)."},
                    HearingCase{"StillLoading", 2, VoiceState::Loading, 2, 0,
                                "Looking for a voice; until one speaks, the calls sound as a tone."}),
    [](const testing::TestParamInfo<HearingCase>& info) { return std::string(info.param.name); });

TEST_F(ExaminerTest, AVoiceThatFailsMidSittingLeavesTheToneAndTheSittingGoingOn) {
    Examiner(2);
    Start("kraepelin-15", true, 7);
    Wait(15000);
    EXPECT_EQ(voice.said.size(), 2);
    voice.SetState(VoiceState::Failed);
    Wait(15000);
    EXPECT_EQ(voice.said.size(), 2);
    EXPECT_EQ(sound.plays, 1);
    EXPECT_EQ(window->sitting()->cursor().unit, 2u);
    EXPECT_TRUE(boxes.requests().empty());
    EXPECT_EQ(Shown("lblNotice"), "The voice failed: the calls go on as a tone.");
}

TEST_F(ExaminerTest, TheProcedureGoesStepByStepWithEnterAndSpaceAndEscLeaves) {
    Get<QCheckBox>("chkProcedure")->click();
    window->Choose({"kraepelin-15", true, 7});
    QTest::keyClick(Get<QLineEdit>("txtSeed"), Qt::Key_Return);
    sheet::ProcedurePanel* procedure = window->procedure();
    ASSERT_TRUE(procedure->hasFocus());
    EXPECT_EQ(window->sitting()->phase(), Phase::Ready);
    EXPECT_TRUE(procedure->accessibleName().startsWith("How this sheet is worked: 5 + 3 → 8"))
        << procedure->accessibleName().toStdString();
    QTest::keyClick(procedure, Qt::Key_Space);
    EXPECT_EQ(procedure->step(), sheet::ProcedurePanel::Step::Practice);
    EXPECT_TRUE(procedure->accessibleName().startsWith("Practice: ")) << procedure->accessibleName().toStdString();
    EXPECT_TRUE(procedure->accessibleName().endsWith(", pair 1 of 5"));
    // Practice answers are not the sheet's: nothing is recorded.
    QTest::keyClick(procedure, Qt::Key_4);
    EXPECT_TRUE(procedure->accessibleName().contains("pair 2 of 5"));
    QTest::keyClick(procedure, Qt::Key_Return);
    EXPECT_EQ(procedure->accessibleName(), "The sheet starts in: 3");
    Wait(2000);
    EXPECT_EQ(procedure->accessibleName(), "The sheet starts in: 1");
    Wait(1000);
    EXPECT_EQ(window->sitting()->phase(), Phase::Working);
    EXPECT_TRUE(window->sitting()->record().empty());
    EXPECT_TRUE(View()->hasFocus());
    EXPECT_EQ(window->sitting()->timeLeftMs(), 150000u);

    // Esc before the sheet leaves without asking, and nothing goes to the results.
    boxes.Answer(host::MessageAnswer::Yes);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(Get<QLineEdit>("txtSeed"), Qt::Key_Return);
    ASSERT_TRUE(procedure->hasFocus());
    QTest::keyClick(procedure, Qt::Key_Escape);
    EXPECT_EQ(window->sitting(), nullptr);
    EXPECT_TRUE(Get<QAbstractButton>("cmdStartSheet")->isVisible());
    EXPECT_EQ(results.size(), 1u);
    EXPECT_EQ(boxes.requests().size(), 1u);
    // The rest of a sheet of columns comes after a column.
    window->Choose({"custom", false, 5});
    Get<QLineEdit>("txtBreakAfter")->setText("4");
    Get<QLineEdit>("txtBreakSeconds")->setText("30");
    QTest::keyClick(Get<QLineEdit>("txtSeed"), Qt::Key_Return);
    EXPECT_TRUE(procedure->accessibleDescription().contains(" After column 4 comes a rest"));
}

// A value of the paper entry against the sheet: refused with its row and field named, the
// field given the focus, nothing handed on.
struct EntryCase {
    const char* name;
    const char* field;
    const char* text;
    const char* message;
};

class PaperEntryRefusalTest : public ExaminerTest, public testing::WithParamInterface<EntryCase> {};

TEST_P(PaperEntryRefusalTest, NamesTheFieldAndKeepsNothing) {
    window->Choose({"kraepelin-15", true, 7});
    Get<QAbstractButton>("cmdPaperEntry")->click();
    for (int column = 1; column <= 10; ++column)
        Get<QLineEdit>(("txtEnd" + std::to_string(column)).c_str())->setText("20");
    auto* field = Get<QLineEdit>(GetParam().field);
    field->setText(QString::fromUtf8(GetParam().text));
    QTest::keyClick(Get<QLineEdit>("txtEnd1"), Qt::Key_Return);
    EXPECT_EQ(Get<QLabel>("lblPaperError")->text(), QString::fromUtf8(GetParam().message));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_TRUE(results.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PaperEntryRefusalTest,
    testing::Values(
        EntryCase{"EndBeyondTheColumn", "txtEnd4", "27", "Column 4, last pair reached: must be 0 to 26, not 27"},
        EntryCase{"EndEmpty", "txtEnd2", "", "Column 2, last pair reached: must be filled in (0 for none)"},
        EntryCase{"EndNotANumber", "txtEnd3", "1o", "Column 3, last pair reached: must be a whole number, not \"1o\""},
        EntryCase{"WrongBeyondTheEnd", "txtWrong5", "3, 21",
                  "Column 5, wrong pairs: pair 21 is beyond the last pair reached"},
        EntryCase{"BlankOfNoPair", "txtSkipped1", "0", "Column 1, blank pairs: the pair must be 1 to 26, not 0"},
        EntryCase{"BlankTwice", "txtSkipped9", "4 4",
                  "Column 9, blank pairs: pair 4 is named twice, or both wrong and "
                  "blank"}),
    [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST_F(ExaminerTest, AStoppedExaminerSittingIsEnteredAndScoredAsPaper) {
    Examiner(1);
    Start("kraepelin-15", true, 7);
    Wait(2 * 15000 + 500);
    boxes.Answer(host::MessageAnswer::Yes);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    // The columns begun after the stop are shut.
    EXPECT_TRUE(Get<QLineEdit>("txtEnd3")->isEnabled());
    EXPECT_FALSE(Get<QLineEdit>("txtEnd4")->isEnabled());
    Get<QComboBox>("cboDetail")->setCurrentIndex(1);
    Get<QLineEdit>("txtEnd1")->setText("20");
    Get<QLineEdit>("txtWrong1")->setText("2");
    Get<QLineEdit>("txtEnd2")->setText("18");
    Get<QLineEdit>("txtSkipped2")->setText("1");
    Get<QLineEdit>("txtEnd3")->setText("1");
    QTest::keyClick(Get<QLineEdit>("txtEnd3"), Qt::Key_Return);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].end, engine::SittingEnd::Stopped);
    EXPECT_EQ(results[0].elapsedMs, 30500u);
    EXPECT_EQ(results[0].seed, 7u);
    ASSERT_EQ(results[0].record.size(), 39u);
    EXPECT_FALSE(results[0].record[0].timed());
    EXPECT_FALSE(results[0].record[18].correct);
    EXPECT_TRUE(results[0].record[37].skipped());
    EXPECT_TRUE(Get<QAbstractButton>("cmdStartSheet")->isVisible());
    // Closing stops a Pauli sitting and keeps its entry, its third period shut; Enter on a switch.
    Start("pauli", true, 7);
    Wait(4 * kLine);
    window->close();
    Get<QLineEdit>("txtEnd1")->setText("1/20");
    Get<QLineEdit>("txtEnd2")->setText("2/5");
    QTest::keyClick(Get<QCheckBox>("chkSound"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(results.back().record.size(), 20u + 29u + 5u);
}

} // namespace
