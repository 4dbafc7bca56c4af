// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exam sheets" window driven by key presses, with a scripted clock: answering, the
// cue, the break, the strokes, the clock switch, Stop, and the custom form's refusals.
#include "SheetWindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

using sheet::SheetMarks;
using Phase = engine::SheetSitting::Phase;

TEST_F(SheetWindowTest, DigitsAreWrittenBetweenTheirPairAndMoveTheCursorUp) {
    const engine::SheetFormat format = Start("kraepelin-15", true, 7);
    // The typed seed made the sheet, not the one offered for the next.
    const engine::Sheet expected = engine::MakeSheet(format, 7);
    ASSERT_EQ(window->sitting()->sheet().digit(0, 0), expected.digit(0, 0));
    ASSERT_EQ(window->sitting()->sheet().digit(3, 5), expected.digit(3, 5));

    const int first = RightAnswer();
    Digit(first);
    const int wrong = (RightAnswer() + 1) % 10;
    Digit(wrong);
    EXPECT_EQ(View()->written(0, 0), first);
    EXPECT_EQ(View()->written(0, 1), wrong);
    EXPECT_EQ(View()->written(0, 2), SheetMarks::kBlank);
    const auto& record = window->sitting()->record();
    ASSERT_EQ(record.size(), 2u);
    EXPECT_TRUE(record[0].correct);
    EXPECT_FALSE(record[1].correct);
    // Bottom-up: the third pair is digits 2 and 3 from the bottom of the first column.
    EXPECT_EQ(View()->accessibleName(),
              QStringLiteral("%1 and %2, column 1, pair 3 of 26").arg(expected.digit(0, 2)).arg(expected.digit(0, 3)));
}

TEST_F(SheetWindowTest, BackspaceTakesBackTheLastAnswerButNotPastTheColumnsStart) {
    Start("kraepelin-15", true, 7);
    Key(Qt::Key_Backspace);
    EXPECT_TRUE(window->sitting()->record().empty());
    EXPECT_EQ(window->sitting()->cursor().pair, 0u);

    const int first = RightAnswer();
    Digit(first);
    Digit(RightAnswer());
    Key(Qt::Key_Backspace);
    EXPECT_EQ(View()->written(0, 0), first);
    EXPECT_EQ(View()->written(0, 1), SheetMarks::kBlank);
    EXPECT_EQ(window->sitting()->cursor().pair, 1u);
    EXPECT_EQ(window->sitting()->record().size(), 1u);
}

TEST_F(SheetWindowTest, SpacePassesAPairLeavingItBlank) {
    Start("kraepelin-15", true, 7);
    Key(Qt::Key_Space);
    EXPECT_EQ(View()->written(0, 0), SheetMarks::kPassed);
    ASSERT_EQ(window->sitting()->record().size(), 1u);
    EXPECT_TRUE(window->sitting()->record()[0].skipped());
    EXPECT_EQ(window->sitting()->cursor().pair, 1u);
}

TEST_F(SheetWindowTest, TheCueMovesOnIsSeenHeardAndSpokenThenTheCallGoes) {
    Start("kraepelin-15", true, 7);
    Digit(RightAnswer());
    EXPECT_EQ(sound.plays, 0);
    Wait(15000);
    EXPECT_EQ(window->sitting()->cursor().unit, 1u);
    EXPECT_EQ(window->sitting()->cursor().pair, 0u);
    EXPECT_EQ(Get<QLabel>("lblCall")->text(), "Next!");
    EXPECT_TRUE(View()->cueCalled());
    EXPECT_EQ(sound.plays, 1);
    EXPECT_TRUE(View()->accessibleName().startsWith("Next! ")) << View()->accessibleName().toStdString();
    EXPECT_TRUE(View()->accessibleName().contains("column 2, pair 1 of 26"));
    // The next key is heard without the call again.
    Digit(RightAnswer());
    EXPECT_TRUE(View()->accessibleName().contains("column 2, pair 2 of 26"));
    EXPECT_FALSE(View()->accessibleName().startsWith("Next!"));
    Wait(sheet::frmSheet::kCallMilliseconds);
    EXPECT_TRUE(Get<QLabel>("lblCall")->text().isEmpty());
    EXPECT_FALSE(View()->cueCalled());
}

TEST_F(SheetWindowTest, AKeyAfterACueNoPollHasSeenCountsInTheNewColumn) {
    Start("kraepelin-15", true, 7);
    clock.Advance(15000);
    Digit(RightAnswer());
    ASSERT_EQ(window->sitting()->record().size(), 1u);
    EXPECT_EQ(window->sitting()->record()[0].unit, 1u);
    EXPECT_EQ(View()->written(1, 0), window->sitting()->record()[0].answer);
    EXPECT_EQ(View()->written(0, 0), SheetMarks::kBlank);
}

TEST_F(SheetWindowTest, TheSoundSwitchSilencesTheCueButNotTheCall) {
    Start("kraepelin-15", true, 7);
    Get<QCheckBox>("chkSound")->click();
    // The zoom keys reach the sheet from the switch that has the focus.
    QTest::keyClick(Get<QCheckBox>("chkSound"), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(View()->zoom(), 1.0);
    Wait(15000);
    EXPECT_EQ(sound.plays, 0);
    EXPECT_EQ(Get<QLabel>("lblCall")->text(), "Next!");
}

TEST_F(SheetWindowTest, TheBreakCoversTheSheetCountsDownAndTheSecondHalfStartsByItself) {
    Start("uchida", true, 3);
    Wait(3 * 60000);
    auto* cover = Get<QLabel>("lblBreak");
    EXPECT_TRUE(cover->isVisible());
    EXPECT_TRUE(cover->text().contains("1:00")) << cover->text().toStdString();
    EXPECT_EQ(window->sitting()->phase(), Phase::OnBreak);
    // Keys are refused during the break.
    Digit(5);
    Key(Qt::Key_Space);
    EXPECT_TRUE(window->sitting()->record().empty());
    Wait(20000);
    EXPECT_TRUE(cover->text().contains("0:40")) << cover->text().toStdString();
    Wait(40000);
    EXPECT_FALSE(cover->isVisible());
    EXPECT_EQ(window->sitting()->phase(), Phase::Working);
    EXPECT_EQ(window->sitting()->cursor().unit, 3u);
    EXPECT_EQ(Get<QLabel>("lblCall")->text(), "Next!");
    EXPECT_TRUE(View()->accessibleName().contains("line 4, pair 1 of 115")) << View()->accessibleName().toStdString();
    Digit(RightAnswer());
    EXPECT_EQ(window->sitting()->record().size(), 1u);
}

TEST_F(SheetWindowTest, PauliStrokesAreDrawnEveryThreeMinutesAndTheWorkGoesOn) {
    Start("pauli", true, 11);
    for (int i = 0; i < 5; ++i) Digit(RightAnswer());
    Wait(180000);
    ASSERT_EQ(window->sitting()->strokes().size(), 1u);
    EXPECT_EQ(window->sitting()->strokes()[0].pair, 5u);
    EXPECT_EQ(Get<QLabel>("lblCall")->text(), "Stroke!");
    EXPECT_EQ(sound.plays, 1);
    Digit(RightAnswer());
    EXPECT_EQ(window->sitting()->record().size(), 6u);
}

TEST_F(SheetWindowTest, TheClockIsHiddenUntilItsSwitchShowsTheTimeLeft) {
    Start("kraepelin-15", true, 7);
    auto* clockLabel = Get<QLabel>("lblClock");
    EXPECT_FALSE(clockLabel->isVisible());
    Get<QCheckBox>("chkClock")->click();
    EXPECT_TRUE(clockLabel->isVisible());
    EXPECT_EQ(clockLabel->text(), "2:30 left");
    Wait(10500);
    EXPECT_EQ(clockLabel->text(), "2:20 left");
}

TEST_F(SheetWindowTest, StopAsksFirstAndNoKeepsTheSheetGoing) {
    Start("kraepelin-15", true, 7);
    Digit(RightAnswer());
    boxes.Answer(host::MessageAnswer::No);
    Get<QAbstractButton>("cmdStopSheet")->click();
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, "Are you sure want to stop?");
    EXPECT_EQ(boxes.requests()[0].title, "Tavrendale");
    EXPECT_EQ(boxes.requests()[0].buttons, host::MessageButtons::YesNo);
    ASSERT_NE(window->sitting(), nullptr);
    EXPECT_EQ(window->sitting()->phase(), Phase::Working);
    EXPECT_TRUE(results.empty());

    clock.Advance(4000);
    boxes.Answer(host::MessageAnswer::Yes);
    // Escape is Stop during a sitting.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(boxes.requests().size(), 2u);
    EXPECT_EQ(window->sitting(), nullptr);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].end, engine::SittingEnd::Stopped);
    EXPECT_EQ(results[0].seed, 7u);
    EXPECT_EQ(results[0].elapsedMs, 4000u);
    EXPECT_EQ(results[0].record.size(), 1u);
    // A new sheet gets a new seed; the last one stays readable.
    EXPECT_EQ(Get<QLineEdit>("txtSeed")->text(), QString::number(kOfferedSeed));
    EXPECT_TRUE(Get<QLabel>("lblLastSheet")->text().contains("seed 7"));
}

TEST_F(SheetWindowTest, ASheetThatEndsWhileStopAsksIsNotStoppedAgain) {
    Start("kraepelin-15", true, 7);
    boxes.SetWhileOpen([this](const host::MessageRequest&) { Wait(150000); });
    boxes.Answer(host::MessageAnswer::Yes);
    Get<QAbstractButton>("cmdStopSheet")->click();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].end, engine::SittingEnd::TimeUp);
}

TEST_F(SheetWindowTest, TheTimeUpHandsTheRecordToTheResults) {
    Start("kraepelin-15", true, 7);
    for (std::uint32_t column = 0; column < 10; ++column) {
        Digit(RightAnswer());
        Wait(15000);
    }
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].end, engine::SittingEnd::TimeUp);
    EXPECT_EQ(results[0].title, "Kraepelin 10 \u00d7 15 s (practice)");
    EXPECT_EQ(results[0].record.size(), 10u);
    EXPECT_EQ(results[0].elapsedMs, 150000u);
    EXPECT_FALSE(Get<QAbstractButton>("cmdStopSheet")->isVisible());
    EXPECT_TRUE(Get<QAbstractButton>("cmdStartSheet")->isVisible());
}

TEST_F(SheetWindowTest, ClosingDuringASittingAsksAndKeepsTheResults) {
    Start("kraepelin-15", true, 7);
    boxes.Answer(host::MessageAnswer::No);
    window->close();
    EXPECT_TRUE(window->isVisible());
    boxes.Answer(host::MessageAnswer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].end, engine::SittingEnd::Stopped);
}

// A custom value out of its range, or not a number: Start refuses, names the field and
// its range, and puts the caret in it.
struct RefusalCase {
    const char* name;
    const char* field;
    const char* text;
    const char* message;
    const char* orderText = nullptr;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class CustomRefusalTest : public SheetWindowTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(CustomRefusalTest, StartIsRefusedWithTheFieldAndItsRange) {
    window->Choose({"custom", false, 5});
    if (GetParam().orderText) {
        auto* order = Get<QComboBox>("cboOrder");
        order->setCurrentIndex(order->findText(QString::fromUtf8(GetParam().orderText)));
    }
    auto* field = Get<QLineEdit>(GetParam().field);
    field->setText(QString::fromUtf8(GetParam().text));
    Get<QAbstractButton>("cmdStartSheet")->click();
    EXPECT_EQ(window->sitting(), nullptr);
    EXPECT_EQ(Get<QLabel>("lblSummary")->text(), QString::fromUtf8(GetParam().message));
    EXPECT_TRUE(field->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CustomRefusalTest,
    testing::Values(
        RefusalCase{"NoColumns", "txtUnits", "0", "Columns: must be 1 to 100, not 0"},
        RefusalCase{"TooManyLines", "txtUnits", "101", "Lines: must be 1 to 100, not 101",
                    "Lines, each from left to right"},
        RefusalCase{"DigitsNotANumber", "txtDigits", "2x", "Digits per column: must be a whole number, not \"2x\""},
        RefusalCase{"TooFewDigits", "txtDigits", "2", "Digits per column: must be 3 to 200, not 2"},
        RefusalCase{"TooFewSeconds", "txtSeconds", "4", "Seconds per column: must be 5 to 600, not 4"},
        RefusalCase{"BreakAfterTheLastColumn", "txtBreakAfter", "10", "Break after: must be 1 to 9, not 10"},
        RefusalCase{"BreakSecondsWithoutABreak", "txtBreakSeconds", "30",
                    "Break seconds: must be 0 without a break, not 30"},
        RefusalCase{"LowestDigitNine", "txtLowest", "9", "Lowest digit: must be 0 to 8, not 9"},
        RefusalCase{"HighestBelowLowest", "txtHighest", "1", "Highest digit: must be 2 to 9, not 1"},
        RefusalCase{"DigitOfThreeFigures", "txtLowest", "123", "Lowest digit: must be 0 to 8, not 123"},
        RefusalCase{"DigitTooLargeToHold", "txtHighest", "99999999999",
                    "Highest digit: must be 2 to 9, not 99999999999"},
        RefusalCase{"ColumnsTooManyToHold", "txtUnits", "004294967296", "Columns: must be 1 to 100, not 004294967296"},
        RefusalCase{"NegativeDigit", "txtLowest", "-1", "Lowest digit: must be a whole number, not \"-1\""},
        RefusalCase{"SeedNotANumber", "txtSeed", "12x",
                    "Seed: must be a whole number from 0 to 18446744073709551615, not \"12x\""}));

TEST_F(SheetWindowTest, ACustomSheetIsWorkedInItsOwnOrder) {
    window->Choose({"custom", false, 5});
    auto* order = Get<QComboBox>("cboOrder");
    order->setCurrentIndex(order->findText("Lines, each from left to right"));
    Get<QLineEdit>("txtUnits")->setText("2");
    Get<QLineEdit>("txtDigits")->setText("5");
    Get<QLineEdit>("txtSeconds")->setText("5");
    Get<QLineEdit>("txtLowest")->setText("3");
    Get<QLineEdit>("txtHighest")->setText("4");
    Get<QCheckBox>("chkNoRepeat")->click();
    EXPECT_TRUE(Get<QLabel>("lblSummary")->text().startsWith("2 lines of 5 digits (4 additions each"))
        << Get<QLabel>("lblSummary")->text().toStdString();
    Get<QAbstractButton>("cmdStartSheet")->click();
    ASSERT_NE(window->sitting(), nullptr);
    const engine::Sheet& sheet = window->sitting()->sheet();
    for (std::uint32_t i = 0; i + 1 < sheet.digitCount(0); ++i) EXPECT_NE(sheet.digit(0, i), sheet.digit(0, i + 1));
    EXPECT_TRUE(View()->accessibleName().endsWith("line 1, pair 1 of 4")) << View()->accessibleName().toStdString();
    for (int i = 0; i < 4; ++i) Digit(RightAnswer());
    // The line is done; more keys wait for the call.
    EXPECT_TRUE(View()->accessibleName().startsWith("End of line 1")) << View()->accessibleName().toStdString();
    Digit(0);
    EXPECT_EQ(window->sitting()->record().size(), 4u);
}

// Enter starts the sheet from the choose page's text fields and lists (GNOME's key scheme
// opens a list with Enter); on a switch GNOME's Enter switches it, as everywhere on GNOME.
TEST_F(SheetWindowTest, EnterStartsFromEveryChoosingField) {
    for (const char* field : {"txtDigitSize", "cboFormat", "txtSeed", "cboExaminer", "cboPaper"}) {
        if (window->sitting()) SetUp();
        QWidget* widget = Get<QWidget>(field);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        EXPECT_NE(window->sitting(), nullptr) << field;
    }
}

TEST_F(SheetWindowTest, EscapeLeavesThePaperEntryAndClosesTheWindowWhenNoSheetRuns) {
    Get<QAbstractButton>("cmdPaperEntry")->click();
    QTest::keyClick(Get<QCheckBox>("chkSound"), Qt::Key_Escape);
    EXPECT_TRUE(Get<QAbstractButton>("cmdStartSheet")->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(boxes.requests().empty());
}

} // namespace
