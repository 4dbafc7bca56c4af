// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exam sheets" window in every language the program speaks: every text goes through the
// translation tools, fits its box in each state of the window and overlaps nothing it does
// not overlap in English; access keys stay one a control; the examiner calls in the test's
// own words.
#include "../support/PseudoTranslator.h"
#include "../support/TextFit.h"
#include "SheetWindowFixture.h"
#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/Languages.h"
#include "sheet/PaperEntryForm.h"
#include "sheet/ProcedurePanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <map>
#include <set>

namespace {

using testsupport::PseudoTranslator;

class SheetLanguagesTest : public SheetWindowTest {
public:
    // What the states below drive the window with.
    using SheetWindowTest::Digit;
    using SheetWindowTest::Get;
    using SheetWindowTest::RightAnswer;
    using SheetWindowTest::Start;
    using SheetWindowTest::voice;
    using SheetWindowTest::Wait;
    using SheetWindowTest::window;

protected:
    // The window opened again, in the language installed now.
    void Reopen() {
        window.reset();
        SheetWindowTest::SetUp();
    }
};

// A state of the window that shows texts of its own, reached from a freshly opened window.
struct WindowState {
    const char* name;
    std::function<void(SheetLanguagesTest&)> reach;
};

void ChooseCustom(SheetLanguagesTest& t) {
    t.window->Choose({"custom", false, 5});
    t.Get<QLineEdit>("txtBreakAfter")->setText(QStringLiteral("5"));
    t.Get<QLineEdit>("txtBreakSeconds")->setText(QStringLiteral("60"));
}

// With the clock shown and the call over the sheet.
void Sitting(SheetLanguagesTest& t, const char* format, std::uint64_t cueMs) {
    t.Start(format, false, 3);
    t.Get<QCheckBox>("chkClock")->click();
    t.Digit(t.RightAnswer());
    t.Wait(cueMs);
}

// The procedure of `format`, `steps` steps on from its instructions.
void Procedure(SheetLanguagesTest& t, const char* format, int steps) {
    t.Get<QCheckBox>("chkProcedure")->click();
    t.window->Choose({format, false, 3});
    t.Get<QAbstractButton>("cmdStartSheet")->click();
    for (int step = 0; step < steps; ++step) t.window->procedure()->GoOn();
    QCoreApplication::processEvents();
}

// The examiner's display `ms` into a sitting, its voice missing for the language.
void Examiner(SheetLanguagesTest& t, const char* format, std::uint64_t ms) {
    t.voice.readyFor.clear();
    t.Get<QComboBox>("cboExaminer")->setCurrentIndex(2);
    t.Get<QCheckBox>("chkClock")->click();
    t.Start(format, false, 3);
    t.Wait(ms);
    QCoreApplication::processEvents();
}

// The paper entry of `format` with its first row's end refused.
void PaperEntry(SheetLanguagesTest& t, const char* format, const char* end) {
    t.window->Choose({format, false, 3});
    t.Get<QAbstractButton>("cmdPaperEntry")->click();
    t.Get<QLineEdit>("txtEnd1")->setText(QString::fromLatin1(end));
    t.window->paperEntry()->cmdShowPaper_Click();
    QCoreApplication::processEvents();
}

const WindowState kStates[] = {
    {"Kraepelin15Chosen",
     [](SheetLanguagesTest& t) {
         t.window->Choose({"kraepelin-15", true, 5});
     }},
    {"Kraepelin30Chosen",
     [](SheetLanguagesTest& t) {
         t.window->Choose({"kraepelin-30", false, 5});
     }},
    {"UchidaChosen",
     [](SheetLanguagesTest& t) {
         t.window->Choose({"uchida", true, 5});
     }},
    {"PauliChosen",
     [](SheetLanguagesTest& t) {
         t.window->Choose({"pauli", false, 5});
     }},
    {"CustomChosen", ChooseCustom},
    {"CustomLinesChosen",
     [](SheetLanguagesTest& t) {
         ChooseCustom(t);
         t.Get<QComboBox>("cboOrder")->setCurrentIndex(2);
     }},
    {"CustomRefused",
     [](SheetLanguagesTest& t) {
         ChooseCustom(t);
         t.Get<QLineEdit>("txtSeconds")->setText(QStringLiteral("4"));
     }},
    {"SeedRefused",
     [](SheetLanguagesTest& t) {
         t.window->Choose({"kraepelin-15", false, 5});
         t.Get<QLineEdit>("txtSeed")->setText(QStringLiteral("12x"));
         t.Get<QAbstractButton>("cmdStartSheet")->click();
     }},
    {"Kraepelin15AtTheCue", [](SheetLanguagesTest& t) { Sitting(t, "kraepelin-15", 15000); }},
    {"Kraepelin30AtTheCue", [](SheetLanguagesTest& t) { Sitting(t, "kraepelin-30", 30000); }},
    {"UchidaAtTheCue", [](SheetLanguagesTest& t) { Sitting(t, "uchida", 60000); }},
    {"UchidaOnTheBreak", [](SheetLanguagesTest& t) { Sitting(t, "uchida", 15 * 60000); }},
    {"PauliAtTheStroke", [](SheetLanguagesTest& t) { Sitting(t, "pauli", 180000); }},
    {"AfterASitting",
     [](SheetLanguagesTest& t) {
         t.Start("kraepelin-15", true, 3);
         t.Wait(10 * 15000);
     }},
    {"ProcedureInstructions", [](SheetLanguagesTest& t) { Procedure(t, "uchida", 0); }},
    {"ProcedurePractice", [](SheetLanguagesTest& t) { Procedure(t, "pauli", 1); }},
    {"ProcedurePracticeDone",
     [](SheetLanguagesTest& t) {
         Procedure(t, "kraepelin-30", 1);
         for (int pair = 0; pair < sheet::ProcedurePanel::kPracticePairs; ++pair)
             QTest::keyClick(t.window->procedure(), Qt::Key_7);
         QCoreApplication::processEvents();
     }},
    {"ProcedureCountdown", [](SheetLanguagesTest& t) { Procedure(t, "kraepelin-15", 2); }},
    {"ExaminerAtTheCue", [](SheetLanguagesTest& t) { Examiner(t, "kraepelin-15", 15000); }},
    {"ExaminerOnTheBreak", [](SheetLanguagesTest& t) { Examiner(t, "uchida", 15 * 60000); }},
    {"ExaminerPauli", [](SheetLanguagesTest& t) { Examiner(t, "pauli", 180000); }},
    {"PaperEntryKraepelin", [](SheetLanguagesTest& t) { PaperEntry(t, "kraepelin-15", "27"); }},
    {"PaperEntryPauliCounts",
     [](SheetLanguagesTest& t) {
         PaperEntry(t, "pauli", "1");
         t.Get<QComboBox>("cboDetail")->setCurrentIndex(1);
     }},
};

class SheetLanguageFitTest : public SheetLanguagesTest, public testing::WithParamInterface<const char*> {};

TEST_P(SheetLanguageFitTest, EveryTextFitsItsBoxInEveryState) {
    std::map<std::string, std::set<std::pair<QString, QString>>> english;
    for (const WindowState& state : kStates) {
        Reopen();
        state.reach(*this);
        english[state.name] = testsupport::OverlappingTexts(window.get());
    }
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    for (const WindowState& state : kStates) {
        SCOPED_TRACE(state.name);
        Reopen();
        state.reach(*this);
        for (const QString& fault : testsupport::CutTexts(window.get())) ADD_FAILURE() << fault.toStdString();
        for (const auto& [a, b] : testsupport::OverlappingTexts(window.get())) {
            EXPECT_TRUE(english[state.name].contains({a, b})) << a.toStdString() << " overlaps " << b.toStdString();
        }
    }
}

TEST_P(SheetLanguageFitTest, EachAccessKeyBelongsToOneControl) {
    host::Translations translations;
    ASSERT_TRUE(translations.Install(QString::fromLatin1(GetParam())));
    Reopen();
    const auto check = [this](const char* page) {
        SCOPED_TRACE(page);
        const auto keys = testsupport::AccessKeyOwners(window.get());
        EXPECT_GE(keys.size(), 4u) << "the page's controls have access keys";
        for (const auto& [key, owners] : keys)
            EXPECT_EQ(owners.size(), 1) << key.toStdString() << ": " << owners.join(u' ').toStdString();
    };
    ChooseCustom(*this);
    check("choice");
    Start("kraepelin-15", true, 3);
    check("sitting");
    Reopen();
    PaperEntry(*this, "kraepelin-15", "1");
    check("paper entry");
}

INSTANTIATE_TEST_SUITE_P(Languages, SheetLanguageFitTest, testing::Values("en", "id", "ja"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST_F(SheetLanguagesTest, NoTextBypassesTheTranslationTools) {
    const PseudoTranslator translator;
    for (const WindowState& state : kStates) {
        SCOPED_TRACE(state.name);
        Reopen();
        state.reach(*this);
        for (const QString& text : PseudoTranslator::Unmarked(window.get())) ADD_FAILURE() << text.toStdString();
    }
}

TEST_F(SheetLanguagesTest, StopAsksInTheLanguageInstalled) {
    const PseudoTranslator translator;
    Reopen();
    Start("kraepelin-15", true, 3);
    Get<QAbstractButton>("cmdStopSheet")->click();
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_TRUE(PseudoTranslator::Marked(boxes.requests()[0].text)) << boxes.requests()[0].text.toStdString();
    // The program's name stays its name.
    EXPECT_EQ(boxes.requests()[0].title, "Tavrendale");
}

TEST_F(SheetLanguagesTest, TheStoredCaptionsAreTranslated) {
    const PseudoTranslator translator;
    Reopen();
    const auto buttons = window->findChildren<chameleon::chameleonButton*>();
    // Start, Stop, History, Close, Print, Save as PDF, the paper entry's command and its Show
    // results and Back.
    ASSERT_EQ(buttons.size(), 9);
    for (const chameleon::chameleonButton* button : buttons)
        EXPECT_TRUE(PseudoTranslator::Marked(button->Caption())) << button->Caption().toStdString();
}

// The examiner's calls and what a screen reader hears with them, in each test's words.
struct CallCase {
    const char* language;
    const char* next;
    const char* onBreak;
    const char* stroke;
    // As the examiner's voice says them: the start and the call to move on.
    const char* spokenStart;
    const char* spokenNext;
};

class ExaminerCallTest : public SheetLanguagesTest, public testing::WithParamInterface<CallCase> {
protected:
    void SetUp() override {
        translations_.Install(QString::fromLatin1(GetParam().language));
        SheetWindowTest::SetUp();
    }
    QString Call() const { return Get<QLabel>("lblCall")->text(); }

private:
    host::Translations translations_;
};

TEST_P(ExaminerCallTest, CallsInTheTestsOwnWords) {
    Start("uchida", true, 3);
    QApplication::processEvents();
    const int sheetHeight = Get<QWidget>("scrSheet")->height();
    Wait(60000);
    EXPECT_EQ(Call(), QString::fromUtf8(GetParam().next));
    QApplication::processEvents();
    EXPECT_EQ(Get<QWidget>("scrSheet")->height(), sheetHeight) << "the call moved the sheet";
    EXPECT_TRUE(View()->accessibleName().startsWith(Call() + u' ')) << View()->accessibleName().toStdString();
    Wait(2 * 60000);
    EXPECT_EQ(Call(), QString::fromUtf8(GetParam().onBreak));
    EXPECT_TRUE(View()->accessibleName().startsWith(Call() + u' ')) << View()->accessibleName().toStdString();
    Reopen();
    Start("pauli", true, 3);
    Wait(180000);
    EXPECT_EQ(Call(), QString::fromUtf8(GetParam().stroke));
}

TEST_P(ExaminerCallTest, TheBreaksCountdownIsNotSpokenEverySecond) {
    Start("uchida", true, 3);
    Wait(3 * 60000);
    const QString heard = View()->accessibleName();
    ASSERT_TRUE(heard.startsWith(QString::fromUtf8(GetParam().onBreak))) << heard.toStdString();
    Wait(5000);
    EXPECT_EQ(View()->accessibleName(), heard);
    Wait(55000);
    EXPECT_TRUE(View()->accessibleName().startsWith(QString::fromUtf8(GetParam().next)))
        << View()->accessibleName().toStdString();
}

TEST_P(ExaminerCallTest, TheVoiceSpeaksTheProgramsLanguage) {
    Get<QComboBox>("cboExaminer")->setCurrentIndex(2);
    Start("kraepelin-15", true, 3);
    Wait(15000);
    EXPECT_EQ(voice.prepared.back(), QString::fromLatin1(GetParam().language));
    EXPECT_EQ(voice.said,
              (QStringList{QString::fromUtf8(GetParam().spokenStart), QString::fromUtf8(GetParam().spokenNext)}));
}

INSTANTIATE_TEST_SUITE_P(Languages, ExaminerCallTest,
                         testing::Values(CallCase{"en", "Next!", "Break!", "Stroke!", "Start!", "Next!"},
                                         CallCase{"id", "Pindah!", "Istirahat!", "Garis!", "Mulai!", "Pindah!"},
                                         CallCase{"ja", "はい、次", "はい、休憩", "はい、線", "はじめ", "はい、つぎ"}),
                         [](const testing::TestParamInfo<CallCase>& info) { return std::string(info.param.language); });

} // namespace
