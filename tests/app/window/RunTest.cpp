// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of the drill driven through the window: start, answers, ticks, stop, reset, back.
#include "MainWindowFixture.h"

#include <QSignalSpy>

namespace {

using RunTest = MainWindowFixture;

void ExpectRunningControls(const MainWindowFixture& f, QWidget* start, QWidget* stop, QWidget* answer,
                           QWidget* duration, QWidget* logging, bool running) {
    (void)f;
    EXPECT_EQ(start->isEnabled(), !running);
    EXPECT_EQ(stop->isEnabled(), running);
    EXPECT_EQ(answer->isEnabled(), running);
    EXPECT_EQ(duration->isEnabled(), !running);
    EXPECT_EQ(logging->isEnabled(), !running);
}

#define EXPECT_RUNNING(on)                                                                                             \
    ExpectRunningControls(*this, Get("cmdStart"), Get("cmdStop"), Get("txtResult"), Get("txtTime"),                    \
                          Get("chkStatistic"), on)

TEST_F(RunTest, StartSwitchesTheControlsAndShowsTheFirstPair) {
    StartRun("1", 0.75f, 0.55f);
    EXPECT_RUNNING(true);
    EXPECT_TRUE(Timer()->Enabled());
    EXPECT_EQ(QApplication::focusWidget(), Get("txtResult"));
    EXPECT_EQ(Text("lblVal1"), " 7");
    EXPECT_EQ(Text("lblVal2"), " 5");
    EXPECT_EQ(Text("lblTimer"), "0:00");
    EXPECT_TRUE(boxes.requests().empty());
}

TEST_F(RunTest, AnswersTypedAndSubmittedWithEnterAreLogged) {
    StartRun("1", 0.75f, 0.55f);
    random.Push({0.65f, 0.95f, 0.05f, 0.05f});
    Answer("2");
    EXPECT_EQ(Text("txtResult"), "");
    EXPECT_EQ(Text("lblVal1"), " 6");
    EXPECT_EQ(Text("lblVal2"), " 9");
    Answer("1");
    EXPECT_EQ(LogRows(), QStringList({" 7 +  5 = 2 | TRUE", " 6 +  9 = 1 | FALSE"}));
    EXPECT_EQ(Text("lblVal1"), " 0");
}

TEST_F(RunTest, EnterIsTheAnswerFieldsOwnAndAnEmptyAnswerDoesNothing) {
    StartRun("1", 0.75f, 0.55f);
    auto* field = Get<QLineEdit>("txtResult");
    QSignalSpy returnPressed(field, &QLineEdit::returnPressed);
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(returnPressed.count(), 0);
    EXPECT_TRUE(LogRows().isEmpty());
    EXPECT_EQ(Text("lblVal1"), " 7");
    EXPECT_EQ(Text("lblVal2"), " 5");
}

TEST_F(RunTest, FieldsFilterEveryChange) {
    StartRun("1", 0.75f, 0.55f);
    auto* answer = Get<QLineEdit>("txtResult");
    QTest::keyClicks(answer, "a");
    EXPECT_EQ(answer->text(), "");
    QTest::keyClicks(answer, "-");
    EXPECT_EQ(answer->text(), "");
    answer->insert(" "); // as pasted
    EXPECT_EQ(answer->text(), "");
    QTest::keyClicks(answer, "47"); // one character only
    EXPECT_EQ(answer->text(), "4");
    Click("cmdReset");

    auto* duration = Get<QLineEdit>("txtTime");
    duration->clear();
    QTest::keyClicks(duration, "0");
    EXPECT_EQ(duration->text(), "");
    QTest::keyClicks(duration, "10");
    EXPECT_EQ(duration->text(), "10");
    // Deleting the 1 leaves "0", which vanishes as well.
    duration->setCursorPosition(0);
    QTest::keyClick(duration, Qt::Key_Delete);
    EXPECT_EQ(duration->text(), "");
    QTest::keyClicks(duration, "a");
    EXPECT_EQ(duration->text(), "a");
}

TEST_F(RunTest, RunEndsByTimeOutWithResults) {
    StartRun("1", 0.75f, 0.55f);
    random.Push({0.65f, 0.95f, 0.05f, 0.05f});
    Answer("2");
    Answer("1");
    Ticks(59);
    EXPECT_EQ(Text("lblTimer"), "0:59");
    EXPECT_TRUE(Timer()->Enabled());
    Ticks(1);
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_RUNNING(false);
    EXPECT_TRUE(Get("Frame2")->isVisible());
    EXPECT_EQ(Get("Frame2")->geometry(), QRect(8, 8, 417, 193));
    EXPECT_EQ(Text("lblTotalAnswered"), "Total answered: 2");
    EXPECT_EQ(Text("lblTotalTrue"), "Total true: 1");
    EXPECT_EQ(Text("lblTotalFalse"), "Total false: 1");
    EXPECT_EQ(Text("lblDuration"), "Duration: 1:00");
    EXPECT_EQ(Text("lblOpSec"), "Operation per sec: 0.02");
    EXPECT_EQ(Text("lblOpMin"), "Operation per min: 1.00");
    EXPECT_EQ(Text("lblVal1"), "0");
    EXPECT_EQ(Text("lblVal2"), "0");
    EXPECT_EQ(Text("lblTimer"), "0:00");
    EXPECT_EQ(Text("txtResult"), "");
    EXPECT_EQ(LogRows().size(), 2);
}

TEST_F(RunTest, TheRealTimerDrivesTheClock) {
    StartRun("1", 0.75f, 0.55f);
    EXPECT_EQ(Text("lblTimer"), "0:00");
    QTRY_COMPARE_WITH_TIMEOUT(Get<QLabel>("lblTimer")->text(), QString("0:01"), 5000);
}

TEST_F(RunTest, RefusedDurationWarnsAndPutsTheCaretAfterTheText) {
    for (const char* duration : {"a", "", "0.", "-1"}) {
        SCOPED_TRACE(duration);
        boxes.ClearRequests();
        StartRun(duration, 0.75f, 0.55f);
        ASSERT_EQ(boxes.requests().size(), 1u);
        const host::MessageRequest& box = boxes.requests().front();
        EXPECT_EQ(box.text, "Invalid value detected in test duration field, please change the value into numbers "
                            "only, then try again.");
        EXPECT_EQ(box.title, "Tavrendale");
        EXPECT_EQ(box.icon, host::MessageIcon::Warning);
        EXPECT_EQ(box.buttons, host::MessageButtons::Ok);
        auto* field = Get<QLineEdit>("txtTime");
        EXPECT_EQ(QApplication::focusWidget(), field);
        EXPECT_EQ(field->cursorPosition(), field->text().size());
        EXPECT_RUNNING(false);
        EXPECT_FALSE(Timer()->Enabled());
    }
}

TEST_F(RunTest, StopAnsweredNoKeepsTheRunGoing) {
    StartRun("2", 0.75f, 0.55f);
    Ticks(5);
    boxes.Answer(host::MessageAnswer::No);
    boxes.SetWhileOpen([this](const host::MessageRequest&) { Ticks(3); });
    Click("cmdStop");
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, "Are you sure want to stop?");
    EXPECT_EQ(boxes.requests()[0].title, "Tavrendale");
    EXPECT_EQ(boxes.requests()[0].icon, host::MessageIcon::Question);
    EXPECT_EQ(boxes.requests()[0].buttons, host::MessageButtons::YesNo);
    EXPECT_RUNNING(true);
    EXPECT_TRUE(Timer()->Enabled());
    // The clock did not pause while the question was open.
    EXPECT_EQ(Text("lblTimer"), "0:08");
    EXPECT_FALSE(Get("Frame2")->isVisible());
}

// Declined, Stop leaves everything as it was: the focus goes back to the answer field, so
// the digits typed next are answers and none is lost on the Stop button.
TEST_F(RunTest, StopAnsweredNoGivesTheFocusBackToTheAnswerField) {
    StartRun("2", 0.75f, 0.55f);
    ASSERT_EQ(QApplication::focusWidget(), Get("txtResult"));
    boxes.Answer(host::MessageAnswer::No);
    Click("cmdStop");
    EXPECT_EQ(QApplication::focusWidget(), Get("txtResult"));
    random.Push({0.15f, 0.15f});
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(LogRows(), QStringList({" 7 +  5 = 2 | TRUE"}));
}

// Where the focus was on Stop itself before it was pressed (Tab, then Space), it stays.
TEST_F(RunTest, StopFocusedFromTheKeyboardAndDeclinedKeepsTheFocus) {
    StartRun("2", 0.75f, 0.55f);
    auto* stop = Get<QAbstractButton>("cmdStop");
    stop->setFocus(Qt::TabFocusReason);
    boxes.Answer(host::MessageAnswer::No);
    QTest::keyClick(stop, Qt::Key_Space);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), stop);
}

TEST_F(RunTest, StopAnsweredYesShowsTheResults) {
    StartRun("2", 0.75f, 0.55f);
    random.Push({0.15f, 0.15f});
    Answer("2");
    Ticks(30);
    boxes.Answer(host::MessageAnswer::Yes);
    Click("cmdStop");
    EXPECT_RUNNING(false);
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_TRUE(Get("Frame2")->isVisible());
    EXPECT_EQ(Text("lblDuration"), "Duration: 0:30");
    EXPECT_EQ(Text("lblTotalAnswered"), "Total answered: 1");
    EXPECT_EQ(Text("lblVal1"), "0");
    EXPECT_EQ(Text("lblVal2"), "0");
    EXPECT_EQ(Text("lblTimer"), "0:00");
}

TEST_F(RunTest, StopConfirmedAfterTheRunTimedOutKeepsItsResults) {
    StartRun("1", 0.75f, 0.55f);
    Answer("2");
    Ticks(50);
    // The run ends by time-out while the question is still open.
    boxes.SetWhileOpen([this](const host::MessageRequest&) { Ticks(10); });
    boxes.Answer(host::MessageAnswer::Yes);
    Click("cmdStop");
    EXPECT_EQ(Text("lblDuration"), "Duration: 1:00");
    EXPECT_EQ(Text("lblOpMin"), "Operation per min: 1.00");
    EXPECT_EQ(LogRows(), QStringList({" 7 +  5 = 2 | TRUE"}));
}

TEST_F(RunTest, ResetStopsSilentlyAndKeepsTheLog) {
    StartRun("1", 0.75f, 0.55f);
    Answer("2");
    Ticks(12);
    Click("cmdReset");
    EXPECT_TRUE(boxes.requests().empty());
    EXPECT_RUNNING(false);
    EXPECT_FALSE(Timer()->Enabled());
    EXPECT_EQ(Text("lblTimer"), "0:00");
    EXPECT_EQ(Text("lblVal1"), "0");
    EXPECT_EQ(Text("lblVal2"), "0");
    EXPECT_EQ(LogRows(), QStringList({" 7 +  5 = 2 | TRUE"}));
    EXPECT_FALSE(Get("Frame2")->isVisible());
    EXPECT_EQ(Text("lblTotalAnswered"), "Total answered: 0");
    // The next start empties the log.
    StartRun("1", 0.15f, 0.25f);
    EXPECT_TRUE(LogRows().isEmpty());
}

TEST_F(RunTest, BackHidesThePanelAndUncoversTheControls) {
    StartRun("1", 0.75f, 0.55f);
    Click("cmdStop"); // answered Yes
    ASSERT_TRUE(Get("Frame2")->isVisible());
    // The panel covers the operand row and both frames.
    const QRect panel = Get("Frame2")->geometry();
    for (const char* name : {"lblVal1", "txtResult", "Frame1", "Frame3"})
        EXPECT_TRUE(panel.contains(Get(name)->geometry())) << name;
    // Covered means out of the keyboard's reach as well.
    for (const char* name : {"lblVal1", "Label1", "lblVal2", "Label2", "txtResult", "Frame1", "Frame3"})
        EXPECT_FALSE(Get(name)->isVisible()) << name;
    // An access key presses a check box for a moment before it ticks.
    QTest::keyClick(window->windowHandle(), Qt::Key_L, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_TRUE(Get<QCheckBox>("chkStatistic")->isChecked());
    Click("cmdBack");
    EXPECT_FALSE(Get("Frame2")->isVisible());
    for (const char* name : {"lblVal1", "Label1", "lblVal2", "Label2", "txtResult", "Frame1", "Frame3"})
        EXPECT_TRUE(Get(name)->isVisible()) << name;
    QTest::keyClick(window->windowHandle(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!Get<QCheckBox>("chkStatistic")->isChecked(), 2000);
    EXPECT_EQ(Text("lblDuration"), "Duration: 0:00");
}

TEST_F(RunTest, LoggingOffJudgesNothing) {
    StartRun("1", 0.75f, 0.55f, false);
    Answer("9");
    EXPECT_TRUE(LogRows().isEmpty());
    Ticks(60);
    EXPECT_EQ(LogRows(), QStringList({"Result not logged."}));
    EXPECT_EQ(Text("lblTotalAnswered"), "Total answered: -");
    EXPECT_EQ(Text("lblOpSec"), "Operation per sec: -");
}

TEST_F(RunTest, ClockCoverHidesTheClockWhichKeepsCounting) {
    StartRun("1", 0.75f, 0.55f);
    auto* show = Get<QCheckBox>("chkShowTimer");
    QTest::mouseClick(show, Qt::LeftButton, {}, QPoint(6, show->height() / 2));
    EXPECT_FALSE(show->isChecked());
    EXPECT_TRUE(Get("lblHideTimer")->isVisible());
    EXPECT_TRUE(show->isEnabled());
    Ticks(7);
    QTest::mouseClick(show, Qt::LeftButton, {}, QPoint(6, show->height() / 2));
    EXPECT_TRUE(show->isChecked());
    EXPECT_FALSE(Get("lblHideTimer")->isVisible());
    EXPECT_EQ(Text("lblTimer"), "0:07");
}

} // namespace
